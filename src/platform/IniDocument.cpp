// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniDocument.h"

#include <algorithm>

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

char FoldCase(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; }

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

std::string_view Trim(std::string_view S)
{
    while (!S.empty() && IsBlank(S.front())) S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back())) S.remove_suffix(1);
    return S;
}

// A line break inside a written name or value would split the line and
// smuggle new sections or keys into the file.
void AppendOneLine(std::string& Out, std::string_view S)
{
    const size_t Start = Out.size();
    Out += S;
    if (S.find('\r') == std::string_view::npos && S.find('\n') == std::string_view::npos) return;
    std::replace_if(Out.begin() + static_cast<std::ptrdiff_t>(Start), Out.end(), [](char C) { return C == '\r' || C == '\n'; }, ' ');
}

int HexDigit(char C)
{
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
}

}  // namespace

std::string_view IniValueText(std::string_view Raw)
{
    std::string_view V = Trim(Raw);
    if (V.size() >= 2 && (V.front() == '"' || V.front() == '\'') && V.back() == V.front())
        V = V.substr(1, V.size() - 2);
    return V.substr(0, MaxIniValueLength);
}

int32_t IniStrToInt(std::string_view Text, int32_t Default)
{
    while (!Text.empty() && Text.front() == ' ') Text.remove_prefix(1);
    int64_t Value = 0;
    bool Negative = false;
    int Base = 10;
    if (Text.starts_with("0x") || Text.starts_with("0X")) {
        Text.remove_prefix(2);
        Base = 16;
    } else if (!Text.empty() && (Text.front() == '$' || Text.front() == 'x' || Text.front() == 'X')) {
        Text.remove_prefix(1);
        Base = 16;
    } else if (!Text.empty() && (Text.front() == '+' || Text.front() == '-')) {
        Negative = Text.front() == '-';
        Text.remove_prefix(1);
    }
    if (Text.empty()) return Default;
    const int64_t Limit = Negative ? int64_t{INT32_MAX} + 1 : INT32_MAX;
    for (char C : Text) {
        const int D = HexDigit(C);
        if (D < 0 || D >= Base) return Default;
        Value = Value * Base + D;
        if (Value > Limit) return Default;
    }
    return static_cast<int32_t>(Negative ? -Value : Value);
}

void AppendIniSection(std::string& Out, std::string_view Section, std::span<const TIniEntry> Entries)
{
    Out += '[';
    AppendOneLine(Out, Section);
    Out += "]\r\n";
    for (const auto& [Key, Value] : Entries) {
        AppendOneLine(Out, Key);
        Out += '=';
        AppendOneLine(Out, Value);
        Out += "\r\n";
    }
}

size_t TIniDocument::TFoldedHash::operator()(std::string_view S) const noexcept
{
    size_t H = 1469598103934665603ull;
    for (char C : S) H = (H ^ static_cast<unsigned char>(FoldCase(C))) * 1099511628211ull;
    return H;
}

bool TIniDocument::TFoldedEqual::operator()(std::string_view A, std::string_view B) const noexcept
{
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
               return FoldCase(X) == FoldCase(Y);
           });
}

TIniDocument::TIniDocument(std::string Text)
{
    std::string_view Rest = Store(std::move(Text));
    if (Rest.starts_with(Utf8ByteOrderMark)) {
        ByteOrderMark_ = true;
        Rest.remove_prefix(Utf8ByteOrderMark.size());
    }
    AddSection({}, false);
    Index_.reserve(Rest.size() / 64);  // about one section per four lines
    Parse(Rest);
}

// Appends the lines of Text to the sections, opening a section at each header.
void TIniDocument::Parse(std::string_view Text)
{
    while (!Text.empty()) {
        const size_t End = Text.find('\n');
        std::string_view Line = Text.substr(0, End);
        Text.remove_prefix(End == std::string_view::npos ? Text.size() : End + 1);
        if (Line.ends_with('\r')) Line.remove_suffix(1);

        const std::string_view Body = Trim(Line);
        const size_t Close = Body.rfind(']');
        if (Body.starts_with('[') && Close != std::string_view::npos) {
            AddSection(Trim(Body.substr(1, Close - 1)), true);
            Sections_.back().Lines.push_back({Line});
        } else {
            Sections_.back().Lines.push_back(ParseLine(Line));
        }
    }
}

TIniDocument::TLine TIniDocument::ParseLine(std::string_view Text)
{
    const std::string_view Body = Trim(Text);
    const size_t Equals = Body.find('=');
    if (Body.starts_with(';') || Equals == std::string_view::npos) return {Text};
    const std::string_view Key = Trim(Body.substr(0, Equals));
    const auto Offset = [&](std::string_view Part) { return static_cast<uint32_t>(Part.data() - Text.data()); };
    return {Text, Offset(Key), static_cast<uint32_t>(Key.size()), Offset(Body) + static_cast<uint32_t>(Equals) + 1, true};
}

