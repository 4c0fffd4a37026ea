// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Evntlist.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <random>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "data/Dateutil.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"

TEventsList* EventsList = nullptr;

namespace {

constexpr std::string_view NumberOfItems = "NumberOfItems";

std::string MonthSection(int Month)
{
    return MonthName(static_cast<uint8_t>(Month));
}

// The item keys a month section lists: its entries "1" to "N" (N from
// NumberOfItems) in number order, the first of a repeated entry, an empty text
// where an entry is missing left out. One pass over the section, whatever N
// the file declares.
std::vector<std::string_view> MonthEntries(const TIniDocument& Document, std::string_view Month)
{
    const int32_t N = Document.ReadInteger(Month, NumberOfItems, 0);
    if (N < 1) return {};
    std::vector<std::pair<int32_t, std::string_view>> Numbered;
    Document.ForEachEntry(Month, [&](std::string_view Key, std::string_view Value) {
        // Keys are matched as text, so only the plain decimal spelling counts.
        int32_t I = 0;
        const auto [End, Error] = std::from_chars(Key.data(), Key.data() + Key.size(), I);
        if (Error == std::errc() && End == Key.data() + Key.size() && Key.front() != '0' && I >= 1 && I <= N)
            Numbered.emplace_back(I, Value);
    });
    std::stable_sort(Numbered.begin(), Numbered.end(), [](const auto& A, const auto& B) { return A.first < B.first; });
    std::vector<std::string_view> Keys;
    Keys.reserve(Numbered.size());
    for (size_t I = 0; I < Numbered.size(); ++I)
        if ((I == 0 || Numbered[I].first != Numbered[I - 1].first) && !Numbered[I].second.empty())
            Keys.push_back(Numbered[I].second);
    return Keys;
}

// Item keys that may not be given: five hexadecimal digits make 2^20 keys, so
// one bit each. Section names are compared without regard to case, so a
// section "3f0a2" takes the key 3F0A2 as well.
class TTakenKeys {
public:
    void Take(std::string_view Name)
    {
        const int32_t Value = KeyValue(Name);
        if (Value < 0 || Taken_[static_cast<size_t>(Value)]) return;
        Taken_[static_cast<size_t>(Value)] = true;
        --Free_;
    }
    size_t Free() const { return Free_; }
    // Takes every section name and every month entry of the document.
    void TakeAll(const TIniDocument& Document)
    {
        Document.ForEachSectionName([this](std::string_view Name) { Take(Name); });
        for (int M = 1; M <= 12; ++M)
            for (std::string_view Key : MonthEntries(Document, MonthSection(M))) Take(Key);
    }
    std::string Draw()
    {
        std::string Key;
        do Key = TEventsList::NewItemKey();
        while (Taken_[static_cast<size_t>(KeyValue(Key))]);
        Take(Key);
        return Key;
    }

private:
    static int32_t KeyValue(std::string_view Name)
    {
        if (Name.size() != 5) return -1;
        uint32_t Value = 0;  // unsigned, so that a minus sign is refused
        const auto [End, Error] = std::from_chars(Name.data(), Name.data() + 5, Value, 16);
        return Error == std::errc() && End == Name.data() + 5 ? static_cast<int32_t>(Value) : -1;
    }

    static constexpr size_t KeyCount = 1 << 20;
    std::vector<bool> Taken_ = std::vector<bool>(KeyCount);
    size_t Free_ = KeyCount;
};

// The value that reads back as Text: a text the reader would change (blanks
// at an end, or wholly in quotes) is stored inside one more pair of quotes,
// which the reader takes away again; any other text is stored as it is.
std::string StoredText(const std::string& Text)
{
    return IniValueText(Text) == Text ? Text : '"' + Text + '"';
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
    // Each item section is read once, however many entries name it (in any
    // letter case), so that a file of many entries naming one long section
    // loads in time linear in its size.
    std::unordered_map<std::string_view, const TEventItem*, TIniDocument::TFoldedHash, TIniDocument::TFoldedEqual>
        ReadBefore;
    std::vector<std::unique_ptr<TEventItem>> Items;
    for (int M = 1; M <= 12; ++M) {
        Items.clear();
        for (std::string_view Key : MonthEntries(Document, MonthSection(M))) {
            auto Item = std::make_unique<TEventItem>();
            const auto [Before, First] = ReadBefore.try_emplace(Key, Item.get());
            if (First) {
                // Only the low eight bits count: 257 is day 1 and -1 is day 255.
                Item->DayNumber = static_cast<uint8_t>(Document.ReadInteger(Key, "DayNumber", 1));
                Item->EventText = Document.ReadString(Key, "EventText", "");
                Item->OrigYear = Document.ReadInteger(Key, "OrigYear", -1);
            } else {
                Item->DayNumber = Before->second->DayNumber;
                Item->EventText = Before->second->EventText;
                Item->OrigYear = Before->second->OrigYear;
            }
            Items.push_back(std::move(Item));
        }
        // In day order, ties in entry order, the list adds them one comparison
        // each and comes out as adding them in entry order would make it,
        // whatever order the file holds them in.
        std::stable_sort(Items.begin(), Items.end(),
                         [](const auto& A, const auto& B) { return A->DayNumber < B->DayNumber; });
        for (auto& Item : Items) Months[M]->Add(Item.release());
    }
}

void TEventsList::SaveToFile()
{
    const TIniFile File(FileName);
    TIniDocument Document = File.LoadForUpdate();
    EraseBook(Document);
    std::string Text = Document.Text();
    WriteBook(Document, Text);
    File.Store(Text);
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

// Appends to Out each month section followed by the item sections of its
// anniversaries in list order. A key never equals a section that the rest of
// the file (Kept) holds or a key given earlier in this save.
void TEventsList::WriteBook(const TIniDocument& Kept, std::string& Out) const
{
    TTakenKeys Taken;
    Taken.TakeAll(Kept);
    // Drawing would never end; a book this large cannot be written in this format.
    if (static_cast<size_t>(TotalCount()) > Taken.Free()) throw EIniFileException(FileName);
    std::vector<std::string> Numbers, Keys;
    std::vector<TIniEntry> Entries;
    for (int M = 1; M <= 12; ++M) {
        const TMyLinkList& List = *Months[M];
        Numbers.clear();
        Keys.clear();
        for (int32_t I = 1; I <= List.Count; ++I) {
            Numbers.push_back(std::to_string(I));
            Keys.push_back(Taken.Draw());
        }
        const std::string Count = std::to_string(List.Count);
        Entries.assign({{NumberOfItems, Count}});
        for (size_t I = 0; I < Keys.size(); ++I) Entries.emplace_back(Numbers[I], Keys[I]);
        AppendIniSection(Out, MonthSection(M), Entries);

        size_t I = 0;
        TListNode* Cursor;
        List.Rewind(Cursor);
        while (List.GetNext(Cursor)) {
            const auto* Item = static_cast<const TEventItem*>(Cursor);
            const std::string Day = std::to_string(Item->DayNumber), Year = std::to_string(Item->OrigYear);
            const std::string Text = StoredText(Item->EventText);
            const TIniEntry Fields[] = {{"DayNumber", Day}, {"EventText", Text}, {"OrigYear", Year}};
            AppendIniSection(Out, Keys[I++], Fields);
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
    TTakenKeys Taken;
    Taken.TakeAll(TIniFile(FileName).Load());
    return Taken.Draw();
}
