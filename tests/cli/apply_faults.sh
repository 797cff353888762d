#!/usr/bin/env bash
# `mousecfg apply --emulate --fault NAME=VALUE` makes the emulated mouse misbehave. A mouse that
# goes away, stops sending or garbles its replies ends in exit 1 with one line, the whole sequence
# still sent; a mouse that stops sending costs one read time-out, not one per read.
set -uo pipefail
mousecfg=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/lib/check.bash"
python3 "$here/lib/make_config.py" "$work/config.bin"

# fault, reports that went through, reports that failed (the connection exchange takes 3, Apply
# 40 commands, 17 replies, 59 chunks written and 50 read)
cases=(
    "unplug-after=33 33 40"
    "silent=1 119 14"
    "bad-checksum=1 169 0"
    "reply-code=0x03 169 0"
)
for entry in "${cases[@]}"; do
    read -r fault delivered failed <<<"$entry"
    expect_exit 1 -- "$mousecfg" apply "$work/config.bin" --emulate --fault "$fault" --trace "$work/trace.log"
    expect_one_stderr_line
    expect_equal "$(grep -v '^sleep' "$work/trace.log" | grep -vc 'failed$')" "$delivered" "$fault: reports delivered"
    expect_equal "$(grep -c 'failed$' "$work/trace.log")" "$failed" "$fault: reports failed"
done

# The short announced length is no failure: the mouse answers what it announces.
expect_exit 0 -- "$mousecfg" apply "$work/config.bin" --emulate --fault announced-length=8 --fault chunks-sent=1

start=$(date +%s%N)
expect_exit 1 -- "$mousecfg" apply "$work/config.bin" --emulate --fault silent=1
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$elapsed" -lt 2500 ] || { echo "FAIL: a silent mouse held Apply for $elapsed ms"; failures=$((failures + 1)); }

finish
