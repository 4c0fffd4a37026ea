// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the initialisation-file reader and TEventsList::LoadFromFile.
//
// The input is written to a file and read through TIniFile, TIniDocument and
// LoadFromFile. Besides crashes, leaks and undefined behaviour it checks the
// reader against a plain model of the reading rules written here: sections and
// entries by line, the first of a name counting, values trimmed, unquoted and
// cut, integers as decimal or hexadecimal; the text written back means the
// same; and the book holds what reading the month entries one by one gives.

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "data/Dateutil.h"
#include "data/Evntlist.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

std::string_view Trim(std::string_view S)
{
    while (!S.empty() && IsBlank(S.front())) S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back())) S.remove_suffix(1);
    return S;
}

std::string Folded(std::string_view S)
{
    std::string R(S);
    for (char& C : R)
        if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
    return R;
}

struct TModelEntry {
    std::string Key, Value;
    bool operator==(const TModelEntry&) const = default;
};
struct TModelSection {
    std::string Name;
    std::vector<TModelEntry> Entries;
    bool operator==(const TModelSection&) const = default;
};

// A value as the rules give it back: blanks around it gone, one enclosing
// pair of quotes gone, at most 2047 characters.
std::string ModelValue(std::string_view Raw)
{
    std::string_view V = Trim(Raw);
    if (V.size() >= 2 && (V.front() == '"' || V.front() == '\'') && V.back() == V.front()) V = V.substr(1, V.size() - 2);
    return std::string(V.substr(0, 2047));
}

// The sections of a file in file order, line by line; a byte-order mark at
// the start is no part of the text, and lines before the first header belong
// to no section.
std::vector<TModelSection> ModelParse(std::string_view Text)
{
    if (Text.starts_with("\xEF\xBB\xBF")) Text.remove_prefix(3);
    std::vector<TModelSection> Sections;
    size_t Start = 0;
    while (Start < Text.size()) {
        size_t End = Text.find('\n', Start);
        if (End == std::string_view::npos) End = Text.size();
        std::string_view Line = Text.substr(Start, End - Start);
        Start = End + 1;
        if (!Line.empty() && Line.back() == '\r') Line.remove_suffix(1);
        const std::string_view Body = Trim(Line);
        const size_t Close = Body.rfind(']');
        if (!Body.empty() && Body.front() == '[' && Close != std::string_view::npos) {
            Sections.push_back({std::string(Trim(Body.substr(1, Close - 1))), {}});
        } else if (!Sections.empty() && !Body.empty() && Body.front() != ';') {
            const size_t Equals = Body.find('=');
            if (Equals != std::string_view::npos)
                Sections.back().Entries.push_back({std::string(Trim(Body.substr(0, Equals))), ModelValue(Body.substr(Equals + 1))});
        }
    }
    return Sections;
}

// Rule 5 on a value as read: blanks at its start skipped, then a sign and
// decimal digits, or hexadecimal digits after $, 0x, 0X, x or X; 32-bit range.
int32_t ModelInteger(std::string_view T, int32_t Default)
{
    while (!T.empty() && T.front() == ' ') T.remove_prefix(1);
    int Base = 10;
    if (T.starts_with("0x") || T.starts_with("0X")) {
        T.remove_prefix(2);
        Base = 16;
    } else if (!T.empty() && (T.front() == '$' || T.front() == 'x' || T.front() == 'X')) {
        T.remove_prefix(1);
        Base = 16;
    } else if (!T.empty() && T.front() == '+') {
        T.remove_prefix(1);
        if (T.empty() || T.front() < '0' || T.front() > '9') return Default;
    }
    if (T.empty() || (Base == 16 && T.front() == '-')) return Default;
    int64_t Value = 0;
    const auto [End, Error] = std::from_chars(T.data(), T.data() + T.size(), Value, Base);
    if (Error != std::errc() || End != T.data() + T.size() || Value < INT32_MIN || Value > INT32_MAX) return Default;
    return static_cast<int32_t>(Value);
}

// The first section of each name, folded name to index.
std::map<std::string, size_t> FirstSections(const std::vector<TModelSection>& Sections)
{
    std::map<std::string, size_t> First;
    for (size_t I = 0; I < Sections.size(); ++I) First.try_emplace(Folded(Sections[I].Name), I);
    return First;
}

