#!/usr/bin/env bash
# With the (emulated) mouse present a click on the icon shows the window; Escape, Enter and closing
# it only hide it again, and the icon brings it back each time.
source "$(dirname "$0")/lib.sh" "$1"

require_emulated_build
prepare_program emulated
write_settings
start_program
wait_for_main_window
driver hidden >/dev/null || fail "the main window is visible after start-up"

for way_out in "key 0x1B" "key 0x0D" "close"; do
    driver tray left-up
    driver visible >/dev/null || fail "a click on the icon did not show the window"
    [ "$way_out" = "close" ] && screenshot shown
    driver $way_out
    driver hidden >/dev/null || fail "the window did not hide on $way_out"
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended on $way_out"
done
exit_through_menu
echo "PASS [$scenario]"
