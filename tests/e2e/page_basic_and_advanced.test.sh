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
driver move "${ok_spot[@]}"
expect_pixel_not "${ok_spot[@]}" "$ok_normal" "OK does not light up under the pointer"
ok_over=$(pixel_at "${ok_spot[@]}")
screenshot hover-ok
driver move "${apply_spot[@]}"
expect_pixel "${apply_spot[@]}" "$ok_over" "Apply does not light up like OK did"
expect_pixel "${ok_spot[@]}" "$ok_normal" "OK stays lit after the pointer moved onto Apply"
driver move "${empty_spot[@]}"
expect_pixel "${apply_spot[@]}" "$apply_normal" "Apply stays lit over an empty spot"

# Page switch: the Advanced page has its macro lists (on their near-black brush), the Basic page
# has the DPI panel in their place.
event_list_spot=(600 300)
basic_pixel=$(pixel_at "${event_list_spot[@]}")
driver click "${advanced_page_button[@]}"
expect_pixel "${event_list_spot[@]}" 0e0f0e "the Advanced page shows no event list"
driver settled >/dev/null
screenshot advanced-en
driver click "${advanced_page_button[@]}"
driver click "${basic_page_button[@]}"
expect_pixel "${event_list_spot[@]}" "$basic_pixel" "the Basic page did not come back"

# A press on an empty spot moves the window with the pointer, step by step as the pointer goes.
read -r left top _ <<<"$(driver rect | tr -d '\r')"
xdotool mousemove $((left + empty_spot[0])) $((top + empty_spot[1])) mousedown 1
driver dragging >/dev/null || fail "a press on an empty spot did not start moving the window"
xdotool mousemove $((left + empty_spot[0] + 40)) $((top + empty_spot[1] + 30))
wait_for_output "the window following the pointer half way" 30 "$((left + 40)) $((top + 30))" window_position
xdotool mousemove $((left + empty_spot[0] + 80)) $((top + empty_spot[1] + 60)) mouseup 1
wait_for_output "the window dragged by the empty spot" 30 "$((left + 80)) $((top + 60))" window_position
driver settled >/dev/null
screenshot moved

# The minimise button only hides the window; the icon brings it back.
driver click "${minimise_button[@]}"
driver hidden >/dev/null || fail "the minimise button did not hide the window"
kill -0 "$program_pid" 2>/dev/null || fail "the minimise button ended the program"
driver tray left-up
driver visible >/dev/null || fail "the window did not open again after minimising"

exit_through_menu
echo "PASS [$scenario]"
