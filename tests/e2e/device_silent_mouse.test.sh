#!/usr/bin/env bash
# A mouse that stops sending (the emulator's silent fault): Apply ends, a notice says that the mouse
# did not confirm the settings, config.bin is saved, the whole configuration but what could not be
# read is still sent, and the window goes on working. (That Apply waits for one read time-out, not
# one per read, the native tests of the transport measure with a recording pacer.)
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
config=$program_dir/config.bin
export GM_EMULATOR_FAULTS=silent=1
open_main_window
unset GM_EMULATOR_FAULTS

trace_start=$(trace_end)
driver click "${rate_125[@]}"
driver click "${apply_button[@]}"
driver message-box "Settings not confirmed" >/dev/null || fail "no notice that the mouse did not confirm Apply"
driver visible >/dev/null || fail "Apply hid the window"
wait_for_output "the first byte of config.bin after Apply" 30 1 first_run_flag
wait_for_output "the report rate in config.bin (125 Hz is code 8)" 30 8 config_byte "$config" $((0x0785))
[ "$(trace_count 'read failed' $trace_start)" = 14 ] || fail "$(trace_count 'read failed' $trace_start) reads failed, not 14"
# Everything but colour block 0, which could not be read and so is not sent back.
[ "$(trace_count 'set-feature 00' $trace_start)" = 39 ] || fail "Apply sent $(trace_count 'set-feature 00' $trace_start) commands"
[ "$(trace_count 'write 00' $trace_start)" = 58 ] || fail "Apply wrote $(trace_count 'write 00' $trace_start) chunks"

# The window still takes clicks: 250 Hz lights up.
dark_segment=$(pixel_at "${rate_250[@]}")
driver click "${rate_250[@]}"
expect_pixel_not "${rate_250[@]}" "$dark_segment" "the window no longer takes clicks"
screenshot after-apply
exit_through_menu
echo "PASS [$scenario]"
