#!/usr/bin/env bash
# A config.bin cut short is not sent to the mouse: the program starts from the factory configuration,
# Apply sends and saves that, and the unusable file is kept as config.bin.bad.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
config=$program_dir/config.bin
factory=$work_dir/factory/config.bin
head -c 1000 "$factory" >"$work_dir/cut.bin"
cp "$work_dir/cut.bin" "$config"
open_main_window

apply_and_wait
driver visible >/dev/null || fail "Apply hid the window"
screenshot applied

cmp -s "$work_dir/cut.bin" "$config.bad" || fail "the cut config.bin was not kept as config.bin.bad"
[ "$(stat -c %s "$config")" = 1986 ] || fail "config.bin has $(stat -c %s "$config") bytes"
wait_for_output "the first byte of config.bin after Apply" 30 1 first_run_flag
# The factory record went to the mouse and into the file: report rate code 1 (1000 Hz) first, all
# four DPI stages on, the default buttons.
first_command=$(first_command_from "$trace_start")
[ "$first_command" = "00 01 01 00" ] || fail "Apply began with $first_command"
stages=$(od -An -tu1 -j $((1 + 0x078B)) -N4 "$config" | xargs)
[ "$stages" = "1 1 1 1" ] || fail "config.bin holds DPI stages '$stages'"
buttons=$(od -An -tu1 -j 1 -N7 "$config" | xargs)
[ "$buttons" = "0 1 2 3 4 6 6" ] || fail "config.bin holds button functions '$buttons'"

exit_through_menu
echo "PASS [$scenario]"
