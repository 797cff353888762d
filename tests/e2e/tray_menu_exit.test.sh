#!/usr/bin/env bash
# The icon's right-click menu has one item, "Exit" in English when str.ini is missing; choosing it
# removes the icon and ends the program with code 0.
source "$(dirname "$0")/lib.sh" "$1"

prepare_program
WINEDEBUG=trace+menu start_program
wait_for_main_window

driver tray right-up
driver menu-shown >/dev/null || fail "the notification menu did not open"
screenshot menu
menu_log="$work_dir/program-0.log"
# The Exit command is 1028 (0x404); the trace lists the text the menu was given.
grep -q 'InsertMenuW .*id 0404, str L"Exit"' "$menu_log" || fail "the menu item is not \"Exit\""
[ "$(grep -c 'InsertMenuW hMenu.*id 0404' "$menu_log")" -eq 1 ] || fail "the menu does not have exactly one Exit item"

driver menu-choose 2
wait_for_exit "$program_pid"
[ "$exit_code" -eq 0 ] || fail "Exit ended the program with code $exit_code"
driver icon-absent "$main_window" >/dev/null || fail "the notification icon stayed"
echo "PASS [$scenario]"
