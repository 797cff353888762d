#!/usr/bin/env bash
# `mousecfg export` prints a profile of config.bin, record.ini and str.ini; `mousecfg import` writes
# them back byte for byte as far as the program reads them, and a refused profile writes nothing.
set -uo pipefail
mousecfg=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/lib/check.bash"
python3 "$here/lib/make_config.py" "$work/config.bin"
printf '[One]\r\nMacroLoopTimes=300\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=1500 ms\r\nItem2=A   Up\r\n' >"$work/record.ini"
printf '[Skins]\r\nPath=Blue\r\n[Setting-EN]\r\nItem1=Left Click\r\nItem13=Macro Key-One\r\n' >"$work/str.ini"

expect_exit 0 -- "$mousecfg" export "$work/config.bin" --macros "$work/record.ini" --labels "$work/str.ini" \
    --sensor 1 -o "$work/profile.toml"
expect_equal "$(head -n 1 "$work/profile.toml")" "# Krello Marrowin² profile, format 1" "the header line"
expect_equal "$(grep '^4 = ' "$work/profile.toml" | sed -n 2p)" '4 = "Single Key A"' "a button by name"
expect_equal "$(grep '^report_rate' "$work/profile.toml")" 'report_rate = 500' "the report rate in Hz"

mkdir "$work/out"
cp "$work/str.ini" "$work/out/str.ini"
expect_exit 0 -- "$mousecfg" import "$work/profile.toml" --config "$work/out/config.bin" \
    --macros "$work/out/record.ini" --labels "$work/out/str.ini"
expect_equal "$(od -An -tx1 -j1 "$work/out/config.bin")" "$(od -An -tx1 -j1 "$work/config.bin")" "the record"
expect_equal "$(head -c 1 "$work/out/config.bin" | od -An -tx1)" " 01" "config.bin saved as the program saves it"
expect_equal "$(head -c 2 "$work/out/record.ini" | od -An -tx1)" " ff fe" "a new record.ini in UTF-16LE"
expect_exit 0 -- "$mousecfg" export "$work/out/config.bin" --macros "$work/out/record.ini" \
    --labels "$work/out/str.ini" --sensor 1
expect_equal "$out" "$(cat "$work/profile.toml")" "export of the imported files"
expect_exit 0 -- "$mousecfg" macros "$work/out/record.ini"
expect_equal "$(echo "$out" | head -n 1 | cut -c 1-23)" "01 2c 00 04 0f 03 80 04" "the imported macro"

# Refused profiles: exit 1, FILE:LINE on stderr, nothing written.
refused() {
    sed "$1" "$work/profile.toml" >"$work/refused.toml"
    expect_exit 1 -- "$mousecfg" import "$work/refused.toml" --config "$work/none/config.bin" \
        --macros "$work/none/record.ini"
    expect_one_stderr_line
    case $err in "$work/refused.toml:$2: $3"*) ;; *) echo "FAIL: stderr '$err', expected line $2: $3"; failures=$((failures + 1)) ;; esac
}
mkdir "$work/none"
line_of() { grep -n "$1" "$work/profile.toml" | head -n 1 | cut -d: -f1; }
refused 's/^report_rate = 500/report_rate = 333/' "$(line_of '^report_rate')" "report rate 333 Hz"
refused 's/dpi = 1600/dpi = 1700/' "$(line_of 'dpi = 1600')" "sensor type 1 cannot do 1700 DPI"
refused 's/^speed = 6/sped = 6/' "$(line_of '^speed = 6')" 'unknown key "sped"'
refused 's/^key_mode = .*/key_mode = "Mode B/' 3 "Error while parsing"
refused 's/^    "1500 ms",/    "1500 ms", "B   Dn", "1500 ms", "B   Up", "1500 ms", "C   Dn", "1500 ms", "C   Up", "1500 ms", "D   Dn", "1500 ms", "D   Up", "1500 ms", "E   Dn", "1500 ms", "E   Up", "1500 ms", "F   Dn", "1500 ms", "F   Up", "1500 ms", "G   Dn", "1500 ms", "G   Up", "1500 ms", "H   Dn", "1500 ms", "H   Up", "1500 ms", "I   Dn", "1500 ms", "I   Up", "1500 ms", "J   Dn", "1500 ms", "J   Up", "1500 ms", "K   Dn", "1500 ms", "K   Up", "1500 ms", "L   Dn", "1500 ms", "L   Up", "1500 ms", "M   Dn", "1500 ms", "M   Up", "1500 ms", "N   Dn", "1500 ms", "N   Up", "1500 ms", "O   Dn", "1500 ms", "O   Up", "1500 ms", "P   Dn", "1500 ms", "P   Up", "1500 ms", "Q   Dn", "1500 ms", "Q   Up", "1500 ms", "R   Dn", "1500 ms", "R   Up", "1500 ms", "S   Dn", "1500 ms", "S   Up", "1500 ms",/' \
    "$(line_of '^\[\[macros\]\]')" 'macro "One" is too long for the mouse'
expect_equal "$(ls "$work/none")" "" "nothing written by refused imports"

# Usage errors exit 2, other failures 1, each with one line.
for arguments in "export" "export $work/config.bin --sensor 300" "import $work/profile.toml" \
    "import --config $work/none/config.bin" "export $work/config.bin -o"; do
    # shellcheck disable=SC2086
    expect_exit 2 -- "$mousecfg" $arguments
    expect_one_stderr_line
done
for arguments in "export $work/missing.bin" "export $work/config.bin --macros $work/missing.ini" \
    "import $work/missing.toml --config $work/none/config.bin"; do
    # shellcheck disable=SC2086
    expect_exit 1 -- "$mousecfg" $arguments
    expect_one_stderr_line
done

finish
