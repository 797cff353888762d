#!/usr/bin/env bash
# A mouse that stops sending (the emulator's silent fault) holds Apply for one read time-out, not
# one per read: the window answers again at once, says that the mouse did not confirm the
# settings, config.bin is saved, the configuration is still sent, and the window goes on working.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
config=$program_dir/config.bin
export GM_EMULATOR_FAULTS=silent=1
open_main_window
unset GM_EMULATOR_FAULTS

trace_start=$(($(wc -l <"$program_dir/wire-trace.log") + 1))
driver click "${rate_125[@]}"
# Fourteen reads at 250 ms each would hold the window for 3.5 s.
driver click-within "${apply_button[@]}" 2500 || fail "the window stayed frozen after Apply"
driver message-box "Settings not confirmed" >/dev/null || fail "no notice that the mouse did not confirm Apply"
driver visible >/dev/null || fail "Apply hid the window"
[ "$(od -An -tu1 -N1 "$config" | tr -d ' ')" = 1 ] || fail "Apply did not save config.bin"
[ "$(config_byte "$config" $((0x0785)))" = 8 ] || fail "config.bin does not hold 125 Hz (code 8)"
[ "$(trace_count 'read failed' $trace_start)" = 14 ] || fail "$(trace_count 'read failed' $trace_start) reads failed, not 14"
# Everything but colour block 0, which could not be read and so is not sent back.
[ "$(trace_count 'set-feature 00' $trace_start)" = 39 ] || fail "Apply sent $(trace_count 'set-feature 00' $trace_start) commands"
[ "$(trace_count 'write 00' $trace_start)" = 58 ] || fail "Apply wrote $(trace_count 'write 00' $trace_start) chunks"

# The window still takes clicks: 250 Hz lights up.
dark_segment=$(pixel_at "${rate_250[@]}")
driver click "${rate_250[@]}"
[ "$(pixel_at "${rate_250[@]}")" != "$dark_segment" ] || fail "the window no longer takes clicks"
screenshot after-apply
exit_through_menu
echo "PASS [$scenario]"
