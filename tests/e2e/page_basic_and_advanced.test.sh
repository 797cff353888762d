#!/usr/bin/env bash
# The main window opened from the icon shows the Basic Settings page; the page buttons switch
# between the pages; a button under the pointer lights up and its group goes back to normal; a press
# on an empty spot moves the window with the pointer; minimising hides it. Screenshots of both pages
# in English.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
open_main_window
screenshot basic-en

# The first build after a first run stores the default labels of both key modes.
labels=$(settings_text | sed -n '/^\[Setting-EN\]/,/^\[/p')
grep -qx 'Item1=Left Click' <<<"$labels" || fail "str.ini lacks the default label of button 1: $labels"
grep -qx 'Item63=DPI +' <<<"$labels" || fail "str.ini lacks the mode B label of button 6: $labels"

# Hover: OK lights up; moving straight onto Apply lights Apply and puts OK back; an empty spot puts
# everything back. The spot checked is on the buttons' images, clear of their captions.
ok_spot=(570 630)
apply_spot=(674 630)
ok_normal=$(pixel_at "${ok_spot[@]}")
apply_normal=$(pixel_at "${apply_spot[@]}")
driver hover "${ok_spot[@]}"
ok_over=$(pixel_at "${ok_spot[@]}")
[ "$ok_over" != "$ok_normal" ] || fail "OK does not light up under the pointer ($ok_over)"
screenshot hover-ok
driver hover "${apply_spot[@]}"
[ "$(pixel_at "${apply_spot[@]}")" = "$ok_over" ] || fail "Apply does not light up like OK did"
[ "$(pixel_at "${ok_spot[@]}")" = "$ok_normal" ] || fail "OK stays lit after the pointer moved onto Apply"
driver move "${empty_spot[@]}"
[ "$(pixel_at "${apply_spot[@]}")" = "$apply_normal" ] || fail "Apply stays lit over an empty spot"

# Page switch: the Advanced page has its macro lists (on their near-black brush), the Basic page
# has the DPI panel in their place.
event_list_spot=(600 300)
basic_pixel=$(pixel_at "${event_list_spot[@]}")
driver click "${advanced_page_button[@]}"
sleep 1
screenshot advanced-en
[ "$(pixel_at "${event_list_spot[@]}")" = 0e0f0e ] || fail "the Advanced page shows no event list"
driver click "${advanced_page_button[@]}"
driver click "${basic_page_button[@]}"
sleep 1
[ "$(pixel_at "${event_list_spot[@]}")" = "$basic_pixel" ] || fail "the Basic page did not come back"

# A press on an empty spot moves the window with the pointer.
read -r left top _ <<<"$(driver rect | tr -d '\r')"
xdotool mousemove $((left + empty_spot[0])) $((top + empty_spot[1])) mousedown 1
sleep 0.5
xdotool mousemove $((left + empty_spot[0] + 40)) $((top + empty_spot[1] + 30))
sleep 0.5
xdotool mousemove $((left + empty_spot[0] + 80)) $((top + empty_spot[1] + 60)) mouseup 1
sleep 1
read -r moved_left moved_top _ <<<"$(driver rect | tr -d '\r')"
[ "$moved_left" -eq $((left + 80)) ] && [ "$moved_top" -eq $((top + 60)) ] ||
    fail "dragging the empty spot moved the window from $left,$top to $moved_left,$moved_top"
screenshot moved

# The minimise button only hides the window; the icon brings it back.
driver click "${minimise_button[@]}"
driver hidden >/dev/null || fail "the minimise button did not hide the window"
kill -0 "$program_pid" 2>/dev/null || fail "the minimise button ended the program"
driver tray left-up
driver visible >/dev/null || fail "the window did not open again after minimising"

exit_through_menu
echo "PASS [$scenario]"
