#!/usr/bin/env bash
# Keyboard and screen reader: the main window's accessible children as a reader lists them, in
# English and Simplified Chinese, on both pages; the road of one change (box 5, "Single Key", F5,
# Alt+O, Apply), a function dialog completed, and a report-rate change done with keys alone, checked
# on the wire and in config.bin.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"
source "$(dirname "$0")/assign_helpers.bash"
source "$(dirname "$0")/settings_helpers.bash"

require_emulated_build
prepare_page_program

# Roles and states as MSAA numbers them (hex): push button, combo box, radio button, slider, check
# box; focusable, and checked or focused with it.
push_button=2b combo_box=2e radio_button=2d slider=33 check_box=2c
focusable=100000 checked=100010 focused=100004

# Whether the reader's list of children holds the line ROLE STATE NAME VALUE.
tree_holds() {
    driver acc-tree | tr -d '\r' | grep -qxF "$(printf '%s\t%s\t%s\t%s' "$@")"
}

# The role and name of the child named $1.
child_named() {
    driver acc-tree | tr -d '\r' | awk -F'\t' -v name="$1" '$3 == name {print $1, $3}'
}

# The names of the reader's children of the dialog holding control $1, comma-separated.
dialog_children() {
    driver acc-tree dialog "$1" | tr -d '\r' | awk -F'\t' '{print $3}' | paste -sd,
}

expect_child() {
    wait_for "the reader lists '$3' as $1/$2 with value '$4'" 30 tree_holds "$@"
}

# Keys go to the window under the pointer (no window manager): the pointer rests on an empty spot.
keys() {
    window_origin
    xdotool mousemove $((window_x + ${empty_spot[0]})) $((window_y + ${empty_spot[1]}))
    xdotool key --delay 40 "$@"
}

focus_moved_from() {
    [ "$(driver acc-focus | tr -d '\r')" != "$1" ]
}

# Presses Tab $1 times and waits until the reader's focus is on $2.
tab_to() {
    local presses=()
    for _ in $(seq "$1"); do presses+=(Tab); done
    keys "${presses[@]}"
    wait_for_output "the keyboard focus after $1 Tabs" 30 "$2" driver acc-focus
}

# Simplified Chinese: the names come from the language's tables.
write_page_settings Graphite CHS
open_main_window
expect_child $combo_box $focusable "按键 5: 后退方向键" "后退方向键"
expect_child $radio_button $checked "回报率 1000 Hz" ""
expect_child $push_button $focusable "确定" ""
keys ctrl+Tab
wait_for_output "the Advanced page's children in Chinese" 30 "$slider 鼠标速度" child_named "鼠标速度"
exit_through_menu

write_page_settings Graphite EN
open_main_window
expect_child $combo_box $focusable "Button 5: Backward" Backward
expect_child $radio_button $checked "Report rate 1000 Hz" ""
expect_child $radio_button $focusable "Report rate 500 Hz" ""
expect_child $check_box $checked "DPI stage 1 on" ""
expect_child $push_button $focusable "Close" ""
[ "$(driver acc-tree | wc -l)" = 39 ] || fail "the Basic page has $(driver acc-tree | wc -l) children, not 39"

# The road of one change with keys alone: Tab to box 5, Space opens its list, Down to "Single Key",
# Space chooses it; F5 in the dialog, Alt+O; Tab to Apply and Space.
tab_to 4 Close
screenshot focus-button
tab_to 7 "Button 5: Backward"
screenshot focus-list-header
keys space
driver control-shown 45 >/dev/null || fail "Space did not open the list of box 5"
keys Down Down Down Down Down Down Down Down Down Down Down Down
keys space
wait_for_dialog $single_key_name
xdotool mousemove $((dialog_x + 40)) $((dialog_y + 60))
press F5
expect_dialog_text $single_key_name F5 "the key F5 was captured as"
shoot_dialog $single_key_name single-key-shortcuts
wait_for_output "the reader's children of the single-key dialog" 30 "F5,OK,Cancel" dialog_children $single_key_name
press alt+o
driver dialog-gone $single_key_name >/dev/null || fail "Alt+O did not end the single-key dialog"
expect_child $combo_box $focused "Button 5: Single Key-F5" "Single Key-F5"

tab_to 27 Apply
trace_start=$(trace_end)
saved=$(stat -c %.9Y "$program_dir/config.bin")
keys space
wait_for "Apply sends forty commands" 30 trace_holds 'set-feature ' 40
wait_for "Apply saves config.bin" 30 file_changed "$program_dir/config.bin" "$saved"
wait_for_output "entry 3 of key matrix 1" 30 "00 00 3e 00" matrix_entry "$trace_start" 3
[ "$(record_byte $((function_index + 4)))" = 11 ] || fail "slot 4 does not hold Single Key"
[ "$(record_byte $((single_code + 4)))" = 62 ] || fail "slot 4 does not hold the code of F5"

