#!/usr/bin/env bash
# mousecfg refuses malformed command lines with exit 2 and one line on stderr, and reports missing
# or damaged files with exit 1.
set -uo pipefail
mousecfg=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/lib/check.bash"
python3 "$here/lib/make_config.py" "$work/config.bin"

usage_cases=(
    ""
    "frobnicate $work/config.bin"
    "show"
    "show $work/config.bin extra"
    "matrix"
    "macros"
    "apply"
    "apply $work/config.bin"
    "apply --emulate"
    "apply $work/config.bin --emulate --device"
    "apply $work/config.bin --emulate --sensor"
    "apply $work/config.bin --emulate --sensor 256"
    "apply $work/config.bin --emulate --sensor x1"
    "apply $work/config.bin --emulate --trace"
    "apply $work/config.bin --emulate --bogus"
    "apply $work/config.bin $work/config.bin --emulate"
    "apply $work/config.bin --device --sensor 1"
    "apply $work/config.bin --emulate --fault"
    "apply $work/config.bin --emulate --fault loud=1"
    "apply $work/config.bin --emulate --fault silent"
    "apply $work/config.bin --emulate --fault chunks-sent=1000000000"
    "apply $work/config.bin --device --fault silent=1"
)
for arguments in "${usage_cases[@]}"; do
    # shellcheck disable=SC2086
    expect_exit 2 -- "$mousecfg" $arguments
    expect_one_stderr_line
done

python3 "$here/lib/make_config.py" "$work/short.bin" 1985
python3 "$here/lib/make_config.py" "$work/long.bin" 1987
for arguments in "show $work/missing.bin" "matrix $work/missing.bin" "apply $work/missing.bin --emulate" \
    "show $work/short.bin" "matrix $work/long.bin"; do
    # shellcheck disable=SC2086
    expect_exit 1 -- "$mousecfg" $arguments
    expect_one_stderr_line
    [ -z "$out" ] || { echo "FAIL: '$arguments' printed on stdout: $out"; failures=$((failures + 1)); }
done

finish
