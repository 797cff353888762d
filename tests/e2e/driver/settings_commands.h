#pragma once

#include <optional>
#include <string>
#include <vector>

// The driver's commands for the settings groups of the main window's pages:
//   pointer-settings     prints the system's pointer settings as any program sees them:
//                        "precision P speed S wheel W double-click D" (W is 4294967295 for one
//                        screen per notch);
//   list-items ID        prints the items of the main window's shown list box ID, one a line;
//   list-choose ID ITEM  clicks item ITEM (0-based) of that list box, scrolled into view first;
//   list-item-point ID ITEM  prints the centre of that item in the main window's client pixels
//                        (scrolled into view first), for a click with the real pointer;
//   control-text ID      prints the text of the main window's control ID.
// Texts are printed as UTF-8. Returns nothing when `args` is not one of them, else the exit code
// (0 passed, 1 failed, 2 usage).
std::optional<int> runSettingsCommand(const std::vector<std::wstring>& args);
