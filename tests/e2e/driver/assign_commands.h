#pragma once

#include <optional>
#include <string>
#include <vector>

// The driver's commands for the button assignments: the function lists of the main window and the
// function dialogs, each dialog found by a control it holds (502 single key, 512 combo key, 572 fire
// key, 552 multimedia, 532 Windows function, 600 delay time).
//   control-shown ID         waits for the main window's child control ID to be shown;
//   control-gone ID          waits until the main window has no shown child control ID;
//   dialog-shown ID          waits for the dialog holding control ID and prints the screen point of
//                            its client origin and its client size: x y width height;
//   dialog-gone ID           waits until no dialog holds control ID any more;
//   dialog-text ID           prints the text of control ID in its dialog (UTF-8);
//   dialog-enabled ID        prints whether control ID of its dialog is enabled;
//   dialog-item-point ID ITEM  prints the screen point of item ITEM (0-based) of list ID in its
//                            dialog, for a click with the real pointer; fails while the item is
//                            scrolled out of view;
//   message-box CAPTION      waits for the program's message box with that caption, prints its
//                            text (UTF-8) and closes it with its OK button.
// Returns nothing when `args` is not one of them, else the exit code (0 passed, 1 failed, 2 usage).
std::optional<int> runAssignCommand(const std::vector<std::wstring>& args);
