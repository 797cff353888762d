#!/usr/bin/env bash
# `mousecfg matrix` prints key matrix 1 of the active key mode; `mousecfg show` describes the
# whole configuration.
set -uo pipefail
mousecfg=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/lib/check.bash"
python3 "$here/lib/make_config.py" "$work/config.bin"

# Key mode B: macro 3 with repeat mode 1 on button 1, key 04h on button 4 (entry 4), buttons 6
# and 7 "DPI +" and "Shift DPI", then the two fixed entries.
expect_exit 0 -- "$mousecfg" matrix "$work/config.bin"
expect_equal "$out" "00030109
00f10001
00f20001
00f30001
00040000
00010007
01040007
00000000
00000000
00000000
00000000
00000000
00000000
00000000
00f70001
00f80001" "matrix of the test config"

expect_exit 0 -- "$mousecfg" show "$work/config.bin"
for expected in "Mode A" "Mode B (active)" "  Button 1: Macro Key: macro 3, repeat mode 1" \
    "  Button 4: Single Key: key 04" "  Button 7: DPI Switch: Shift DPI" "  Button 4: Forward" \
    "  Stage 1: on, position 5" "  Stage 2: off, position 8" "Report rate: 500 Hz" \
    "Lighting: Neon, cycle 15S, RGB Fixed On" "  Macro 3: 300" "  Macro 4: empty" "  Speed position: 6" \
    "  Scroll lines: 3" "  Double-click position: 6"; do
    if ! grep -qF -- "$expected" <<<"$out"; then
        echo "FAIL: show lacks '$expected'"
        failures=$((failures + 1))
    fi
done

finish
