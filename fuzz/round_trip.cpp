// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: load, edit, save and load again.
//
// The input is loaded as an anniversary file; edits decided by the input add,
// delete and change anniversaries; the book is saved into the same file, so
// that the erase phase meets whatever the input held, and loaded again. The
// book read back must equal the book saved, the file's item keys must be
// unique, and every section that is not the book's must be kept as it was.
//
// Texts are those the format carries: no line breaks and at most 2047
// characters. Blanks at the ends and enclosing quotes are carried too: the
// book stores such a text inside one more pair of quotes.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
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

std::string Folded(std::string_view S)
{
    std::string R(S);
    for (char& C : R)
        if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
    return R;
}

// Text without line breaks, cut to the longest value the format carries.
std::string Carriable(std::string Text)
{
    std::erase_if(Text, [](char C) { return C == '\r' || C == '\n'; });
    if (Text.size() > MaxIniValueLength) Text.resize(MaxIniValueLength);
    return Text;
}

TEventItem* NewItem(FuzzedDataProvider& Input)
{
    auto* Item = new TEventItem;
    Item->DayNumber = Input.ConsumeIntegral<uint8_t>();
    Item->OrigYear = Input.ConsumeBool() ? Input.ConsumeIntegralInRange<int32_t>(-1, 3000) : Input.ConsumeIntegral<int32_t>();
    Item->EventText = Carriable(Input.ConsumeRandomLengthString(MaxIniValueLength + 16));
    return Item;
}

void Edit(TEventsList& Book, FuzzedDataProvider& Input)
{
    const int Month = Input.ConsumeIntegralInRange(1, 12);
    TMyLinkList& List = *Book.Months[Month];
    switch (Input.ConsumeIntegralInRange(0, 2)) {
    case 0:
        List.Add(NewItem(Input));
        break;
    case 1:
        if (List.Count > 0) List.Delete(List.ItemAt(Input.ConsumeIntegralInRange(0, List.Count - 1)));
        break;
    default:
        if (List.Count > 0) {
            // Changed as the main window does: taken out, changed, added again.
            auto* Item = static_cast<TEventItem*>(List.ItemAt(Input.ConsumeIntegralInRange(0, List.Count - 1)));
            List.Unlink(Item);
            TEventItem* Changed = NewItem(Input);
            Item->DayNumber = Changed->DayNumber;
            Item->OrigYear = Changed->OrigYear;
            if (Input.ConsumeBool()) Item->EventText = Changed->EventText;
            delete Changed;
            List.Add(Item);
        }
        break;
    }
    Book.Modified = true;
}

struct TSectionCopy {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Entries;
};

std::vector<std::pair<std::string, std::string>> Entries(const TIniDocument& Doc, std::string_view Section)
{
    std::vector<std::pair<std::string, std::string>> Result;
    Doc.ForEachEntry(Section, [&](std::string_view K, std::string_view V) { Result.emplace_back(K, V); });
    return Result;
}

// The sections the erase phase cannot reach: neither a month section nor
// named by any entry of one.
std::vector<TSectionCopy> OtherSections(const TIniDocument& Doc)
{
    std::set<std::string> BookNames;
    for (int M = 1; M <= 12; ++M) {
        const std::string Month = MonthName(static_cast<uint8_t>(M));
        BookNames.insert(Folded(Month));
        Doc.ForEachEntry(Month, [&](std::string_view, std::string_view V) { BookNames.insert(Folded(V)); });
    }
    std::vector<TSectionCopy> Result;
    Doc.ForEachSectionName([&](std::string_view Name) {
        if (!BookNames.contains(Folded(Name))) Result.push_back({std::string(Name), Entries(Doc, Name)});
    });
    return Result;
}

bool IsItemKey(std::string_view Key)
{
    return Key.size() == 5 && std::all_of(Key.begin(), Key.end(), [](char C) {
               return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'F');
           });
}

void CheckSavedFile(const TIniDocument& Saved, const TFuzzBook& Book, const std::vector<TSectionCopy>& Others)
{
    std::set<std::string> Keys;
    for (int M = 1; M <= 12; ++M) {
        const std::string Month = MonthName(static_cast<uint8_t>(M));
        const int32_t N = Saved.ReadInteger(Month, "NumberOfItems", -1);
        Expect(N == static_cast<int32_t>(Book[static_cast<size_t>(M)].size()), "NumberOfItems is not the month's count");
        for (int32_t I = 1; I <= N; ++I) {
            const std::string Key = Saved.ReadString(Month, std::to_string(I), "");
            Expect(IsItemKey(Key), "a month entry is not an item key");
            Expect(Keys.insert(Key).second, "two month entries hold the same item key");
        }
    }
    for (const TSectionCopy& Other : Others) {
        Expect(!Keys.contains(Folded(Other.Name)) && !Keys.contains(Other.Name), "an item key names a kept section");
        Expect(Saved.SectionExists(Other.Name), "a section that is not the book's was lost");
        Expect(Entries(Saved, Other.Name) == Other.Entries, "a section that is not the book's was changed");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const TFuzzFileRemover Remover;
    WriteFuzzFile(Data, Size);
    TEventsList Book;
    Book.LoadFromFile(FuzzFileName());
    const std::vector<TSectionCopy> Others = OtherSections(TIniFile(FuzzFileName()).Load());

    for (int M = 1; M <= 12; ++M) {
        TListNode* Cursor;
        Book.Months[M]->Rewind(Cursor);
        while (Book.Months[M]->GetNext(Cursor)) {
            auto* Item = static_cast<TEventItem*>(Cursor);
            Item->EventText = Carriable(std::move(Item->EventText));
        }
    }
    // The edits are drawn from the same bytes: numbers from the end, texts
    // from the start.
    FuzzedDataProvider Input(Data, Size);
    for (int Edits = Input.ConsumeIntegralInRange(0, 8); Edits > 0; --Edits) Edit(Book, Input);

    const TFuzzBook Saved = BookRecords(Book);
    try {
        Book.SaveToFile();
    } catch (const std::exception& E) {
        FuzzFailure(std::string("the save failed: ") + E.what());
    }
    Expect(!Book.Modified, "the save left the book modified");

    TEventsList Back;
    Back.LoadFromFile(FuzzFileName());
    const TFuzzBook Read = BookRecords(Back);
    if (Read != Saved) {
        PrintBook("saved", Saved);
        PrintBook("read back", Read);
        FuzzFailure("the book read back differs from the book saved");
    }
    CheckSavedFile(TIniFile(FuzzFileName()).Load(), Saved, Others);
    return 0;
}
