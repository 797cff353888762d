#!/usr/bin/env bash
# The macro editor and the macro-key dialog in Simplified Chinese, with a record.ini of two macros:
# Stop before any recording warns; the first macro is shown at once, another one when chosen; a
# recording under the Chinese title, ended by building the Basic page; the mouse-event list with its
# caption whole; the macro-key dialog lists the macros in file order. Screenshots of the editor and
# of the macro-key dialog.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"
source "$(dirname "$0")/assign_helpers.bash"
source "$(dirname "$0")/macro_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite CHS
write_record '[宏一]' 'MacroLoopTimes=2' 'ItemCount=3' 'Item0=F   Dn' 'Item1=50 ms' 'Item2=F   Up' \
    '[Combo2]' 'MacroLoopTimes=1' 'ItemCount=1' 'Item0=G   Dn'
open_main_window
driver click "${advanced_page_button[@]}"
[ "$(driver list-items $macro_list | tr -d '\r' | tr '\n' ,)" = "宏一,Combo2," ] ||
    fail "the macro list shows $(driver list-items $macro_list | tr '\n' ,)"
[ "$(event_lines)" = "F   Dn,50 ms,F   Up," ] || fail "the first macro shows $(event_lines)"
[ "$(main_text $macro_name_edit)" = 宏一 ] || fail "the name edit shows $(main_text $macro_name_edit)"

# Stop before any recording since the start: its box, then the warning.
real_click "${stop_recording[@]}"
expect_message_box "$app_title" 停止录制
expect_message_box Warning "没有开始录制,点击停止录制按钮没有意义！"

# Choosing a macro shows its name and lines; a recording replaces the lines of the chosen macro.
point_at_item $macro_list 1
xdotool click 1
expect_event_lines "G   Dn," "Combo2 shows"
wait_for_output "the name edit after choosing Combo2" 30 Combo2 main_text $macro_name_edit
point_at_item $macro_list 0
xdotool click 1
real_click "${start_recording[@]}"
expect_message_box "$app_title" 开始录制
wait_for_output "the title while recording" 30 "按Ctrl+Break可以停止录制" main_text
press a s
real_click "${stop_recording[@]}"
expect_message_box "$app_title" 停止录制
expect_event_lines "A   Dn,50 ms,A   Up,50 ms,S   Dn,50 ms,S   Up," "the recording listed"
driver click "${mouse_event_header[@]}"
driver control-shown $mouse_event_list >/dev/null || fail "the mouse-event list did not open"
window_origin
xdotool mousemove $((window_x + empty_spot[0])) $((window_y + empty_spot[1]))
driver settled >/dev/null
screenshot editor-chs

# Building the Basic page ends a recording: Escape hides the window again, now that the page
# switch has given the keyboard back to the window. Real keys and clicks, in this order: Escape
# while recording is held back, the Basic page button ends the recording, Escape hides.
real_click "${start_recording[@]}"
expect_message_box "$app_title" 开始录制
# The recorder takes the keys from when the title says so; an Escape before would hide the window.
wait_for_output "the title while recording again" 30 "按Ctrl+Break可以停止录制" main_text
press Escape
real_click "${basic_page_button[@]}"
wait_for "the Basic page built" 30 driver control-text 80
driver visible >/dev/null || fail "Escape hid the window while recording"
press Escape
driver hidden >/dev/null || fail "Escape did not hide the window after the recording ended"
reopen_main_window

# The macro-key dialog offers the macros of record.ini in file order.
open_list 3
pick_item 3 13
dialog_click $macro_key_name 90 136
wait_for "the macro-key list showing a second macro" 30 driver dialog-item-point $macro_key_list 1
shoot_dialog $macro_key_name macro-key-list-chs
dialog_pick $macro_key_name $macro_key_list 1
expect_dialog_text $macro_key_name Combo2 "the macro-key dialog shows"
dialog_click $macro_key_name 228 136
shoot_dialog $macro_key_name macro-key-chs
end_dialog $macro_key_name cancel

exit_through_menu
echo "PASS [$scenario]"
