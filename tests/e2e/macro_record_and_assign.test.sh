#!/usr/bin/env bash
# The macro editor with the real pointer and keyboard, in English: a new macro (a typed name stops
# at 31 characters) with a loop count, keys recorded (Enter and Escape among them: listed, and the
# window stays), an "L-Button Click" inserted after a key line, a delay edited to 1500 ms, a line
# deleted through the event list's menu, Confirm; the macro given to box 3 in repeat mode 3 and
# applied: the wire trace carries the encoded slot and the key-matrix entry, record.ini and
# config.bin hold them. Screenshots of the editor, the mouse-event list and the macro-key dialog.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"
source "$(dirname "$0")/assign_helpers.bash"
source "$(dirname "$0")/macro_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
open_main_window
driver click "${advanced_page_button[@]}"

# A new macro; a name takes at most 31 characters; its loop count reaches record.ini at once.
real_click "${name_edit_spot[@]}"
xdotool type --delay 50 abcdefghijklmnopqrstuvwxyz0123456789
wait_for_output "the name edit took" 30 abcdefghijklmnopqrstuvwxyz01234 main_text $macro_name_edit
xdotool key ctrl+a
xdotool type --delay 100 Combo1
wait_for_output "the name edit shows" 30 Combo1 main_text $macro_name_edit
driver click "${new_button[@]}"
[ "$(driver list-items $macro_list | tr -d '\r')" = Combo1 ] || fail "New did not list Combo1"
real_click "${loop_edit_spot[@]}"
xdotool type --delay 100 3
wait_for "the loop count reaching record.ini" 30 record_has_line 'MacroLoopTimes=3'

# Recording: every key transition is listed with a 50 ms gap; Enter and Escape do not hide the window.
real_click "${start_recording[@]}"
expect_message_box "$app_title" "Start Recording"
wait_for_output "the title while recording" 30 "Press Ctrl+Break key to stop recording" main_text
press a b Return Escape
real_click "${stop_recording[@]}"
expect_message_box "$app_title" "Stop Recording"
recorded_pattern='^A   Dn,50 ms,A   Up,50 ms,B   Dn,50 ms,B   Up,50 ms,(Enter|Return)   Dn,50 ms,(Enter|Return)   Up,50 ms,(Esc|Escape)   Dn,50 ms,(Esc|Escape)   Up,$'
wait_for "the recording listing a, b, Enter and Escape" 30 event_lines_match "$recorded_pattern"
recorded=$(event_lines)
[[ "$recorded" =~ $recorded_pattern ]] || fail "the recording listed $recorded"
enter=${BASH_REMATCH[1]}
escape=${BASH_REMATCH[3]}
driver visible >/dev/null || fail "a key typed while recording hid the window"
[ "$(main_text $macro_name_edit)" = Combo1 ] || fail "recorded keys reached the name edit"

# "L-Button Click" after the first key line; the list closes after the choice. The header is
# clicked for real, so that the click comes after the one on the line.
point_at_item $event_list 0
xdotool click 1
real_click "${mouse_event_header[@]}"
driver control-shown $mouse_event_list >/dev/null || fail "the mouse-event list did not open"
[ "$(driver list-items $mouse_event_list | head -1 | tr -d '\r')" = "L-Button Click" ] || fail "the first mouse event is not L-Button Click"
point_at_item $mouse_event_list 0
driver settled >/dev/null
screenshot mouse-events-en
xdotool click 1
driver control-gone $mouse_event_list >/dev/null || fail "the mouse-event list stayed open"
wait_for_output "the click inserted after the first line" 30 "A   Dn,50 ms,L-Button   Dn,50 ms,L-Button   Up,50 ms" \
    event_lines_up_to 6

# A double-click on the new delay line opens the delay-time dialog; 1500 replaces its 50.
point_at_item $event_list 1
xdotool click --repeat 2 --delay 120 1
wait_for_dialog $delay_edit
dialog_click $delay_edit 112 136
xdotool type --delay 100 1500
end_dialog $delay_edit
wait_for_output "the edited delay line" 30 "A   Dn,1500 ms" event_lines_up_to 2

# The menu of the event list deletes the line under the pointer only.
point_at_item $event_list 18
xdotool click 3
driver menu-shown >/dev/null || fail "a right-click on the event list showed no menu"
driver menu-choose >/dev/null
expected_lines="A   Dn,1500 ms,L-Button   Dn,50 ms,L-Button   Up,50 ms,A   Up,50 ms,B   Dn,50 ms,B   Up,50 ms,"
expected_lines+="$enter   Dn,50 ms,$enter   Up,50 ms,$escape   Dn,50 ms,"
expect_event_lines "$expected_lines" "after Delete the event list holds"

# Confirm writes the macro and encodes its slot.
driver click "${confirm_button[@]}"
wait_for "record.ini holding 18 lines" 30 record_has_line 'ItemCount=18'
record=$(record_text)
grep -qx 'Item1=1500 ms' <<<"$record" || fail "record.ini lacks the edited delay: $record"
grep -qx "Item17=50 ms" <<<"$record" || fail "record.ini lacks the last line: $record"
xdotool mousemove $((window_x + empty_spot[0])) $((window_y + empty_spot[1]))
driver settled >/dev/null
screenshot editor-en

# Box 3 runs the macro in repeat mode 3.
driver click "${basic_page_button[@]}"
open_list 3
pick_item 3 13
wait_for_dialog $macro_key_name
dialog_click $macro_key_name 90 136
dialog_pick $macro_key_name $macro_key_list 0
expect_dialog_text $macro_key_name Combo1 "the macro-key dialog shows"
dialog_click $macro_key_name 228 186
shoot_dialog $macro_key_name macro-key-en
end_dialog $macro_key_name
apply_and_wait

code_of() {
    case $1 in
    Enter | Return) echo 28 ;;
    Esc | Escape) echo 29 ;;
    esac
}
slot=$(padded_slot "00 03 00 04 0f 03 05 f0 85 f0 85 04 05 05 85 05 05 $(code_of "$enter") 85 $(code_of "$enter") 05 $(code_of "$escape")")
[ "$(macro_slot "$trace_start" 1)" = "$slot" ] || fail "macro slot 1 went out as $(macro_slot "$trace_start" 1)"
[ "$(config_macro_slot 1)" = "$slot" ] || fail "config.bin holds macro slot 1 as $(config_macro_slot 1)"
[ "$(matrix_entry "$trace_start" 2)" = "09 02 01 00" ] || fail "entry 2 of key matrix 1 is $(matrix_entry "$trace_start" 2)"
expect_record_bytes $((function_index + 2)) 13 $((168 + 2)) 0 $((180 + 2)) 2
[ "$(settings_value Setting-EN Item3)" = "Macro Key-Combo1" ] || fail "str.ini Item3 is '$(settings_value Setting-EN Item3)'"

exit_through_menu
echo "PASS [$scenario]"
