#pragma once

#include <optional>
#include <string>
#include <vector>

// The driver's commands for the emulated mouse and the notification balloons:
//   emulator plug SENSOR | emulator unplug | emulator event CODE VALUE
//       sends the emulated build's control window the matching message and waits until it is handled;
//   balloon TEXT [TIMEOUT-MS]
//       waits until a shown notification balloon contains TEXT and prints it;
//   no-balloon TEXT [WATCH-MS]
//       passes when no shown balloon contains TEXT during the whole watch.
//   notice CAPTION [TIMEOUT-MS]
//       waits until the program shows a message box with that caption and prints its text (the box
//       stays open; message-box CAPTION closes it);
//   no-notice CAPTION [WATCH-MS]
//       passes when no such message box appears during the whole watch.
// Returns nothing when `args` is not one of them, else the exit code (0 passed, 1 failed, 2 usage).
std::optional<int> runDeviceCommand(const std::vector<std::wstring>& args);
