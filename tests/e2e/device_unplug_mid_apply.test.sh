#!/usr/bin/env bash
# The mouse goes away in the middle of Apply (the emulator's unplug-after fault): every later report
# of Apply fails at once, config.bin is saved, the removal then hides the window with the "not
# detected" balloon, and a notice says that the mouse did not take the settings. The program keeps
# running and ends normally from its menu.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
config=$program_dir/config.bin
# The connection exchange at start-up takes three reports; the mouse goes thirty reports into Apply.
export GM_EMULATOR_FAULTS=unplug-after=33
open_main_window
unset GM_EMULATOR_FAULTS
[ "$(trace_count 'set-feature 00 83' 1)" = 1 ] || fail "no connection exchange at start-up"

trace_start=$(trace_end)
driver click "${rate_125[@]}"
driver click "${apply_button[@]}"
wait_for_output "the first byte of config.bin after Apply" 30 1 first_run_flag
wait_for_output "the report rate in config.bin (125 Hz is code 8)" 30 8 config_byte "$config" $((0x0785))
# Thirty reports went through, then every report of the rest of Apply failed at once.
delivered=$(awk -v start="$trace_start" 'NR >= start && !/^sleep/ && !/failed$/' "$program_dir/wire-trace.log" | wc -l)
[ "$delivered" = 30 ] || fail "$delivered reports reached the mouse before it went, not 30"
late=$(awk -v start="$trace_start" 'NR >= start && !/^sleep/ {if (/failed$/) gone = 1; else if (gone) print}' \
    "$program_dir/wire-trace.log")
[ -z "$late" ] || fail "reports went through after the mouse was gone: $late"

driver balloon "The system did not detect the gaming mouse!" 30000 >/dev/null ||
    fail "no \"not detected\" balloon after the mouse went away"
driver hidden >/dev/null || fail "the window stayed open without the mouse"
driver message-box "Settings not confirmed" >/dev/null || fail "no notice that the mouse did not take the settings"
screenshot unplugged
exit_through_menu
echo "PASS [$scenario]"
