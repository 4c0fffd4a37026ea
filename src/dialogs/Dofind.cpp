// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Dofind.h"

#include "data/Evntlist.h"
#include "data/Pstrutil.h"

int SearchMonth = 1;
TEventItem* SearchItem = nullptr;

namespace {

bool IsWordLetter(char Ch)
{
    return (Ch >= 'A' && Ch <= 'Z') || (Ch >= 'a' && Ch <= 'z');
}

}  // namespace

void ResetSearchPosition(int Month)
{
    SearchMonth = Month;
    SearchItem = nullptr;
}

int MatchPosition(const std::string& Text, const TSearchCriteria& Criteria)
{
    const std::string& Find = Criteria.Text;
    if (Find.empty()) return 0;
    const size_t At = Criteria.MatchCase ? Text.find(Find) : UpperCase(Text).find(UpperCase(Find));
    if (At == std::string::npos) return 0;
    // Only the first occurrence is judged; a later one is not tried.
    if (Criteria.WholeWords) {
        const size_t End = At + Find.size();
        if (At > 0 && IsWordLetter(Text[At - 1])) return 0;
        if (End < Text.size() && IsWordLetter(Text[End])) return 0;
    }
    return static_cast<int>(At) + 1;
}

bool FindNextEvent(const TSearchCriteria& Criteria)
{
    bool Found = false;
    while (SearchMonth <= 12 && !Found) {
        const TMyLinkList& List = *EventsList->Months[SearchMonth];
        TListNode* Cursor = SearchItem;
        if (!Cursor) List.Rewind(Cursor);
        while (!Found && List.GetNext(Cursor))
            Found = MatchPosition(static_cast<TEventItem*>(Cursor)->EventText, Criteria) > 0;
        if (Found)
            SearchItem = static_cast<TEventItem*>(Cursor);
        else
            ResetSearchPosition(SearchMonth + 1);
    }
    return Found;
}

bool FindFirstEvent(const TSearchCriteria& Criteria)
{
    ResetSearchPosition(1);
    return FindNextEvent(Criteria);
}
