// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Evntlist.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <random>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "data/Dateutil.h"
#include "platform/IniFile.h"

TEventsList* EventsList = nullptr;

namespace {

constexpr std::string_view NumberOfItems = "NumberOfItems";

// The item keys a month section lists: its entries "1" to "N" (N from
// NumberOfItems) in number order, an empty text where an entry is missing
// left out. One pass over the section, whatever N the file declares.
std::vector<std::string_view> MonthEntries(const TIniDocument& Document, std::string_view Month)
{
    const int32_t N = Document.ReadInteger(Month, NumberOfItems, 0);
    std::vector<std::pair<int32_t, std::string_view>> Numbered;
    if (N < 1) return {};
    Document.ForEachEntry(Month, [&](std::string_view Key, std::string_view Value) {
        // Keys are matched as text, so only the plain decimal spelling counts.
        int32_t I = 0;
        const auto [End, Error] = std::from_chars(Key.data(), Key.data() + Key.size(), I);
        if (Error == std::errc() && End == Key.data() + Key.size() && Key.front() != '0' && I >= 1 && I <= N && !Value.empty())
            Numbered.emplace_back(I, Value);
    });
    std::sort(Numbered.begin(), Numbered.end());
    std::vector<std::string_view> Keys;
    Keys.reserve(Numbered.size());
    for (const auto& Entry : Numbered) Keys.push_back(Entry.second);
    return Keys;
}

std::string MonthSection(int Month)
{
    return MonthName(static_cast<uint8_t>(Month));
}

}  // namespace

int TMyLinkList::Compare(const TListNode* A, const TListNode* B) const
{
    const uint8_t DayA = static_cast<const TEventItem*>(A)->DayNumber;
    const uint8_t DayB = static_cast<const TEventItem*>(B)->DayNumber;
    return DayA > DayB ? 1 : DayA < DayB ? -1 : 0;
}

TEventsList::TEventsList()
{
    Clear();
}

void TEventsList::Clear()
{
    for (auto& List : Months.Lists_) List = std::make_unique<TMyLinkList>();
    Modified = false;
    FileName.clear();
}

std::string TEventsList::GetFileName() const
{
    return FileName.empty() ? "(Untitled)" : FileName;
}

int32_t TEventsList::TotalCount() const
{
    int32_t Total = 0;
    for (int M = 1; M <= 12; ++M) Total += Months[M]->Count;
    return Total;
}

void TEventsList::LoadFromFile(const std::string& Name)
{
    Clear();
    FileName = Name;
    const TIniDocument Document = TIniFile(Name).Load();
    for (int M = 1; M <= 12; ++M) {
        for (std::string_view Key : MonthEntries(Document, MonthSection(M))) {
            auto* Item = new TEventItem;
            // Only the low eight bits count: 257 is day 1 and -1 is day 255.
            Item->DayNumber = static_cast<uint8_t>(Document.ReadInteger(Key, "DayNumber", 1));
            Item->EventText = Document.ReadString(Key, "EventText", "");
            Item->OrigYear = Document.ReadInteger(Key, "OrigYear", -1);
            Months[M]->Add(Item);
        }
    }
}

void TEventsList::SaveToFile()
{
    const TIniFile File(FileName);
    TIniDocument Document = File.LoadForUpdate();
    EraseBook(Document);
    WriteBook(Document);
    File.Store(Document);
    Modified = false;
}

// Removes the month sections and the item sections they name, in the order a
// reader would meet them, so that odd files (an entry naming a month, or its
// own section) lose exactly what a step-by-step erase would remove.
void TEventsList::EraseBook(TIniDocument& Document)
{
    for (int M = 1; M <= 12; ++M) {
        const std::string Month = MonthSection(M);
        for (std::string_view Key : MonthEntries(Document, Month)) {
            if (!Document.SectionExists(Month)) break;  // later entries now read as empty
            Document.EraseSection(Key);
        }
        Document.EraseSection(Month);
    }
}

// Appends each month section followed by the item sections of its
// anniversaries in list order. A key never equals a section the file still
// holds or a key given earlier in this save.
void TEventsList::WriteBook(TIniDocument& Document) const
{
    std::vector<std::string> Numbers, Keys;
    std::unordered_set<std::string> Pending;
    for (int M = 1; M <= 12; ++M) {
        const TMyLinkList& List = *Months[M];
        Numbers.clear();
        Keys.clear();
        Pending.clear();
        TListNode* Cursor;
        List.Rewind(Cursor);
        while (List.GetNext(Cursor)) {
            std::string Key;
            do Key = NewItemKey();
            while (Document.SectionExists(Key) || Pending.count(Key));
            Pending.insert(Key);
            Numbers.push_back(std::to_string(Numbers.size() + 1));
            Keys.push_back(std::move(Key));
        }

        const std::string Count = std::to_string(List.Count);
        std::vector<std::pair<std::string_view, std::string_view>> Entries{{NumberOfItems, Count}};
        for (size_t I = 0; I < Keys.size(); ++I) Entries.emplace_back(Numbers[I], Keys[I]);
        Document.AppendSection(MonthSection(M), Entries);

        size_t I = 0;
        List.Rewind(Cursor);
        while (List.GetNext(Cursor)) {
            const auto* Item = static_cast<const TEventItem*>(Cursor);
            const std::string Day = std::to_string(Item->DayNumber), Year = std::to_string(Item->OrigYear);
            Document.AppendSection(Keys[I++], {{"DayNumber", Day}, {"EventText", Item->EventText}, {"OrigYear", Year}});
        }
    }
}

std::string TEventsList::NewItemKey()
{
    // Seeded once: drawing never waits for the clock to move on.
    static std::mt19937 Generator(std::random_device{}() ^
                                  static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::uniform_int_distribution<int> Pick(0, 15);
    std::string Key(5, '0');
    for (char& C : Key) C = Digits[Pick(Generator)];
    return Key;
}

std::string TEventsList::UniqueItemKey() const
{
    const TIniDocument Document = TIniFile(FileName).Load();
    std::unordered_set<std::string_view> Used;
    for (int M = 1; M <= 12; ++M)
        for (std::string_view Key : MonthEntries(Document, MonthSection(M))) Used.insert(Key);
    std::string Key;
    do Key = NewItemKey();
    while (Used.count(Key) || Document.SectionExists(Key));
    return Key;
}
