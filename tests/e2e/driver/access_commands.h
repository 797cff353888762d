#pragma once

#include <optional>
#include <string>
#include <vector>

// The driver's screen-reader commands: a small Microsoft Active Accessibility client on the main
// window (or, with "dialog ID", on the program's dialog holding control ID), as a reader sees it
// through AccessibleObjectFromWindow and AccessibleChildren:
//   acc-tree [dialog ID]      prints one line per child: its role and state numbers in hex, its
//                             name and its value, separated by tabs (UTF-8);
//   acc-focus [dialog ID]     prints the name of the child accFocus names;
//   acc-do N [dialog ID]      runs the default action of child N (1-based).
// Returns nothing when `args` is not one of them, else the exit code (0 passed, 1 failed, 2 usage).
std::optional<int> runAccessCommand(const std::vector<std::wstring>& args);
