#pragma once

#include <optional>
#include <string>
#include <vector>

// The driver's commands for the macro group of the Advanced Settings page:
//   main-text [ID]   prints the text of the main window (its title) or of its child control ID, as
//                    the window itself holds it (UTF-8), e.g. what an edit shows.
// Returns nothing when `args` is not one of them, else the exit code (0 passed, 1 failed, 2 usage).
std::optional<int> runMacroCommand(const std::vector<std::wstring>& args);
