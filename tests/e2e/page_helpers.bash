# Shared by the page scenarios (sourced after lib.sh): the emulated program with the skins the build
# rendered and a factory config.bin, the main window's hot spots in client pixels, and checks on
# pixels, str.ini and the wire trace.

# The emulated program with the build's skins (or those of dist/) and the factory config.bin
# (first byte 0, so the first page build stores the default button labels).
prepare_page_program() {
    prepare_program emulated
    local skins=$e2e_root/dist/Skins
    [ -d "$skins" ] || skins=$build_dir/Skins
    [ -d "$skins" ] || fail "no rendered skins in dist/ or $build_dir"
    rm -rf "$program_dir/Skins"
    mkdir -p "$program_dir/Skins"
    cp -r "$skins"/*/ "$program_dir/Skins/"
    /usr/bin/python3 "$e2e_root/packaging/make_factory_config.py" --out "$work_dir/factory" >/dev/null
    cp "$work_dir/factory/config.bin" "$program_dir/config.bin"
}

# Writes str.ini as the installer does (UTF-16LE with a byte-order mark, so labels in any language
# survive): skin $1, language $2, text colour white.
write_page_settings() {
    {
        printf '\xff\xfe'
        printf '[Skins]\r\nPath=%s\r\nLan=%s\r\nRColor=255\r\nGColor=255\r\nBColor=255\r\n' "$1" "$2" |
            iconv -f UTF-8 -t UTF-16LE
    } >"$program_dir/str.ini"
}

# Starts the program and opens the main window from the notification icon, its page on the screen.
open_main_window() {
    start_program
    wait_for_main_window
    reopen_main_window
}

# Opens the hidden main window from the notification icon and waits until its page is on the screen.
reopen_main_window() {
    driver tray left-up
    driver visible >/dev/null || fail "a click on the icon did not show the main window"
    driver settled >/dev/null || fail "the main window's picture did not settle"
}

# A click on the main window's client point ($1, $2), handled when this returns, and the picture
# settled: for clicks whose outcome is then looked at as a whole (a new page, a screenshot).
click_and_settle() {
    driver click "$1" "$2"
    driver settled >/dev/null || fail "the main window's picture did not settle after a click at $1,$2"
}

# Centres of the hot areas used by the scenarios (client pixels).
ok_button=(614 640)
apply_button=(718 640)
cancel_button=(822 640)
skins_button=(710 14)
minimise_button=(834 14)
close_button=(859 14)
basic_page_button=(34 74)
advanced_page_button=(80 74)
rate_125=(577 209)
rate_250=(649 209)
empty_spot=(450 120)

# The colour at a client pixel of the main window, as rrggbb.
pixel_at() {
    driver pixel "$1" "$2" | tr -d '\r'
}

# The main window's top left corner on the screen: left top.
window_position() {
    driver rect | tr -d '\r' | cut -d' ' -f1-2
}

pixel_differs() {
    [ "$(pixel_at "$1" "$2")" != "$3" ]
}

# Waits until client pixel ($1, $2) shows colour $3 (rrggbb); else fails with $4.
expect_pixel() {
    wait_for_output "$4" 30 "$3" pixel_at "$1" "$2"
}

# Waits until client pixel ($1, $2) shows a colour other than $3; else fails with $4.
expect_pixel_not() {
    wait_for "$4" 30 pixel_differs "$1" "$2" "$3"
}

# The first byte of the program's config.bin: 0 until the program saved it.
first_run_flag() {
    od -An -tu1 -N1 "$program_dir/config.bin" | tr -d ' '
}

# The byte at record offset $2 of config.bin $1 (the file starts with the first-run flag).
config_byte() {
    od -An -tu1 -j $((1 + $2)) -N1 "$1" | tr -d ' '
}

# str.ini as UTF-8, whatever encoding Windows kept it in.
settings_text() {
    if [ "$(head -c2 "$program_dir/str.ini" | od -An -tx1 | tr -d ' ')" = fffe ]; then
        iconv -f UTF-16 -t UTF-8 "$program_dir/str.ini" | tr -d '\r'
    else
        tr -d '\r' <"$program_dir/str.ini"
    fi
}

# The value of key $1 in str.ini's [Skins] section.
skins_setting() {
    settings_text | awk -F= -v key="$1" '/^\[/{in_skins = ($0 == "[Skins]")} in_skins && $1 == key {print $2}'
}

# Lines of the wire trace with prefix $1, from line $2 on.
trace_count() {
    awk -v start="$2" -v prefix="$1" 'NR >= start && index($0, prefix) == 1 {n++} END {print n + 0}' \
        "$program_dir/wire-trace.log"
}

# Bytes 1 to 4 of the first command sent from line $1 of the wire trace on (report ID first).
first_command_from() {
    awk -v start="$1" 'NR >= start && $1 == "set-feature" {print $2, $3, $4, $5; exit}' \
        "$program_dir/wire-trace.log"
}

# Line number after the last line of the wire trace: where the next exchange's reports begin.
trace_end() {
    echo $(($(wc -l <"$program_dir/wire-trace.log") + 1))
}

# Waits for the connection exchange the program makes with the mouse once it has started (the
# sensor settings read, then written back: two commands), and sets trace_start after it.
trace_start_after_connection() {
    trace_start=1
    wait_for "the connection exchange after start-up" 30 trace_holds 'set-feature 00' 2
    trace_start=$(trace_end)
}

# Whether the wire trace holds at least $2 lines with prefix $1 from line $trace_start on.
trace_holds() {
    [ -e "$program_dir/wire-trace.log" ] || return 1
    [ "$(trace_count "$1" "$trace_start")" -ge "$2" ]
}

file_changed() {
    [ "$(stat -c %.9Y "$1")" != "$2" ]
}

# Clicks Apply and waits until the mouse got the whole configuration (forty commands and
# fifty-nine data chunks) and config.bin was saved again. Sets trace_start to the Apply's first
# line of the wire trace.
apply_and_wait() {
    local saved
    trace_start=$(trace_end)
    saved=$(stat -c %.9Y "$program_dir/config.bin")
    driver click "${apply_button[@]}"
    wait_for "Apply sends forty commands" 30 trace_holds 'set-feature ' 40
    wait_for "Apply writes fifty-nine chunks" 30 trace_holds 'write ' 59
    wait_for "Apply saves config.bin" 30 file_changed "$program_dir/config.bin" "$saved"
}
