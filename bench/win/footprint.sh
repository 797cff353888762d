#!/usr/bin/env bash
# Prints the footprint of the emulated build under Wine beside that of a minimal tray program: time
# from start to the notification icon, working set and private bytes idle in the tray and with the
# window open, the CPU time used over IDLE_SECONDS (default 30) idle in the tray, and the first show
# of the window (from the click on the icon until it is shown and painted). Last, the two programs
# are started in turn START_TURNS times (default 9) and the median time from start to the icon of
# each is printed: taking turns weighs a change of the machine's load on both alike. Both programs
# run from a fresh folder with the factory config.bin, an English str.ini and the build's skins.
# Usage: bench/win/footprint.sh [WINDOWS_BUILD_DIR]   (Wine set up by scripts/wine-env.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/win}
exe_name="Krello_Marrowin².exe"
# The window classes the benchmark looks for: the program's main window and the baseline's.
program_class=Z9GMClass
baseline_class=GMMinimalTray

for file in "emulated/$exe_name" footprint_bench.exe minimal_tray.exe; do
    [ -f "$build/$file" ] || { echo "footprint: $build/$file not built" >&2; exit 1; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/gm-footprint.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program"
cp "$build/emulated/$exe_name" "$work/program/"
/usr/bin/python3 "$root/packaging/make_factory_config.py" --out "$work/program" --language EN >/dev/null
cp -r "$build/Skins" "$work/program/"
cp "$build/minimal_tray.exe" "$work/"

wine "$build/footprint_bench.exe" "$(winepath -w "$work/program/$exe_name")" "$program_class" \
    "$(winepath -w "$work/minimal_tray.exe")" "$baseline_class" "${IDLE_SECONDS:-30}" "${START_TURNS:-9}"