std::string_view TIniDocument::Store(std::string Text)
{
    return Storage_.emplace_back(std::move(Text));
}

void TIniDocument::AddSection(std::string_view Name, bool HasHeader)
{
    const size_t Index = Sections_.size();
    Sections_.push_back({Name, HasHeader, false, 0, {}});
    if (!HasHeader) return;
    Sections_.back().Lines.reserve(4);  // an item section's size: one allocation for most
    auto [It, Inserted] = Index_.try_emplace(Name, TNameRange{Index, Index});
    if (!Inserted) {
        Sections_[It->second.Last].NextSameName = Index;
        It->second.Last = Index;
    }
}

const TIniDocument::TSection* TIniDocument::Find(std::string_view Section) const
{
    const auto It = Index_.find(Section);
    return It == Index_.end() ? nullptr : &Sections_[It->second.First];
}

std::string TIniDocument::Text() const
{
    size_t Size = ByteOrderMark_ ? Utf8ByteOrderMark.size() : 0;
    for (const TSection& S : Sections_)
        if (!S.Erased)
            for (const TLine& L : S.Lines) Size += L.Text.size() + 2;
    std::string Out;
    Out.reserve(Size);
    if (ByteOrderMark_) Out += Utf8ByteOrderMark;
    for (const TSection& S : Sections_) {
        if (S.Erased) continue;
        for (const TLine& L : S.Lines) {
            Out += L.Text;
            Out += "\r\n";
        }
    }
    return Out;
}

bool TIniDocument::SectionExists(std::string_view Section) const
{
    return Find(Section) != nullptr;
}

std::optional<std::string_view> TIniDocument::FindValue(std::string_view Section, std::string_view Ident) const
{
    const TSection* S = Find(Section);
    if (!S) return std::nullopt;
    for (const TLine& L : S->Lines)
        if (L.IsEntry && TFoldedEqual{}(L.Key(), Ident)) return L.Value();
    return std::nullopt;
}

std::string TIniDocument::ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) const
{
    const auto Raw = FindValue(Section, Ident);
    return std::string(Raw ? IniValueText(*Raw) : Default);
}

int32_t TIniDocument::ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const
{
    const auto Raw = FindValue(Section, Ident);
    return Raw ? IniStrToInt(IniValueText(*Raw), Default) : Default;
}

bool TIniDocument::ReadBool(std::string_view Section, std::string_view Ident, bool Default) const
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TIniDocument::ForEachEntry(std::string_view Section,
                                const std::function<void(std::string_view, std::string_view)>& Visit) const
{
    if (const TSection* S = Find(Section))
        for (const TLine& L : S->Lines)
            if (L.IsEntry) Visit(L.Key(), IniValueText(L.Value()));
}

void TIniDocument::ForEachSectionName(const std::function<void(std::string_view Name)>& Visit) const
{
    for (const auto& Entry : Index_) Visit(Entry.first);
}

void TIniDocument::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value)
{
    const auto It = Index_.find(Section);
    if (It == Index_.end()) {
        std::string Text;
        const TIniEntry Entry[] = {{Ident, Value}};
        AppendIniSection(Text, Section, Entry);
        Parse(Store(std::move(Text)));
        return;
    }
    std::vector<TLine>& Lines = Sections_[It->second.First].Lines;
    auto Entry = std::find_if(Lines.begin(), Lines.end(),
                              [&](const TLine& L) { return L.IsEntry && TFoldedEqual{}(L.Key(), Ident); });
    std::string Text;
    if (Entry != Lines.end()) {
        AppendOneLine(Text, Entry->Key());
    } else {
        auto LastEntry = std::find_if(Lines.rbegin(), Lines.rend(), [](const TLine& L) { return L.IsEntry; });
        // After the last entry, or right after the header in a section without one.
        Entry = Lines.insert(LastEntry == Lines.rend() ? Lines.begin() + 1 : LastEntry.base(), TLine{});
        AppendOneLine(Text, Ident);
    }
    Text += '=';
    AppendOneLine(Text, Value);
    *Entry = ParseLine(Store(std::move(Text)));
}

void TIniDocument::WriteInteger(std::string_view Section, std::string_view Ident, int32_t Value)
{
    WriteString(Section, Ident, std::to_string(Value));
}

void TIniDocument::WriteBool(std::string_view Section, std::string_view Ident, bool Value)
{
    WriteString(Section, Ident, Value ? "1" : "0");
}

bool TIniDocument::EraseSection(std::string_view Section)
{
    const auto It = Index_.find(Section);
    if (It == Index_.end()) return false;
    for (size_t I = It->second.First; I != 0; I = Sections_[I].NextSameName) {
        Sections_[I].Erased = true;
        Sections_[I].Lines = {};
    }
    Index_.erase(It);
    return true;
}
