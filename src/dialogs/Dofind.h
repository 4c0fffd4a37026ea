// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a search goes on: the month, and the anniversary last examined there
// (nullptr for the start of the month).

class TEventItem;

extern int SearchMonth;
extern TEventItem* SearchItem;

// Moves the search position to the start of Month.
void ResetSearchPosition(int Month);
