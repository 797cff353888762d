#!/usr/bin/env bash
# `mousecfg macros RECORD_INI [CONFIG]` re-encodes the macro area from record.ini as Confirm does and
# prints the twelve slots; slots without a macro keep CONFIG's bytes, and a macro too long for the
# mouse leaves its slot empty.
set -uo pipefail
mousecfg=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/lib/check.bash"
python3 "$here/lib/make_config.py" "$work/config.bin"

# slots BYTES...: the expected listing, one argument per slot with its leading bytes, zero-filled.
slots() {
    python3 - "$@" <<'PY'
import sys
slots = sys.argv[1:] + [""] * (12 - len(sys.argv[1:]))
for slot in slots:
    data = bytes.fromhex(slot) + bytes(128 - len(bytes.fromhex(slot)))
    print(" ".join(f"{b:02x}" for b in data))
PY
}

printf '[One]\r\nMacroLoopTimes=300\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=1500 ms\r\nItem2=A   Up\r\n' >"$work/record.ini"
printf '[Two]\r\nMacroLoopTimes=0\r\nItemCount=2\r\nItem0=L-Button   Dn\r\nItem1=50 ms\r\n' >>"$work/record.ini"
expect_exit 0 -- "$mousecfg" macros "$work/record.ini"
expect_equal "$out" "$(slots '012c 0004 0f03 8004' '0001 05f0')" "macros without CONFIG"

expect_exit 0 -- "$mousecfg" macros "$work/record.ini" "$work/config.bin"
expect_equal "$out" "$(slots '012c 0004 0f03 8004' '0001 05f0' '012c 0504')" "macros over CONFIG's area"

{
    printf '[Long]\r\nItemCount=64\r\n'
    for i in $(seq 0 63); do printf 'Item%d=B   Dn\r\n' "$i"; done
} >>"$work/record.ini"
expect_exit 0 -- "$mousecfg" macros "$work/record.ini" "$work/config.bin"
expect_equal "$out" "$(slots '012c 0004 0f03 8004' '0001 05f0')" "an over-long macro leaves its slot empty"
expect_equal "$err" 'mousecfg: macro "Long" is too long for the mouse; its slot is left empty' "the warning"

for arguments in "macros $work/missing.ini" "macros $work" "macros /proc/self/mem" \
    "macros $work/record.ini $work/missing.bin"; do
    # shellcheck disable=SC2086
    expect_exit 1 -- "$mousecfg" $arguments
    expect_one_stderr_line
done

# A record.ini its reader may not open. Root opens any file, so as root the tool runs as nobody
# when nobody can reach it.
shared=$(mktemp -d)
chmod 755 "$shared"
cp "$work/record.ini" "$shared/record.ini"
chmod 000 "$shared/record.ini"
as_reader=()
[ "$(id -u)" = 0 ] && as_reader=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if "${as_reader[@]}" test -x "$mousecfg"; then
    expect_exit 1 -- "${as_reader[@]}" "$mousecfg" macros "$shared/record.ini"
    expect_one_stderr_line
fi
rm -rf "$shared"
for arguments in "macros" "macros $work/record.ini $work/config.bin extra"; do
    # shellcheck disable=SC2086
    expect_exit 2 -- "$mousecfg" $arguments
    expect_one_stderr_line
done

finish
