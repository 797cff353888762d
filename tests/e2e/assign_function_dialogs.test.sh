#!/usr/bin/env bash
# Button assignment with the real pointer and keyboard, in English: the road of one change (box 5,
# "Single Key", a key pressed in the dialog, Apply: key matrix 1, config.bin and str.ini), then a
# key combo, fire keys, a multimedia and a Windows function, a cancelled dialog, "Shift DPI" through
# the sub-list, the left-key warning, Mode B and back, and Default.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"
source "$(dirname "$0")/assign_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
open_main_window

# The last Left Click cannot be given away.
driver click 357 209
warning=$(driver message-box Warning | tr -d '\r') || fail "box 1 showed no warning"
[ "$warning" = "Left key must be selected!" ] || fail "the warning says '$warning'"
driver control-gone 41 >/dev/null || fail "box 1 opened its list despite the warning"

# The road of one change: box 5, "Single Key", F5. Enter and Escape are captured, not obeyed.
open_list 5
[ "$(driver list-items 45 | tr -d '\r' | sed -n '12p')" = "Single Key" ] || fail "item 12 is not Single Key"
[ "$(driver list-items 45 | wc -l)" = 15 ] || fail "the list has not 15 items"
pick_item 5 11
wait_for_dialog $single_key_name
press F5
expect_dialog_text $single_key_name F5 "the key F5 was captured as"
press Return
wait_for "Enter captured as Enter or Return" 30 dialog_text_matches $single_key_name '^(Enter|Return)$'
press Escape
wait_for "Escape captured as Esc or Escape" 30 dialog_text_matches $single_key_name '^(Esc|Escape)$'
# A key taken after them shows that the dialog is still there.
press F5
expect_dialog_text $single_key_name F5 "F5 after Enter and Escape was captured as"
driver dialog-shown $single_key_name >/dev/null || fail "Enter or Escape closed the single-key dialog"
shoot_dialog $single_key_name single-key
end_dialog $single_key_name
driver control-gone 45 >/dev/null || fail "the list stayed open after the choice"
apply_and_wait
[ "$(matrix_entry "$trace_start" 3)" = "00 00 3e 00" ] ||
    fail "entry 3 of key matrix 1 is $(matrix_entry "$trace_start" 3), not F5"
[ "$(record_byte $((function_index + 4)))" = 11 ] || fail "slot 4 does not hold Single Key"
[ "$(record_byte $((single_code + 4)))" = 62 ] || fail "slot 4 does not hold the code of F5"
[ "$(settings_value Setting-EN Item5)" = "Single Key-F5" ] || fail "str.ini Item5 is '$(settings_value Setting-EN Item5)'"

# Box 3: Left Ctrl with A and B. Keys reach the edit that has the focus; none while the list is open.
open_list 3
pick_item 3 12
dialog_click $combo_modifier 90 77
wait_for "the key edits disabled while the list is open" 30 dialog_disabled $combo_first_key
shoot_dialog $combo_modifier combo-key-list
dialog_pick $combo_modifier 515 0
expect_dialog_text $combo_modifier "Left Ctrl" "the modifier shows"
wait_for "the key edits enabled after the choice" 30 driver dialog-enabled $combo_first_key
dialog_click $combo_modifier 90 127
press a
dialog_click $combo_modifier 90 177
press b
expect_dialog_text $combo_first_key A "the first key edit shows"
expect_dialog_text $combo_second_key B "the second key edit shows"
shoot_dialog $combo_modifier combo-key
end_dialog $combo_modifier

# Box 4: fire key F1, found by turning the wheel over the key list, speed 100, times 0.
open_list 4
pick_item 4 10
dialog_click $fire_key_name 90 77
wait_for "the speed edit disabled while the key list is open" 30 dialog_disabled $fire_speed
driver dialog-item-point 573 42 >/dev/null && fail "F1 is in view before the wheel turned"
xdotool mousemove $((dialog_x + 90)) $((dialog_y + 170)) click --repeat 11 --delay 150 5
dialog_pick $fire_key_name 573 42
expect_dialog_text $fire_key_name F1 "the fire key shows"
dialog_click $fire_key_name 90 127
press End BackSpace BackSpace 1 0 0
dialog_click $fire_key_name 90 177
press End BackSpace 0
expect_dialog_text $fire_speed 100 "the fire speed shows"
expect_dialog_text $fire_times 0 "the fire times show"
shoot_dialog $fire_key_name fire-key
end_dialog $fire_key_name

# Box 6: a speed out of range is put right even when OK is clicked while its edit has the focus.
open_list 6
pick_item 6 10
dialog_click $fire_key_name 90 127
press End BackSpace BackSpace 3
end_dialog $fire_key_name

