#!/usr/bin/env bash
# `mousecfg apply --emulate --fault NAME=VALUE` makes the emulated mouse misbehave. A mouse that
# goes away, stops sending, garbles its replies, answers for another number or announces short
# blocks ends in exit 1 with one line that names what failed, the whole sequence still sent but
# for the writes of the mouse's own lighting values that could not be read; a mouse that stops
# sending costs one read time-out, not one per read.
set -uo pipefail
mousecfg=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/lib/check.bash"
python3 "$here/lib/make_config.py" "$work/config.bin"

# fault, reports that went through, reports that failed, what stderr names (the connection
# exchange takes 3 reports, Apply 40 commands, 17 replies, 59 chunks written and 50 read; the
# config's Neon with RGB Fixed On decides LED set 0 but not the effect bytes, so a mouse whose
# reads fail gets neither the effect, LED set 1 nor colour block 0 back)
cases=(
    "unplug-after=33|33|40|failed: write macro slot 2-12, read macro slot 1-12, write key matrix 1-4"
    "silent=1|117|14|failed: read colour block 0-1, read macro slot 1-12; not sent: write colour block 0"
    "no-replies=1|97|18|not sent: write colour block 0, write LED set 1, write lighting effect"
    "bad-checksum=1|165|0|failed: read lighting effect, read LED set 0-1, read colour block 0-1"
    "reply-code=0x03|165|0|connection exchange (sensor settings); failed: read lighting effect"
    "reply-number=255|166|0|failed: read LED set 0-1, read colour block 0-1, read macro slot 1-12"
    "announced-length=0|117|0|failed: read colour block 0-1, read macro slot 1-12; not sent"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r fault delivered failed named <<<"$entry"
    expect_exit 1 -- "$mousecfg" apply "$work/config.bin" --emulate --fault "$fault" --trace "$work/trace.log"
    expect_one_stderr_line
    grep -qF -- "$named" <<<"$err" || { echo "FAIL: $fault: stderr does not name \"$named\": $err"; failures=$((failures + 1)); }
    expect_equal "$(grep -v '^sleep' "$work/trace.log" | grep -vc 'failed$')" "$delivered" "$fault: reports delivered"
    expect_equal "$(grep -c 'failed$' "$work/trace.log")" "$failed" "$fault: reports failed"
done

# A block announced longer than the item is taken in full; one announced shorter is not.
expect_exit 0 -- "$mousecfg" apply "$work/config.bin" --emulate --fault announced-length=0xFF
expect_exit 1 -- "$mousecfg" apply "$work/config.bin" --emulate --fault announced-length=8 --fault chunks-sent=1

start=$(date +%s%N)
expect_exit 1 -- "$mousecfg" apply "$work/config.bin" --emulate --fault silent=1
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$elapsed" -lt 2500 ] || { echo "FAIL: a silent mouse held Apply for $elapsed ms"; failures=$((failures + 1)); }

finish
