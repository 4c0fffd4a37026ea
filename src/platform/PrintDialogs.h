// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common dialogs of printing: the font dialog, the printer set-up dialog
// and the choice of a PDF file. While a TPrintDialogRecorder lives, none is
// shown: each is answered from a queue and recorded, so a test can stand in
// for the user.

#include <QFont>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace printdialogs {

// The limits of the report's font dialogs: scalable fonts only, at most
// MaxPointSize points, and no effects (colour, underline, strike-out).
inline constexpr int MaxPointSize = 16;

// The font the user chose, within the limits; nullopt for Cancel.
std::optional<QFont> ChooseFont(const QFont& Initial, QWidget* Parent);
// Lets the user choose the printer and its paper; false for Cancel.
bool SetUpPrinter(QPrinter& Printer, QWidget* Parent);
// The name of a PDF file to write; nullopt for Cancel.
std::optional<QString> ChoosePdfFileName(QWidget* Parent);

// A font as the limits allow it: size at most MaxPointSize, no effects, black.
QFont WithinLimits(QFont Font);

class TPrintDialogRecorder {
public:
    TPrintDialogRecorder();
    ~TPrintDialogRecorder();
    TPrintDialogRecorder(const TPrintDialogRecorder&) = delete;
    TPrintDialogRecorder& operator=(const TPrintDialogRecorder&) = delete;

    // The next font dialog's answer; nullopt stands for Cancel. A dialog
    // without a queued answer is cancelled.
    void QueueFont(std::optional<QFont> Answer) { Fonts_.push_back(std::move(Answer)); }
    // The next PDF file choice; a choice without a queued name is cancelled.
    void QueuePdfFileName(std::optional<QString> Answer) { PdfNames_.push_back(std::move(Answer)); }

    // The fonts the font dialogs opened with, in order.
    const std::vector<QFont>& FontDialogsShown() const { return FontsShown_; }
    int PrinterSetupsShown() const { return PrinterSetups_; }

private:
    friend std::optional<QFont> ChooseFont(const QFont&, QWidget*);
    friend bool SetUpPrinter(QPrinter&, QWidget*);
    friend std::optional<QString> ChoosePdfFileName(QWidget*);

    std::deque<std::optional<QFont>> Fonts_;
    std::deque<std::optional<QString>> PdfNames_;
    std::vector<QFont> FontsShown_;
    int PrinterSetups_ = 0;
};

}  // namespace printdialogs
