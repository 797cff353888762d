#!/usr/bin/env bash
# The emulated build finds its mouse at start-up: no "not detected" balloon, and a click on the icon
# shows the window. The connection exchange of the first page build reaches the mouse (wire trace).
source "$(dirname "$0")/lib.sh" "$1"

prepare_program emulated
write_settings
start_program
wait_for_main_window
driver no-balloon "did not detect" 3000 >/dev/null || fail "the mouse was reported missing at start-up"
driver hidden >/dev/null || fail "the main window is visible after start-up"

driver tray left-up
driver visible >/dev/null || fail "a click on the icon did not show the window"
driver settled >/dev/null
screenshot shown
grep -q '^set-feature 00 83 ' "$program_dir/wire-trace.log" ||
    fail "the sensor settings were not read from the mouse (no 83h command in the wire trace)"
exit_through_menu
echo "PASS [$scenario]"
