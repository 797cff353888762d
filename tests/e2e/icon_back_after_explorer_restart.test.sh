#!/usr/bin/env bash
# When Explorer restarts it forgets every notification icon and broadcasts "TaskbarCreated"; the
# program then adds its icon again.
source "$(dirname "$0")/lib.sh" "$1"

prepare_program
write_settings
start_program
wait_for_main_window

driver forget-icon >/dev/null || fail "the notification icon was not there to forget"
driver icon-absent "$main_window" >/dev/null || fail "the notification icon could not be removed"
driver taskbar-created
driver icon-present "$main_window" >/dev/null || fail "the icon did not come back after TaskbarCreated"
exit_through_menu
echo "PASS [$scenario]"
