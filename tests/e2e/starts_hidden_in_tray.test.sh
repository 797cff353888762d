#!/usr/bin/env bash
# After start-up only the notification icon shows: the main window exists (class "Z9GMClass"), is
# sized to the skin's main.png and is hidden although its template is visible.
source "$(dirname "$0")/lib.sh" "$1"

prepare_program
write_settings
start_program
wait_for_main_window
driver hidden >/dev/null || fail "the main window is visible after start-up"
driver icon-present "$main_window" >/dev/null || fail "the notification icon is missing"
screenshot started
exit_through_menu
echo "PASS [$scenario]"
