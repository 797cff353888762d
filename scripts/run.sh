#!/usr/bin/env bash
# Builds everything and starts the program (the emulated build, so no mouse is needed) under Wine.
# Without a display it runs on a virtual one, opens the main window from the notification icon and
# leaves screenshots in artifacts/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
bash scripts/build.sh all
bash scripts/make-dist.sh

had_display=${DISPLAY:-}
source scripts/wine-env.sh
mkdir -p artifacts
program_dir="$root/build/run"
rm -rf "$program_dir" && cp -r "$root/dist" "$program_dir"
# The emulated build needs no mouse; until it exists the hardware build stands in.
program_build="$root/build/win/emulated"
[ -f "$program_build/Krello_Marrowin².exe" ] || program_build="$root/build/win/program"
cp "$program_build/"*.exe "$program_dir/"

if [ -n "$had_display" ]; then
    exec wine "$program_dir/Krello_Marrowin².exe"
fi
bash "$root/tests/e2e/showcase.sh" "$program_dir/Krello_Marrowin².exe" "$root/build/win/e2e_driver.exe" \
    "$root/artifacts"
echo "Screenshots are in artifacts/."
