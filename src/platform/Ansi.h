// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts live as Windows-1252 bytes in the book and its files, so that files
// from the Windows program open unchanged; widgets speak Unicode. These convert
// at the widget boundary, and the validator keeps out of text boxes what the
// file could not hold.

#include <QValidator>
#include <string>
#include <string_view>

QString AnsiToQString(std::string_view Text);
// Characters Windows-1252 cannot hold become '?'; text boxes refuse them before
// they get this far.
std::string QStringToAnsi(const QString& Text);
bool IsAnsiChar(QChar Ch);

// File names are the system's own bytes, not Windows-1252.
QString PathToQString(const std::string& Path);
std::string QStringToPath(const QString& Path);

// Refuses a text holding a character Windows-1252 cannot hold, or a line break,
// which the anniversary file cannot carry.
class TAnsiValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& Input, int& Pos) const override;
};
