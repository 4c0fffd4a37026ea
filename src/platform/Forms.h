// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every form of the program shares.

class QWidget;

// Places Form in the middle of the screen it is on.
void CentreOnScreen(QWidget* Form);
