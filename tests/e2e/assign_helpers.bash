# Shared by the assignment scenarios (sourced after lib.sh and page_helpers.bash): the function
# lists of the Basic page and the function dialogs, used with the real pointer and keyboard
# (xdotool), and checks on config.bin, str.ini and the wire trace.

# Control identifiers: the function lists 41..47, the DPI sub-list, and one control of each dialog.
dpi_sub_list=37
single_key_name=502
combo_modifier=512
combo_first_key=516
combo_second_key=517
fire_key_name=572
fire_speed=574
fire_times=575
media_item=552
windows_item=532

# Record offsets of the assignment fields of set A (set B lies 192 further on).
function_index=0
multimedia_usage=24
windows_usage_low=48
windows_usage_high=60
fire_code=84
fire_speed_field=96
fire_times_field=108
single_code=120
combo_mask=132
combo_first=144
combo_second=156
dpi_choice_a=1961
key_mode=1960

# The main window's client origin on the screen (it has no frame).
window_origin() {
    read -r window_x window_y _ _ <<<"$(driver rect | tr -d '\r')"
}

# Real input (xdotool) reaches the program in the order it was made, but only a moment later: a
# scenario waits for what it does before it looks. The driver's own messages do not queue behind
# it, so a driver command that acts waits for the real input before it to have taken effect.

# A press and release of the real left button at client point ($1, $2) of the main window.
real_click() {
    window_origin
    xdotool mousemove $((window_x + $1)) $((window_y + $2)) click 1
}

# Opens the function list of box $1 (1..7) with a click on its header.
open_list() {
    driver click 357 $((209 + 23 * ($1 - 1)))
    driver control-shown $((40 + $1)) >/dev/null || { screenshot "box-$1-closed"; fail "box $1 did not open its list"; }
}

# The real pointer onto item $2 of the main window's list $1, resting there.
point_at_item() {
    local x y
    read -r x y <<<"$(driver list-item-point "$1" "$2" | tr -d '\r')"
    window_origin
    xdotool mousemove $((window_x + x)) $((window_y + y))
}

# Picks item $2 of the function list of box $1 with the real pointer.
pick_item() {
    point_at_item $((40 + $1)) "$2"
    xdotool click 1
}

# Waits for the dialog holding control $1 and sets its client origin (dialog_x, dialog_y).
wait_for_dialog() {
    local area
    area=$(driver dialog-shown "$1" | tr -d '\r') || fail "no dialog with control $1 appeared"
    read -r dialog_x dialog_y dialog_width dialog_height <<<"$area"
}

# A real click at client point ($2, $3) of the dialog holding control $1.
dialog_click() {
    wait_for_dialog "$1"
    xdotool mousemove $((dialog_x + $2)) $((dialog_y + $3)) click 1
}

# Picks item $3 of list $2 in the dialog holding control $1 with the real pointer, once the list
# shows it.
dialog_pick() {
    local x y
    wait_for "item $3 of list $2 in view" 30 driver dialog-item-point "$2" "$3"
    read -r x y <<<"$(driver dialog-item-point "$2" "$3" | tr -d '\r')"
    xdotool mousemove "$x" "$y" click 1
}

dialog_text() {
    driver dialog-text "$1" | tr -d '\r'
}

# Waits until control $1 of its dialog shows text $2; else fails with $3.
expect_dialog_text() {
    wait_for_output "$3" 30 "$2" dialog_text "$1"
}

# Whether control $1 of its dialog shows a text matching the extended regular expression $2.
dialog_text_matches() {
    [[ "$(dialog_text "$1")" =~ $2 ]]
}

dialog_disabled() {
    ! driver dialog-enabled "$1"
}

# Ends the dialog holding control $1 with its OK (or, with $2 = cancel, its Cancel) button.
end_dialog() {
    if [ "${2:-ok}" = cancel ]; then
        dialog_click "$1" 322 263
    else
        dialog_click "$1" 218 263
    fi
    driver dialog-gone "$1" >/dev/null || fail "the dialog with control $1 did not end"
}

# Keys typed with the real keyboard, in this order.
press() {
    xdotool key "$@"
}

# A screenshot of the dialog holding control $1 alone, named $2.
shoot_dialog() {
    wait_for_dialog "$1"
    import -window root -crop "$((dialog_width + 2))x$((dialog_height + 2))+$((dialog_x - 1))+$((dialog_y - 1))" \
        "$artifacts/e2e-$scenario-$2.png"
}

# The byte at record offset $1 of the program's config.bin.
record_byte() {
    config_byte "$program_dir/config.bin" "$1"
}

# Checks pairs of record offset and value in config.bin: OFFSET VALUE [OFFSET VALUE ...].
expect_record_bytes() {
    local offset value
    while [ $# -gt 0 ]; do
        offset=$1 value=$2
        shift 2
        [ "$(record_byte "$offset")" = "$value" ] || fail "record byte $offset is $(record_byte "$offset"), not $value"
    done
}

# Value of key $2 in section $1 of str.ini.
settings_value() {
    settings_text | awk -F= -v section="[$1]" -v key="$2" \
        '/^\[/ {inside = ($0 == section)} inside && $1 == key {sub(/^[^=]*=/, ""); print; exit}'
}

# Entry $2 (0..15) of key matrix 1 as sent from line $1 of the wire trace on: its four bytes.
matrix_entry() {
    awk -v start="$1" -v entry="$2" '
        NR >= start && $1 == "set-feature" && $3 == "12" && $4 == "01" {found = 1; next}
        found && $1 == "write" {for (i = 3; i <= NF; i++) bytes[n++] = $i; if (n >= 64) exit}
        END {print bytes[4 * entry], bytes[4 * entry + 1], bytes[4 * entry + 2], bytes[4 * entry + 3]}
    ' "$program_dir/wire-trace.log"
}
