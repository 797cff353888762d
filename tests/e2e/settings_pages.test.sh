#!/usr/bin/env bash
# Every control of the settings groups, end to end in English: DPI steps, stages off and on, a
# stage colour, the report rate and each lighting mode with a parameter and an effect reach the
# (emulated) mouse and config.bin on Apply; the pointer scales and boxes reach Wine's own pointer
# settings. Cancel brings back what was applied. Screenshots of both pages after the changes and
# with each lighting list open.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"
source "$(dirname "$0")/settings_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite EN
config=$program_dir/config.bin
open_main_window

# The factory stages (sensor type 1, 8 positions) stand at positions 2, 4, 6 and 8, all on.
lit=$(pixel_at $(dpi_cell 1 1))
dark=$(pixel_at $(dpi_cell 1 3))
[ "$lit" != "$dark" ] || fail "lit and dark DPI positions look alike ($lit)"
box_on=$(pixel_at $(dpi_box 1))

# Stage 1 to position 6.
driver click $(dpi_cell 1 6)
expect_pixel $(dpi_cell 1 6) "$lit" "stage 1 is not lit up to position 6"
expect_pixel $(dpi_cell 1 7) "$dark" "stage 1 is lit above position 6"
# Stage 2 off (its scale goes dark) and on again (lit up to its step, position 4).
driver click $(dpi_box 2)
expect_pixel $(dpi_cell 2 1) "$dark" "stage 2 switched off still shows a lit scale"
expect_pixel_not $(dpi_box 2) "$box_on" "stage 2 switched off is still ticked"
driver click $(dpi_box 2)
expect_pixel $(dpi_cell 2 4) "$lit" "stage 2 switched on is not lit up to its step"
expect_pixel $(dpi_cell 2 5) "$dark" "stage 2 switched on is lit above its step"
# Stage 4 off, then a step clicked on it: stored and shown, the stage stays off.
driver click $(dpi_box 4)
driver click $(dpi_cell 4 3)
expect_pixel $(dpi_cell 4 3) "$lit" "the step clicked on stage 4 does not show"
expect_pixel_not $(dpi_box 4) "$box_on" "a step click switched stage 4 on"
# Stage 3's colour, and 500 Hz.
driver click $(dpi_swatch 3)
driver colour-choose 0 128 255 >/dev/null || fail "the colour chooser of stage 3 did not open or end"
expect_pixel $(dpi_swatch 3) 0080ff "swatch 3 shows the colour chosen"
driver click "${rate_500[@]}"

# Lighting, Standard: the mode list, the brightness list; no effect list in this mode.
driver click $(lighting_field 1)
[ "$(list_items 63 | paste -sd,)" = Standard,Respiration,Neon ] || fail "mode list: $(list_items 63 | paste -sd,)"
screenshot mode-list-en
driver list-choose 63 0 >/dev/null
[ "$(control_text 80)" = Standard ] || fail "the mode field shows $(control_text 80)"
driver click $(lighting_field 2)
[ "$(list_items 64 | paste -sd,)" = 5%,15%,25%,35%,45%,55%,65%,75%,85%,100% ] ||
    fail "brightness list: $(list_items 64 | paste -sd,)"
screenshot parameter-list-en
driver list-choose 64 9 >/dev/null
[ "$(control_text 81)" = 100% ] || fail "the parameter field shows $(control_text 81)"
driver click $(lighting_field 3)
! driver list-items 65 >/dev/null || fail "the Standard mode opened an effect list"
[ "$(control_text 82)" = "RGB Effect" ] || fail "the effect field shows $(control_text 82)"

apply_and_wait
[ "$(first_command_from "$trace_start")" = "00 01 02 00" ] || fail "Apply began with $(first_command_from "$trace_start")"
[ "$(command_bytes_from "$trace_start" 0d)" = "01 0a 02" ] || fail "Standard sent effect $(command_bytes_from "$trace_start" 0d)"
[ "$(numbered_command_from "$trace_start" 07 00 | cut -d' ' -f1)" = 01 ] || fail "Standard sent LED set 0 $(numbered_command_from "$trace_start" 07 00)"
[ "$(data_after_command "$trace_start" 11 04 8)" = "23 04 23 83 80 80 80 80" ] ||
    fail "DPI stages sent as $(data_after_command "$trace_start" 11 04 8)"
[ "$(data_after_command "$trace_start" 10 01 12)" = "ff 00 00 00 ff 00 00 ff 80 ff 00 ff" ] ||
    fail "stage colours sent as $(data_after_command "$trace_start" 10 01 12)"

# Respiration, chosen with the real pointer: its own cycle and effect, then 4S and "RGB Flash".
driver click $(lighting_field 1)
read -r left top _ <<<"$(driver rect | tr -d '\r')"
read -r item_x item_y <<<"$(driver list-item-point 63 1 | tr -d '\r')"
xdotool mousemove $((left + item_x)) $((top + item_y)) click 1
wait_for_output "the lighting fields after Respiration was chosen" 30 "Respiration,6S,RGB Effect" lighting_texts
choose_lighting 2 4
driver click $(lighting_field 3)
[ "$(list_items 65 | paste -sd,)" = "RGB Effect,RGB Flash" ] || fail "Respiration effects: $(list_items 65 | paste -sd,)"
screenshot effect-list-en
driver list-choose 65 1 >/dev/null
[ "$(control_text 81),$(control_text 82)" = "4S,RGB Flash" ] || fail "Respiration shows $(control_text 81),$(control_text 82)"
apply_and_wait
[ "$(command_bytes_from "$trace_start" 0d)" = "02 05 03" ] || fail "Respiration sent effect $(command_bytes_from "$trace_start" 0d)"
[ "$(numbered_command_from "$trace_start" 07 00)" = "02 fa 03" ] || fail "Respiration sent LED set 0 $(numbered_command_from "$trace_start" 07 00)"

