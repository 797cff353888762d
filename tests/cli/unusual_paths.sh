#!/usr/bin/env bash
# mousecfg on paths that are no config.bin file: a folder, an endless device, a pipe that never
# ends, a FIFO nobody writes to. Each gives one line and exit 1 without reading more than one byte
# past 1986 or waiting for a writer. A --trace that names the configuration file itself, or an
# existing file that is not a regular one, is refused and the file stays as it was.
set -uo pipefail
mousecfg=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
writer=
trap '[ -n "$writer" ] && kill "$writer" 2>/dev/null; rm -rf "$work"' EXIT
source "$here/lib/check.bash"
python3 "$here/lib/make_config.py" "$work/config.bin"
cp "$work/config.bin" "$work/original.bin"

mkfifo "$work/endless.fifo"
yes >"$work/endless.fifo" 2>/dev/null &
writer=$!
for arguments in "show $work" "matrix /dev/zero" "apply $work/endless.fifo --emulate"; do
    # shellcheck disable=SC2086
    expect_exit 1 -- timeout 20 "$mousecfg" $arguments
    expect_one_stderr_line
done
grep -q "more than 1986 bytes" <<<"$err" || { echo "FAIL: pipe message: $err"; failures=$((failures + 1)); }

mkfifo "$work/silent.fifo"
printf '[One]\r\nItemCount=1\r\nItem0=A   Dn\r\n' >"$work/record.ini"
for arguments in "show $work/silent.fifo" "macros $work/record.ini $work/silent.fifo" \
    "apply $work/config.bin --emulate --trace $work/silent.fifo" "apply $work/config.bin --emulate --trace $work"; do
    # shellcheck disable=SC2086
    expect_exit 1 -- timeout 20 "$mousecfg" $arguments
    expect_one_stderr_line
done

ln -s config.bin "$work/link.bin"
for trace in "$work/config.bin" "$work/link.bin" "$work/../$(basename "$work")/config.bin"; do
    expect_exit 2 -- "$mousecfg" apply "$work/config.bin" --emulate --trace "$trace"
    expect_one_stderr_line
done
cmp -s "$work/config.bin" "$work/original.bin" || { echo "FAIL: the trace overwrote CONFIG"; failures=$((failures + 1)); }

finish