# Box 6 then becomes a multimedia key; its fire fields stay behind untouched.
open_list 6
pick_item 6 9
dialog_click $media_item 90 136
dialog_pick $media_item 553 4
expect_dialog_text $media_item Mute "the multimedia item shows"
shoot_dialog $media_item media-key
end_dialog $media_item

# Box 7: a Windows function; a second dialog cancelled leaves it as it was.
open_list 7
pick_item 7 8
dialog_click $windows_item 90 136
shoot_dialog $windows_item windows-key-list
dialog_pick $windows_item 533 2
expect_dialog_text $windows_item Calculator "the Windows item shows"
end_dialog $windows_item
open_list 7
pick_item 7 8
dialog_click $windows_item 90 136
dialog_pick $windows_item 533 1
expect_dialog_text $windows_item Mail "the Windows item shows"
end_dialog $windows_item cancel

# Box 2: "DPI Switch" opens the sub-list, another item closes it, "Shift DPI" is chosen in it.
open_list 2
point_at_item 42 6
driver control-shown $dpi_sub_list >/dev/null || fail "resting on DPI Switch opened no sub-list"
point_at_item 42 7
driver control-gone $dpi_sub_list >/dev/null || fail "the sub-list stayed open over another item"
point_at_item 42 6
driver control-shown $dpi_sub_list >/dev/null || fail "the sub-list did not open again"
[ "$(driver list-items $dpi_sub_list | tr -d '\r' | tr '\n' ,)" = "DPI +,DPI -,DPI Loop,Shift DPI," ] ||
    fail "the sub-list offers $(driver list-items $dpi_sub_list | tr '\n' ,)"
screenshot dpi-sub-list
point_at_item $dpi_sub_list 3
xdotool click 1
driver control-gone 42 >/dev/null || fail "the list stayed open after Shift DPI"
xdotool mousemove $((window_x + empty_spot[0])) $((window_y + empty_spot[1]))
driver settled >/dev/null
screenshot mode-a

# Mode B edits its own set: "Key Off" on box 3; its last Left Click is protected as well.
driver click 409 528
open_list 3
pick_item 3 14
driver control-gone 43 >/dev/null || fail "box 3's list stayed open after Key Off"
driver click 357 209
[ "$(driver message-box Warning | tr -d '\r')" = "Left key must be selected!" ] || fail "Mode B's box 1 showed no warning"
driver settled >/dev/null
screenshot mode-b
driver click 305 528
apply_and_wait

# What Apply sent and saved.
expect_record_bytes $((function_index + 2)) 12 $((combo_mask + 2)) 1 $((combo_first + 2)) 4 $((combo_second + 2)) 5 \
    $((function_index + 3)) 10 $((fire_code + 3)) 58 $((fire_speed_field + 3)) 100 $((fire_times_field + 3)) 0 \
    $((function_index + 5)) 9 $((multimedia_usage + 5)) 226 $((fire_speed_field + 5)) 5 \
    $((function_index + 6)) 8 $((windows_usage_low + 6)) 146 $((windows_usage_high + 6)) 1 \
    $((function_index + 1)) 6 $((dpi_choice_a + 1)) 4 \
    $((192 + function_index + 2)) 14 $((192 + function_index + 0)) 0 $key_mode 0
[ "$(matrix_entry "$trace_start" 2)" = "00 01 04 05" ] || fail "entry 2 of key matrix 1 is $(matrix_entry "$trace_start" 2)"
[ "$(matrix_entry "$trace_start" 1)" = "07 00 04 01" ] || fail "entry 1 of key matrix 1 is $(matrix_entry "$trace_start" 1)"
labels=$(for item in 1 2 3 4 5 6 7 33; do settings_value Setting-EN "Item$item"; done | tr '\n' ,)
[ "$labels" = "Left Click,Shift DPI,Combo Key-Left Ctrl+A+B,Fire Key-F1,Single Key-F5,Multimedia-Mute,Calculator,Key Off," ] ||
    fail "str.ini holds the labels $labels"

# Default gives both key modes their default functions and labels back.
driver click 359 559
apply_and_wait
expect_record_bytes $((function_index + 1)) 1 $((function_index + 2)) 2 $((function_index + 5)) 6 $((dpi_choice_a + 5)) 1 \
    $((192 + function_index + 2)) 2
[ "$(settings_value Setting-EN Item33)" = "Mid Click" ] || fail "Default left Mode B's box 3 as '$(settings_value Setting-EN Item33)'"

exit_through_menu
echo "PASS [$scenario]"
