#!/usr/bin/env bash
# Without the mouse a click on the icon only shows the "mouse not detected" balloon: the window stays
# hidden. Moving over the icon or pressing the button down does nothing either.
source "$(dirname "$0")/lib.sh" "$1"

prepare_program
write_settings
start_program
wait_for_main_window

for message in move left-down left-up left-double; do
    # The driver returns once the program handled the message, so a hidden window stays hidden.
    driver tray "$message"
    driver hidden >/dev/null || fail "the window opened on $message without the mouse"
done
screenshot after-click
exit_through_menu
echo "PASS [$scenario]"
