// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program entry: creates the windows in their order and runs the event
// loop until the main window has closed.

int RunProgram(int Argc, char** Argv);
