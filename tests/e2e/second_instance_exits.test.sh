#!/usr/bin/env bash
# Starting the program while it runs ends the new process at once with code 0; the first instance
# keeps its window and icon.
source "$(dirname "$0")/lib.sh" "$1"

prepare_program
write_settings
start_program
first_pid=$program_pid
wait_for_main_window
first_window=$main_window

start_program
wait_for_exit "$program_pid" 30
[ "$exit_code" -eq 0 ] || fail "the second instance ended with code $exit_code"

kill -0 "$first_pid" 2>/dev/null || fail "the first instance ended too"
[ "$(driver find)" = "$first_window" ] || fail "the main window changed"
driver hidden >/dev/null || fail "the first instance was brought forward"
driver icon-present "$first_window" >/dev/null || fail "the first instance lost its icon"

program_pid=$first_pid
exit_through_menu
echo "PASS [$scenario]"
