#!/usr/bin/env bash
# With "Lan"=CHS in str.ini the icon's menu item reads "退出".
source "$(dirname "$0")/lib.sh" "$1"

prepare_program
write_settings "Lan=CHS"
WINEDEBUG=trace+menu start_program
wait_for_main_window

driver tray right-up
driver menu-shown >/dev/null || fail "the notification menu did not open"
screenshot menu
# 退出 is U+9000 U+51FA; Wine's trace writes non-ASCII characters as \XXXX.
grep -q 'InsertMenuW .*id 0404, str L"\\9000\\51fa"' "$work_dir/program-0.log" ||
    fail "the menu item is not \"退出\""

driver menu-choose 2
wait_for_exit "$program_pid"
[ "$exit_code" -eq 0 ] || fail "Exit ended the program with code $exit_code"
echo "PASS [$scenario]"
