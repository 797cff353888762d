#pragma once

#include <optional>
#include <string>
#include <vector>

// The driver's commands for the Profiles dialog and the switch by the program in front:
//   profiles-click X Y          a click at client point (X, Y) of the Profiles dialog
//   profiles-type ID TEXT       the dialog's field ID holds TEXT, as if typed
//   profiles-items ID           prints the items of the dialog's list ID, one a line (UTF-8)
//   profiles-select ID ITEM     selects item ITEM (from 0) of the dialog's list ID, as a click does
//   file-dialog PATH            types PATH into the file name field of the program's open or save
//                               dialog and presses its OK button
//   front-window                opens a plain window titled with this executable's file name, brings
//                               it to the front and runs until it is closed
//   front-window-close NAME     closes the front window whose executable is NAME
// Returns nothing when `args` is not one of them, else the exit code (0 passed, 1 failed, 2 usage).
std::optional<int> runProfileCommand(const std::vector<std::wstring>& args);