# A dialog with keys alone: box 5 becomes "Multimedia". In the dialog Tab reaches the drop-down,
# Space opens it, Down twice and Space choose "Previous", Tab reaches OK and Space ends the dialog.
tab_to 12 "Button 5: Single Key-F5"
keys space
driver control-shown 45 >/dev/null || fail "Space did not open the list of box 5 again"
keys Down Down Down Down Down Down Down Down Down Down
keys space
wait_for_dialog $media_item
wait_for_output "the reader's children of the multimedia dialog" 30 "Multimedia,OK,Cancel" dialog_children $media_item
xdotool mousemove $((dialog_x + 40)) $((dialog_y + 60))
press Tab
wait_for_output "the dialog's keyboard focus after Tab" 30 Multimedia driver acc-focus dialog $media_item
shoot_dialog $media_item focus-dialog-list-header
press space
wait_for "Space opened the multimedia list" 30 driver dialog-item-point 553 1
press Down Down space
expect_dialog_text $media_item Previous "the multimedia item chosen with the keys is"
press Tab
wait_for_output "the dialog's keyboard focus on OK" 30 OK driver acc-focus dialog $media_item
shoot_dialog $media_item focus-dialog-ok
press space
driver dialog-gone $media_item >/dev/null || fail "Space on OK did not end the multimedia dialog"
expect_child $combo_box $focused "Button 5: Multimedia-Previous" "Multimedia-Previous"

# The combo-key dialog, whose key fields capture every key, Tab too: in keyboard use each field
# takes one key and hands the focus on, so Tab, Tab, A and B reach OK.
keys space
driver control-shown 45 >/dev/null || fail "Space did not open the list of box 5 a third time"
keys Down Down Down Down Down Down Down Down Down Down Down Down Down
keys space
wait_for_dialog $combo_first_key
xdotool mousemove $((dialog_x + 40)) $((dialog_y + 60))
press Tab
wait_for_output "the combo dialog's focus after Tab" 30 "Modifier key" driver acc-focus dialog $combo_first_key
press Tab
wait_for_output "the combo dialog's focus after two Tabs" 30 "First key" driver acc-focus dialog $combo_first_key
press a
expect_dialog_text $combo_first_key A "the first key field took"
wait_for_output "the focus handed on to the second key" 30 "Second key" driver acc-focus dialog $combo_first_key
press b
expect_dialog_text $combo_second_key B "the second key field took"
wait_for_output "the focus handed on to OK" 30 OK driver acc-focus dialog $combo_first_key
[ "$(dialog_text $combo_first_key)" = A ] || fail "the first key field changed to $(dialog_text $combo_first_key)"
press space
driver dialog-gone $combo_first_key >/dev/null || fail "Space on OK did not end the combo-key dialog"
expect_child $combo_box $focused "Button 5: Combo Key-A+B" "Combo Key-A+B"

# The report rate: Tab round to 500 Hz, Space, Tab to Apply, Space.
tab_to 8 "Report rate 500 Hz"
keys space
expect_child $radio_button 100014 "Report rate 500 Hz" ""
tab_to 19 Apply
trace_start=$(trace_end)
saved=$(stat -c %.9Y "$program_dir/config.bin")
keys space
wait_for "Apply sends forty commands" 30 trace_holds 'set-feature ' 40
wait_for "Apply saves config.bin" 30 file_changed "$program_dir/config.bin" "$saved"
[ "$(first_command_from "$trace_start")" = "00 01 02 00" ] || fail "Apply began with $(first_command_from "$trace_start")"
[ "$(config_bytes "$program_dir/config.bin" $((0x0785)) 1)" = 2 ] ||
    fail "config.bin holds report rate $(config_bytes "$program_dir/config.bin" $((0x0785)) 1)"

# A scale: Tab to DPI stage 2, Up moves it one position.
before=$(driver acc-tree | tr -d '\r' | awk -F'\t' '$3 ~ /^DPI stage 2: / {print $4}')
tab_to 25 "DPI stage 2: $before"
keys Up
wait_for "Up moved DPI stage 2 from $before" 30 focus_moved_from "DPI stage 2: $before"
screenshot focus-scale

# Ctrl+Tab shows the Advanced page, whose scales the reader lists with their positions.
keys ctrl+Tab
wait_for_output "the Advanced page's children" 30 "$check_box Enhance Pointer Precision" child_named "Enhance Pointer Precision"
[ "$(driver acc-tree | tr -d '\r' | awk -F'\t' '$1 == "33" && $4 ~ /^[0-9]+$/' | wc -l)" = 3 ] ||
    fail "the Advanced page lists no three scales with their positions"
# The macro lists and fields are stops too, which take their own keys.
wait_for_output "the macro name field's child" 30 "2a Macro Name" child_named "Macro Name"
wait_for_output "the list of macros' child" 30 "21 Select Macro" child_named "Select Macro"
exit_through_menu
