# Shared by the macro scenarios (sourced after lib.sh, page_helpers.bash and assign_helpers.bash):
# the macro group of the Advanced page in client pixels, its controls, and checks on record.ini and
# the macro slots.

macro_name_edit=150
loop_times_edit=149
macro_list=151
event_list=152
mouse_event_list=154
macro_key_name=592
macro_key_list=593
delay_edit=600

name_edit_spot=(794 327)
loop_edit_spot=(794 369)
new_button=(565 538)
delete_button=(669 538)
confirm_button=(773 538)
start_recording=(749 243)
stop_recording=(749 279)
mouse_event_header=(794 409)

# The caption of the program's own message boxes: the executable's name without its extension.
app_title=${exe_name%.exe}

# The lines of the event list, comma-separated.
event_lines() {
    driver list-items $event_list | tr -d '\r' | tr '\n' ,
}

# Waits until the event list holds the lines $1 (comma-separated, as event_lines prints them);
# else fails with $2.
expect_event_lines() {
    wait_for_output "$2" 30 "$1" event_lines
}

# Whether the event list's lines match the extended regular expression $1.
event_lines_match() {
    [[ "$(event_lines)" =~ $1 ]]
}

# The first $1 lines of the event list, comma-separated.
event_lines_up_to() {
    event_lines | cut -d, -f1-"$1"
}

main_text() {
    driver main-text "$@" | tr -d '\r'
}

# record.ini as UTF-8, whatever encoding Windows kept it in.
record_text() {
    if [ "$(head -c2 "$program_dir/record.ini" | od -An -tx1 | tr -d ' ')" = fffe ]; then
        iconv -f UTF-16 -t UTF-8 "$program_dir/record.ini" | tr -d '\r'
    else
        tr -d '\r' <"$program_dir/record.ini"
    fi
}

record_has_line() {
    record_text | grep -qx "$1"
}

# Writes record.ini as UTF-16LE with a byte-order mark from the lines given.
write_record() {
    {
        printf '\xff\xfe'
        printf '%s\r\n' "$@" | iconv -f UTF-8 -t UTF-16LE
    } >"$program_dir/record.ini"
}

# Closes the program's message box with caption $1 and checks that it said $2.
expect_message_box() {
    local text
    text=$(driver message-box "$1" | tr -d '\r') || fail "no message box '$1' (expected '$2')"
    [ "$text" = "$2" ] || fail "the box '$1' says '$text', not '$2'"
}

# Macro slot $2 (1..12) as sent from line $1 of the wire trace on: its 128 bytes.
macro_slot() {
    awk -v start="$1" -v slot="$(printf '%02x' "$2")" '
        NR >= start && $1 == "set-feature" && $3 == "13" && $4 == slot {found = 1; next}
        found && $1 == "write" {for (i = 3; i <= NF; i++) bytes[n++] = $i; if (n >= 128) exit}
        END {for (i = 0; i < 128; i++) printf "%s%s", bytes[i], (i < 127 ? " " : "\n")}
    ' "$program_dir/wire-trace.log"
}

# The 128 bytes of macro slot $1 (1..12) in config.bin (the file starts with the first-run flag).
config_macro_slot() {
    od -An -v -tx1 -j $((1 + 0x180 + 128 * ($1 - 1))) -N128 "$program_dir/config.bin" | tr -s ' \n' ' ' |
        sed 's/^ //; s/ $//'
}

# $1 followed by zero bytes up to 128 bytes, as macro_slot prints them.
padded_slot() {
    local bytes=($1)
    while [ ${#bytes[@]} -lt 128 ]; do
        bytes+=(00)
    done
    echo "${bytes[*]}"
}
