#!/usr/bin/env bash
# Enter and Escape from the real keyboard still hide the window after a page switch, which destroys
# the page's controls and with them the one that had the keyboard: from the Basic page to the
# Advanced page, and back from the Advanced page with the keyboard in its macro name edit.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"
source "$(dirname "$0")/assign_helpers.bash"
source "$(dirname "$0")/macro_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
open_main_window

# Keys go to the window under the pointer (no window manager): every click here leaves it there.
real_click "${advanced_page_button[@]}"
wait_for "the Advanced page built" 30 driver control-shown $macro_name_edit
press Escape
driver hidden >/dev/null || fail "Escape did not hide the window after the switch to the Advanced page"

reopen_main_window
real_click "${name_edit_spot[@]}"
xdotool type x
wait_for_output "the macro name edit taking the keyboard" 30 x main_text $macro_name_edit
real_click "${basic_page_button[@]}"
wait_for "the Basic page built" 30 driver control-text 80
press Return
driver hidden >/dev/null || fail "Enter did not hide the window after the switch from the edit to the Basic page"

exit_through_menu
echo "PASS [$scenario]"
