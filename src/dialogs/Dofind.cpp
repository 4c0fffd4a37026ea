// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Dofind.h"

int SearchMonth = 1;
TEventItem* SearchItem = nullptr;

void ResetSearchPosition(int Month)
{
    SearchMonth = Month;
    SearchItem = nullptr;
}
