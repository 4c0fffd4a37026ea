// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The anniversary book: twelve month lists of anniversaries, the file they
// belong to, and whether they changed since it was last loaded or saved.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "data/LinkList.h"

class TIniDocument;

// One anniversary. Its month is the month of the list that holds it.
class TEventItem : public TListNode {
public:
    uint8_t DayNumber = 0;
    std::string EventText;
    int32_t OrigYear = 0;  // -1 when the first year is not known
};

// A month's anniversaries in day order; anniversaries of one day keep the
// order in which they were added.
class TMyLinkList : public TLinkList {
public:
    int Compare(const TListNode* A, const TListNode* B) const override;
};

// The twelve month lists, indexed 1 (January) to 12 (December).
class TMonthLists {
public:
    TMyLinkList* operator[](int Month) const { return Lists_[static_cast<size_t>(Month - 1)].get(); }

private:
    friend class TEventsList;
    std::array<std::unique_ptr<TMyLinkList>, 12> Lists_;
};

class TEventsList {
public:
    TEventsList();
    TEventsList(const TEventsList&) = delete;
    TEventsList& operator=(const TEventsList&) = delete;
    virtual ~TEventsList() = default;

    std::string FileName;   // empty while the book is untitled
    bool Modified = false;
    TMonthLists Months;

    // Twelve new empty lists, untitled, not modified.
    void Clear();
    // FileName, or "(Untitled)" for an untitled book.
    std::string GetFileName() const;
    int32_t TotalCount() const;

    // Replaces the book by the contents of an anniversary file. Never fails: a
    // missing or unreadable file gives an empty book titled with that name.
    void LoadFromFile(const std::string& Name);
    // Writes the book into the file named by FileName, keeping the file's other
    // sections, and clears Modified. The file is replaced atomically: when the
    // save fails (EIniFileException), the file is as it was and Modified stays.
    void SaveToFile();

    // A random five-character item key of upper-case hexadecimal digits.
    static std::string NewItemKey();
    // An item key that no month entry and no section of the file named by
    // FileName holds at the moment of the call.
    std::string UniqueItemKey() const;

private:
    static void EraseBook(TIniDocument& Document);
    void WriteBook(const TIniDocument& Kept, std::string& Out) const;
};

// The one anniversary book, created and freed by the main window.
extern TEventsList* EventsList;
