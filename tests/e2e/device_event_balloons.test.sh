#!/usr/bin/env bash
# Events the mouse sends travel through the event reader to the notification balloons, also when
# the mouse was plugged in only after start-up (the reader was parked until then).
source "$(dirname "$0")/lib.sh" "$1"

prepare_program emulated
write_settings
export GM_EMULATOR_UNPLUGGED=1
start_program
unset GM_EMULATOR_UNPLUGGED
wait_for_main_window
driver balloon "did not detect" 30000 >/dev/null || fail "no \"not detected\" balloon at start-up without the mouse"

driver emulator plug 1 >/dev/null || fail "the emulator control window did not take the plug-in"
driver balloon "The system detect the gaming mouse." 30000 >/dev/null || fail "no \"detect\" balloon after plugging in"

driver emulator event 5 1 >/dev/null
driver balloon "Switch report rate into 1000HZ" 30000 >/dev/null || fail "no balloon for the report rate event"
screenshot report-rate
driver emulator event 9 12 >/dev/null
driver balloon "Switch to macro key12" 30000 >/dev/null || fail "no balloon for the macro key event"
driver emulator event 7 3 >/dev/null
driver balloon "Switch DPI into the third stage " 30000 >/dev/null || fail "no balloon for the DPI stage event"
screenshot dpi-stage
exit_through_menu
echo "PASS [$scenario]"
