#!/usr/bin/env bash
# `mousecfg apply --emulate --trace FILE` talks to the emulated mouse and writes the whole wire
# trace: the connection exchange, then Apply's forty commands; `--device` has no mouse natively.
set -uo pipefail
mousecfg=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/lib/check.bash"
python3 "$here/lib/make_config.py" "$work/config.bin"
cp "$work/config.bin" "$work/original.bin"

expect_exit 0 -- "$mousecfg" apply "$work/config.bin" --emulate --sensor 1 --trace "$work/trace.log"
trace=$(cat "$work/trace.log" 2>/dev/null)
count() { grep -c "^$1" <<<"$trace"; }
# Two commands and one reply for the connection exchange, then 40 commands and 17 replies.
expect_equal "$(count 'set-feature ')" 42 "commands in the trace"
expect_equal "$(count 'get-feature ')" 18 "replies in the trace"
expect_equal "$(count 'write ')" 59 "data chunks written"
expect_equal "$(count 'sleep 3$')" 59 "pauses after chunks"
expect_equal "$(count 'sleep 2$')" 36 "pauses after paired commands"
expect_equal "$(sed -n 1p <<<"$trace")" "set-feature 00 83 00 00 00 00 00 00 7c" "first line"
expect_equal "$(grep -m1 '^get-feature' <<<"$trace" | cut -d' ' -f2-4)" "00 83 01" "sensor type in the reply"
# The DPI block for sensor 1: stage codes 05 and A5 (stage 2 off), 01 and 81, then the fillers.
expect_equal "$(grep -A1 '^set-feature 00 11 04 08' <<<"$trace" | sed -n 2p | cut -d' ' -f2-10)" \
    "00 05 a5 01 81 80 80 80 80" "DPI data"
# Every report is written in full: 9 bytes for features, 33 for data chunks.
bad=$(grep -E '^(set|get)-feature' <<<"$trace" | awk 'NF != 10' | head -1)
expect_equal "$bad" "" "feature report length"
bad=$(grep -E '^(write|read) ' <<<"$trace" | awk 'NF != 34' | head -1)
expect_equal "$bad" "" "data report length"
cmp -s "$work/config.bin" "$work/original.bin" || { echo "FAIL: apply changed CONFIG"; failures=$((failures + 1)); }

expect_exit 1 -- "$mousecfg" apply "$work/config.bin" --emulate --trace "$work/no/such/dir/trace.log"
expect_one_stderr_line

# Natively there is no HID access at all; on Windows (under Wine) there is no mouse to find.
expect_exit 1 -- "$mousecfg" apply "$work/config.bin" --device
expect_one_stderr_line
grep -qE "no HID device access exists on this platform|was not found" <<<"$err" ||
    { echo "FAIL: --device message: $err"; failures=$((failures + 1)); }

finish