# Neon: 15S and "RGB Fixed On". A click elsewhere closes an open list.
choose_lighting 1 2
[ "$(control_text 81),$(control_text 82)" = "2S,RGB Flash" ] || fail "Neon shows $(control_text 81),$(control_text 82)"
choose_lighting 2 29
choose_lighting 3 1
[ "$(control_text 81),$(control_text 82)" = "15S,RGB Fixed On" ] || fail "Neon shows $(control_text 81),$(control_text 82)"
driver click $(lighting_field 1)
driver click "${rate_500[@]}"
! driver list-items 63 >/dev/null || fail "a click elsewhere left the mode list open"
apply_and_wait
[ "$(command_bytes_from "$trace_start" 0d | cut -d' ' -f1-2)" = "03 1e" ] || fail "Neon sent effect $(command_bytes_from "$trace_start" 0d)"
[ "$(numbered_command_from "$trace_start" 07 00)" = "03 05 05" ] || fail "Neon sent LED set 0 $(numbered_command_from "$trace_start" 07 00)"
[ "$(config_bytes "$config" $((0x0785)) 1)" = 2 ] || fail "config.bin holds report rate $(config_bytes "$config" $((0x0785)) 1)"
[ "$(config_bytes "$config" $((0x0787)) 8)" = "5 3 5 2 1 1 1 0" ] || fail "config.bin holds DPI $(config_bytes "$config" $((0x0787)) 8)"
[ "$(config_bytes "$config" $((0x078F)) 12)" = "255 0 0 0 255 0 0 255 128 255 0 255" ] ||
    fail "config.bin holds colours $(config_bytes "$config" $((0x078F)) 12)"
[ "$(config_bytes "$config" $((0x079B)) 7)" = "3 9 4 29 1 2 3" ] || fail "config.bin holds lighting $(config_bytes "$config" $((0x079B)) 7)"
screenshot basic-after-en

# The Advanced page shows Wine's pointer settings as it found them.
read -r _ precision _ speed _ wheel _ double_click <<<"$(driver pointer-settings | tr -d '\r')"
click_and_settle "${advanced_page_button[@]}"
speed_position=$((speed / 2 + 1))
[ "$(pixel_at $(pointer_segment 1 $speed_position))" != "$(pixel_at $(pointer_segment 1 11))" ] ||
    fail "the speed scale does not show Wine's speed $speed"
slider_lit=$(pixel_at $(pointer_segment 1 1))
slider_dark=$(pixel_at $(pointer_segment 1 11))
# Speed 9 (16), 7 lines, double-click 4 (690 ms), precision flipped, one screen a notch.
driver click $(pointer_segment 1 9)
driver click $(pointer_segment 2 7)
driver click $(pointer_segment 3 4)
driver click "${precision_box[@]}"
driver click "${one_screen_box[@]}"
expect_pixel $(pointer_segment 2 7) "$slider_lit" "scroll scale not lit up to 7"
expect_pixel $(pointer_segment 3 5) "$slider_dark" "double-click scale lit past 4"
screenshot advanced-after-en
apply_and_wait
flipped=$((1 - precision))
wait_for_output "Wine's pointer settings after Apply (before: $precision $speed $wheel $double_click)" 30 \
    "precision $flipped speed 16 wheel 4294967295 double-click 690" pointer_settings
[ "$(config_bytes "$config" $((0x07A3)) 5)" = "$flipped 1 9 7 4" ] || fail "config.bin holds pointer $(config_bytes "$config" $((0x07A3)) 5)"
driver click "${one_screen_box[@]}"
apply_and_wait
wait_for_output "the scroll lines after one screen was switched off" 30 7 scroll_lines

# Cancel: edits on both pages since the last Apply are gone when the window opens again.
driver click $(pointer_segment 1 2)
driver click "${basic_page_button[@]}"
driver click $(dpi_cell 1 2)
choose_lighting 1 0
driver click "${cancel_button[@]}"
driver hidden >/dev/null || fail "Cancel did not hide the window"
reopen_main_window
[ "$(control_text 80)" = Neon ] || fail "after Cancel the mode field shows $(control_text 80)"
expect_pixel $(dpi_cell 1 6) "$lit" "after Cancel stage 1 is not back at position 6"
expect_pixel $(dpi_cell 4 3) "$dark" "after Cancel stage 4, off, shows a lit scale"
driver click "${advanced_page_button[@]}"
expect_pixel $(pointer_segment 1 9) "$slider_lit" "after Cancel the speed is not back at 9"
expect_pixel $(pointer_segment 1 10) "$slider_dark" "after Cancel the speed shows past 9"

# Default sets Wine at once.
driver click "${pointer_default[@]}"
wait_for_output "Wine's pointer settings after Default" 30 "precision 0 speed 10 wheel 3 double-click 500" pointer_settings
expect_pixel $(pointer_segment 1 6) "$slider_lit" "Default does not show speed position 6"
expect_pixel $(pointer_segment 1 7) "$slider_dark" "Default shows the speed past position 6"

exit_through_menu
echo "PASS [$scenario]"
