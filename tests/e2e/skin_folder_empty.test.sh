#!/usr/bin/env bash
# An empty Skins folder: the program says which folder holds no complete skin, naming its full path,
# and the window opened from the icon lies whole on the screen.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
rm -rf "${program_dir:?}/Skins"/*
write_page_settings Graphite EN
skins_folder=$(winepath -w "$program_dir/Skins")
app_title=${exe_name%.exe}

start_program
wait_for_main_window
message=$(driver message-box "$app_title" | tr -d '\r') || fail "no message about the missing skin"
[ "$message" = "No complete skin was found in this folder:
$skins_folder" ] || fail "the start-up message says '$message'"

driver tray left-up
driver visible >/dev/null || fail "a click on the icon did not show the main window"
driver settled >/dev/null
screenshot opened
read -r screen_width screen_height <<<"$(xdotool getdisplaygeometry)"
read -r left top right bottom <<<"$(driver rect | tr -d '\r')"
[ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le "$screen_width" ] && [ "$bottom" -le "$screen_height" ] ||
    fail "the window ($left $top $right $bottom) does not fit the $screen_width x $screen_height screen"
[ $((right - left)) -ge 400 ] && [ $((bottom - top)) -ge 300 ] ||
    fail "the window shrank to $((right - left)) x $((bottom - top))"

exit_through_menu
echo "PASS [$scenario]"
