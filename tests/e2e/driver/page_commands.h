#pragma once

#include <optional>
#include <string>
#include <vector>

// The driver's commands for the main window's pages and the skins dialog (client coordinates):
//   click X Y            a left click on the main window, waited for until handled;
//   move X Y             the real pointer moves to the spot (the window learns of it a moment later);
//   pixel X Y            prints the colour shown at the spot as rrggbb;
//   settled              waits until the window handled what it was sent and its picture on the
//                        screen stopped changing;
//   dragging             waits until the window follows the pointer (the system's move loop runs);
//   rect                 prints the main window's screen rectangle: left top right bottom;
//   skins-shown          waits for the skins dialog and prints its handle;
//   skins-click X Y      a left click on the skins dialog;
//   skins-pick NAME      picks the skin NAME in the skins dialog's open skin list;
//   colour-choose R G B  waits for the colour chooser, enters the colour and confirms it.
// Returns nothing when `args` is not one of them, else the exit code (0 passed, 1 failed, 2 usage).
std::optional<int> runPageCommand(const std::vector<std::wstring>& args);
