#!/usr/bin/env bash
# Prints the benchmark figures: Apply against the emulated mouse with pacers that really wait
# (native, and the Windows build under Wine), the check of a mouse that arrives (native), a profile
# switch by the program in front from the foreground change to its last report (native), the
# hover redraw with and without the image cache
# under Wine, and the footprint of the emulated build under Wine (start time, memory, idle CPU)
# beside a minimal tray program. The native benchmarks run from the Release tree (no sanitizers).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-15}

bash scripts/install-deps.sh
bash scripts/build.sh release
bash scripts/build.sh windows

echo "== Apply, native"
"$root/build/release/apply_bench" "$runs"
echo "== Apply with a mouse that misbehaves (worst-case freeze), native"
"$root/build/release/apply_freeze_bench"
echo "== Check of a mouse that arrives (user-interface thread), native"
"$root/build/release/arrival_check_bench" "$runs"
echo "== Profile switch by the program in front (stay, files, Apply), native"
"$root/build/release/profile_switch_bench" "$runs"

source scripts/wine-env.sh
echo "== Apply, Windows build under Wine"
wine "$root/build/win/apply_bench.exe" "$runs"
echo "== Hover redraw, Windows build under Wine"
wine "$root/build/win/hover_draw_bench.exe"
echo "== Footprint, emulated build under Wine beside a minimal tray program"
bash "$root/bench/win/footprint.sh" "$root/build/win"
