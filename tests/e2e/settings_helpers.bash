# Shared by the settings scenarios (sourced after page_helpers.bash): the spots of the DPI panel,
# the lighting panel and the pointer group in client pixels, and readers of the wire trace.

# Each spot prints "x y", to be used unquoted: driver click $(dpi_cell 1 6).
# Centre of scale position $2 (1 at the bottom) of DPI stage $1.
dpi_cell() { echo $((562 + 27 * ($1 - 1))) $((508 - 18 * ($2 - 1))); }
dpi_box() { echo $((562 + 27 * ($1 - 1))) 549; }
dpi_swatch() { echo $((562 + 27 * ($1 - 1))) 531; }
# The lighting fields 1 mode, 2 parameter, 3 effect; their lists are controls 62 + field.
lighting_field() { echo 800 $((337 + 30 * ($1 - 1))); }
# Centre of segment $2 of pointer scale $1 (1 speed, 2 scroll lines, 3 double-click).
pointer_segment() { echo $((64 + 24 * ($2 - 1))) $((205 + 150 * ($1 - 1))); }
precision_box=(59 263)
one_screen_box=(59 413)
pointer_default=(90 594)
rate_500=(721 209)

# The items of the shown list box $1, one a line; fails when it is not shown.
list_items() {
    driver list-items "$1" | tr -d '\r'
}
control_text() {
    driver control-text "$1" | tr -d '\r'
}
# The three lighting fields: mode,parameter,effect.
lighting_texts() {
    echo "$(control_text 80),$(control_text 81),$(control_text 82)"
}
# Wine's pointer settings as "precision P speed S wheel W double-click D". One screen a notch is
# 4294967295; another process of Wine reads the stored text back through wcstol, which stops at
# 2147483647.
pointer_settings() {
    driver pointer-settings | tr -d '\r' | sed 's/wheel 2147483647/wheel 4294967295/'
}
scroll_lines() {
    pointer_settings | cut -d' ' -f6
}

# Opens lighting field $1's list and chooses item $2 in it.
choose_lighting() {
    driver click $(lighting_field "$1")
    driver list-choose $((62 + $1)) "$2" >/dev/null || fail "lighting list $1 has no item $2"
    ! driver list-items $((62 + $1)) >/dev/null || fail "lighting list $1 stayed open after a choice"
}

# The bytes after the command code of the first command $2 (hex, e.g. 0d) sent from trace line $1
# on: bytes 2 to 4 of the frame.
command_bytes_from() {
    awk -v start="$1" -v code="$2" 'NR >= start && $1 == "set-feature" && $3 == code {print $4, $5, $6; exit}' \
        "$program_dir/wire-trace.log"
}
# Bytes 2 to 4 of command $2 whose byte 1 is $3 (a set or block number).
numbered_command_from() {
    awk -v start="$1" -v code="$2" -v number="$3" \
        'NR >= start && $1 == "set-feature" && $3 == code && $4 == number {print $5, $6, $7; exit}' \
        "$program_dir/wire-trace.log"
}
# The first $4 data bytes written after command $2 with byte 1 $3, from trace line $1 on.
data_after_command() {
    awk -v start="$1" -v code="$2" -v number="$3" -v count="$4" '
        NR >= start && $1 == "set-feature" && $3 == code && $4 == number {found = 1; next}
        found && $1 == "write" {line = $3; for (i = 4; i < 3 + count; i++) line = line " " $i; print line; exit}
    ' "$program_dir/wire-trace.log"
}
# The record bytes $2 to $2 + $3 - 1 of config.bin $1, space-separated.
config_bytes() {
    od -An -tu1 -j $((1 + $2)) -N"$3" "$1" | xargs
}
