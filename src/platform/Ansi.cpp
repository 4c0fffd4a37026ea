// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Ansi.h"

#include <QFile>
#include <algorithm>
#include <array>

namespace {

// Bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves undefined map to the
// C1 control of the same number, as Windows itself maps them.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool ToAnsi(QChar Ch, char& Byte)
{
    const char16_t U = Ch.unicode();
    if (U < 0x80 || (U >= 0xA0 && U <= 0xFF)) {
        Byte = static_cast<char>(U);
        return true;
    }
    const auto Found = std::find(High.begin(), High.end(), U);
    if (Found == High.end()) return false;
    Byte = static_cast<char>(0x80 + (Found - High.begin()));
    return true;
}

}  // namespace

QString AnsiToQString(std::string_view Text)
{
    QString Result(static_cast<qsizetype>(Text.size()), Qt::Uninitialized);
    QChar* Out = Result.data();
    for (const char C : Text) {
        const auto Byte = static_cast<unsigned char>(C);
        *Out++ = QChar(Byte >= 0x80 && Byte < 0xA0 ? High[Byte - 0x80] : char16_t{Byte});
    }
    return Result;
}

std::string QStringToAnsi(const QString& Text)
{
    std::string Result;
    Result.reserve(static_cast<size_t>(Text.size()));
    for (const QChar Ch : Text) {
        char Byte;
        Result += ToAnsi(Ch, Byte) ? Byte : '?';
    }
    return Result;
}

bool IsAnsiChar(QChar Ch)
{
    char Byte;
    return ToAnsi(Ch, Byte);
}

QString PathToQString(const std::string& Path)
{
    return QFile::decodeName(QByteArray::fromStdString(Path));
}

std::string QStringToPath(const QString& Path)
{
    return QFile::encodeName(Path).toStdString();
}

QValidator::State TAnsiValidator::validate(QString& Input, int&) const
{
    const bool Fits = std::all_of(Input.cbegin(), Input.cend(), [](QChar Ch) {
        return Ch != u'\r' && Ch != u'\n' && IsAnsiChar(Ch);
    });
    return Fits ? Acceptable : Invalid;
}
