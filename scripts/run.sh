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
cp "$root/build/win/emulated/"*.exe "$program_dir/"

if [ -n "$had_display" ]; then
    exec wine "$program_dir/Krello_Marrowin².exe"
fi
python3 "$root/tests/e2e/driver.py" showcase --program "$program_dir/Krello_Marrowin².exe" --out "$root/artifacts"
echo "Screenshots are in artifacts/."
