#!/usr/bin/env bash
# Both pages in Simplified Chinese ("Lan" = CHS): the language's labels are stored at the first
# build and the pages are drawn with the Chinese fonts. Screenshots of both pages.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

[ -f "$build_dir/emulated/$exe_name" ] || { echo "SKIP [$scenario]: no emulated build"; exit 77; }
prepare_page_program
write_page_settings Crimson CHS
open_main_window
screenshot basic-chs

labels=$(settings_text | sed -n '/^\[Setting-CHS\]/,/^\[/p')
grep -qx 'Item1=左键' <<<"$labels" || fail "str.ini lacks the Chinese label of button 1: $labels"
grep -qx 'Item5=后退方向键' <<<"$labels" || fail "str.ini lacks the Chinese label of button 5: $labels"

driver click "${advanced_page_button[@]}"
sleep 1
screenshot advanced-chs

exit_through_menu
echo "PASS [$scenario]"