void CheckDocument(const TIniDocument& Doc, const std::vector<TModelSection>& Model)
{
    const std::map<std::string, size_t> First = FirstSections(Model);

    std::set<std::string> Names;
    Doc.ForEachSectionName([&](std::string_view Name) {
        Expect(Names.insert(Folded(Name)).second, "a section name is walked twice");
    });
    std::set<std::string> ModelNames;
    for (const auto& [Name, Index] : First) ModelNames.insert(Name);
    Expect(Names == ModelNames, "the section names differ from the model's");

    for (const auto& [Name, Index] : First) {
        const TModelSection& Section = Model[Index];
        Expect(Doc.SectionExists(Section.Name), "a section of the model is missing");
        std::vector<TModelEntry> Walked;
        Doc.ForEachEntry(Section.Name, [&](std::string_view Key, std::string_view Value) {
            Expect(Value.size() <= MaxIniValueLength, "a value is longer than the longest value read back");
            Walked.push_back({std::string(Key), std::string(Value)});
        });
        Expect(Walked == Section.Entries, "the entries walked differ from the model's");

        std::set<std::string> Seen;
        for (const TModelEntry& E : Section.Entries) {
            if (!Seen.insert(Folded(E.Key)).second) continue;  // the first of a key counts
            Expect(Doc.ReadString(Section.Name, E.Key, "\x01") == E.Value, "ReadString differs from the model");
            const int32_t Integer = Doc.ReadInteger(Section.Name, E.Key, -77);
            Expect(Integer == ModelInteger(E.Value, -77), "ReadInteger differs from the model");
            Expect(Doc.ReadBool(Section.Name, E.Key, true) == (ModelInteger(E.Value, 1) != 0),
                   "ReadBool differs from the model");
        }
    }
}

// The reader of the anniversary file step by step: for each month, the
// entries 1 to NumberOfItems read one by one, an empty one skipped, each
// anniversary added after those of the same day.
TFuzzBook ModelBook(const TIniDocument& Doc, const std::vector<TModelSection>& Model)
{
    const std::map<std::string, size_t> First = FirstSections(Model);
    TFuzzBook Book(13);
    for (int M = 1; M <= 12; ++M) {
        const std::string Month = MonthName(static_cast<uint8_t>(M));
        const int32_t N = Doc.ReadInteger(Month, "NumberOfItems", 0);
        const auto Found = First.find(Folded(Month));
        if (N < 1 || Found == First.end()) continue;
        // Reading an entry that is not there gives the empty default, which is
        // skipped: only the numbers that stand in the section need reading.
        std::set<int32_t> Numbers;
        for (const TModelEntry& E : Model[Found->second].Entries) {
            int32_t I = 0;
            const auto [End, Error] = std::from_chars(E.Key.data(), E.Key.data() + E.Key.size(), I);
            if (Error == std::errc() && End == E.Key.data() + E.Key.size() && std::to_string(I) == E.Key && I >= 1 && I <= N)
                Numbers.insert(I);
        }
        auto& List = Book[static_cast<size_t>(M)];
        for (int32_t I : Numbers) {
            const std::string Key = Doc.ReadString(Month, std::to_string(I), "");
            if (Key.empty()) continue;
            List.push_back({static_cast<uint8_t>(Doc.ReadInteger(Key, "DayNumber", 1)), Doc.ReadString(Key, "EventText", ""),
                            Doc.ReadInteger(Key, "OrigYear", -1)});
        }
        std::stable_sort(List.begin(), List.end(), [](const TFuzzRecord& A, const TFuzzRecord& B) { return A.Day < B.Day; });
    }
    return Book;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const TFuzzFileRemover Remover;
    WriteFuzzFile(Data, Size);
    const std::string_view Input(reinterpret_cast<const char*>(Data), Size);
    const std::vector<TModelSection> Model = ModelParse(Input);

    const TIniFile File(FuzzFileName());
    const TIniDocument Doc = File.Load();
    CheckDocument(Doc, Model);

    // The text written back means the same and is written back unchanged.
    const std::string Text = Doc.Text();
    Expect(ModelParse(Text) == Model, "the text written back reads differently");
    Expect(TIniDocument(Text).Text() == Text, "the text written back changes when written back again");

    // Reading through the file itself gives what the document gives.
    int Reads = 0;
    for (const TModelSection& Section : Model)
        for (const TModelEntry& E : Section.Entries) {
            if (++Reads > 4) break;
            Expect(File.ReadString(Section.Name, E.Key, "\x01") == Doc.ReadString(Section.Name, E.Key, "\x01"),
                   "TIniFile::ReadString differs from the document");
            Expect(File.ReadInteger(Section.Name, E.Key, 5) == Doc.ReadInteger(Section.Name, E.Key, 5),
                   "TIniFile::ReadInteger differs from the document");
            Expect(File.ReadBool(Section.Name, E.Key, false) == Doc.ReadBool(Section.Name, E.Key, false),
                   "TIniFile::ReadBool differs from the document");
        }

    TEventsList Book;
    Book.LoadFromFile(FuzzFileName());
    Expect(Book.FileName == FuzzFileName() && !Book.Modified, "LoadFromFile left the wrong name or a modified book");
    const TFuzzBook Loaded = BookRecords(Book);
    int32_t Total = 0;
    for (int M = 1; M <= 12; ++M) Total += static_cast<int32_t>(Loaded[static_cast<size_t>(M)].size());
    Expect(Book.TotalCount() == Total, "TotalCount differs from the anniversaries in the lists");
    const TFuzzBook Expected = ModelBook(Doc, Model);
    if (Loaded != Expected) {
        PrintBook("loaded", Loaded);
        PrintBook("read entry by entry", Expected);
        FuzzFailure("LoadFromFile differs from reading the entries one by one");
    }
    return 0;
}
