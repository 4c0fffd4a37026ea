// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search through the anniversary book: month by month from a remembered
// position to the end of December, testing each anniversary's text.

#include <string>

class TEventItem;

// Where a search goes on: the month (13 once the search has passed December),
// and the anniversary last examined there (nullptr for the start of the month).
extern int SearchMonth;
extern TEventItem* SearchItem;

// What to look for, as the find dialog holds it.
struct TSearchCriteria {
    std::string Text;  // blanks included: they are part of what must match
    bool MatchCase = false;
    bool WholeWords = false;
};

// Moves the search position to the start of Month.
void ResetSearchPosition(int Month);

// The 1-based position of the first occurrence of the find text in Text, or 0
// when there is none, the find text is empty, or (for whole words) a letter
// A-Z or a-z touches that first occurrence. Without MatchCase only a-z fold.
int MatchPosition(const std::string& Text, const TSearchCriteria& Criteria);
// Finds the next match after the search position and moves the position to it.
bool FindNextEvent(const TSearchCriteria& Criteria);
// Starts again at January and finds the first match.
bool FindFirstEvent(const TSearchCriteria& Criteria);
