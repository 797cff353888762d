#!/usr/bin/env bash
# Unplugging the emulated mouse gives the "not detected" balloon and keeps the window hidden on a
# click; plugging it in again gives the "detect" balloon, reads the new sensor type from the mouse
# and lets a click open the window.
source "$(dirname "$0")/lib.sh" "$1"

prepare_program emulated
write_settings
start_program
wait_for_main_window

driver emulator unplug >/dev/null || fail "the emulator control window did not take the unplug"
driver balloon "The system did not detect the gaming mouse!" 30000 >/dev/null ||
    fail "no \"not detected\" balloon after unplugging"
screenshot unplugged
driver tray left-up
driver hidden >/dev/null || fail "the window opened without the mouse"

: >"$program_dir/wire-trace.log"
driver emulator plug 2 >/dev/null || fail "the emulator control window did not take the plug-in"
driver balloon "The system detect the gaming mouse." 30000 >/dev/null || fail "no \"detect\" balloon after plugging in"
screenshot plugged
wait_for "the arrival reads the sensor type 2 of the mouse" 30 grep -q '^get-feature 00 83 02 ' "$program_dir/wire-trace.log"
wait_for "the arrival writes the sensor settings back" 30 grep -q '^set-feature 00 03 02 ' "$program_dir/wire-trace.log"
driver tray left-up
driver visible >/dev/null || fail "a click on the icon did not show the window after plugging in"
exit_through_menu
echo "PASS [$scenario]"
