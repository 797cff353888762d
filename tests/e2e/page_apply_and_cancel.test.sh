#!/usr/bin/env bash
# Apply sends the whole configuration to the (emulated) mouse and saves config.bin; Cancel throws
# the edits since away, and the window opened again shows the applied values.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
report_rate=$((0x0785))
config=$program_dir/config.bin
[ "$(first_run_flag)" = 0 ] || fail "the factory config.bin is not a first run"
open_main_window

# 125 Hz by a click, then Apply.
dark_segment=$(pixel_at "${rate_250[@]}")
driver click "${rate_125[@]}"
expect_pixel_not "${rate_125[@]}" "$dark_segment" "the 125 segment did not light up"
lit_segment=$(pixel_at "${rate_125[@]}")
apply_and_wait
driver visible >/dev/null || fail "Apply hid the window"
wait_for_output "the first byte of config.bin after Apply" 30 1 first_run_flag
[ "$(stat -c %s "$config")" = 1986 ] || fail "config.bin has $(stat -c %s "$config") bytes"
wait_for_output "the report rate in config.bin (125 Hz is code 8)" 30 8 config_byte "$config" $report_rate
# The whole apply sequence: forty commands, seventeen replies, fifty-nine data chunks.
[ "$(trace_count 'set-feature ' $trace_start)" = 40 ] || fail "Apply sent $(trace_count 'set-feature ' $trace_start) commands"
[ "$(trace_count 'get-feature ' $trace_start)" = 17 ] || fail "Apply read $(trace_count 'get-feature ' $trace_start) replies"
[ "$(trace_count 'write ' $trace_start)" = 59 ] || fail "Apply wrote $(trace_count 'write ' $trace_start) chunks"
# The report rate goes first: command 01h with the interval code.
first_command=$(first_command_from "$trace_start")
[ "$first_command" = "00 01 08 00" ] || fail "Apply began with $first_command"

# 250 Hz by a click, then Cancel: the window hides and the record goes back to 125 Hz.
driver click "${rate_250[@]}"
expect_pixel "${rate_250[@]}" "$lit_segment" "the 250 segment did not light up"
screenshot before-cancel
driver click "${cancel_button[@]}"
driver hidden >/dev/null || fail "Cancel did not hide the window"
reopen_main_window
screenshot reopened
expect_pixel "${rate_125[@]}" "$lit_segment" "the reopened page does not show 125 Hz"
expect_pixel "${rate_250[@]}" "$dark_segment" "the reopened page still shows 250 Hz"
# What the record holds after Cancel is what the next Apply saves and sends.
apply_and_wait
wait_for_output "the report rate in config.bin after Cancel and Apply" 30 8 config_byte "$config" $report_rate
first_command=$(first_command_from "$trace_start")
[ "$first_command" = "00 01 08 00" ] || fail "the Apply after Cancel sent $first_command"

# OK applies too and hides the window.
driver click "${rate_250[@]}"
driver click "${ok_button[@]}"
driver hidden >/dev/null || fail "OK did not hide the window"
wait_for_output "the report rate OK saved (250 Hz is code 4)" 30 4 config_byte "$config" $report_rate

exit_through_menu
echo "PASS [$scenario]"
