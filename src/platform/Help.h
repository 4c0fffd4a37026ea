// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help topics are addressed by context numbers. Windows, controls, menus and
// menu entries carry theirs; an element without a number of its own takes
// that of the nearest enclosing element that has one.

class QObject;

namespace help {

enum TContext : int {
    NoContext = 0,
    FirstRun = 1,
    FileMenu = 4,
    SearchMenu = 12,
    AnniversaryMenu = 13,
    OptionsMenu = 14,
    HelpMenu = 15,
    MainWindow = 34,
    PrintAnniversaries = 37,
    FindDialog = 38,
    AddAnniversary = 39,
    EditAnniversary = 40,
    ReminderOptions = 41,
    ForthcomingAnniversaries = 49,
};

void SetHelpContext(QObject* Object, int Context);
// The element's own number, else the nearest enclosing one's; NoContext for none.
int HelpContext(const QObject* Object);

}  // namespace help
