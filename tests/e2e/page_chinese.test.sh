#!/usr/bin/env bash
# Both pages in Simplified Chinese ("Lan" = CHS): the language's labels are stored at the first
# build and the pages are drawn with the Chinese fonts. Screenshots of both pages; the close button
# ends the program.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Crimson CHS
open_main_window
screenshot basic-chs

labels=$(settings_text | sed -n '/^\[Setting-CHS\]/,/^\[/p')
grep -qx 'Item1=左键' <<<"$labels" || fail "str.ini lacks the Chinese label of button 1: $labels"
grep -qx 'Item5=后退方向键' <<<"$labels" || fail "str.ini lacks the Chinese label of button 5: $labels"

click_and_settle "${advanced_page_button[@]}"
screenshot advanced-chs

# The skin's close button ends the program as the icon menu's Exit does.
driver click "${close_button[@]}"
wait_for_exit "$program_pid"
[ "$exit_code" -eq 0 ] || fail "the close button ended the program with code $exit_code"
echo "PASS [$scenario]"
