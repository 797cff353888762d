#!/usr/bin/env bash
# Shows the program off on the current X display and saves screenshots: start-up (icon only), the
# main window opened from the icon with its Basic and Advanced Settings pages, and the icon's menu;
# then ends the program through "Exit".
# Usage: showcase.sh PROGRAM.exe E2E_DRIVER.exe OUTPUT-FOLDER
set -euo pipefail
program=$1
driver_exe=$2
out=$3
mkdir -p "$out"

driver() { wine "$driver_exe" "$@"; }
shot() { import -window root "$out/showcase-$1.png"; }

wine "$program" &
program_pid=$!
trap 'kill $program_pid 2>/dev/null || true' EXIT

# Each picture is taken once the program's window shows what it was asked to.
driver find 30000 >/dev/null
shot 1-started

driver tray left-up
driver visible >/dev/null
driver settled >/dev/null
shot 2-basic-page

# The page buttons sit at the top left of the window (client pixels).
driver click 80 74
driver settled >/dev/null
shot 3-advanced-page
driver click 34 74

driver tray right-up
driver menu-shown >/dev/null
shot 4-tray-menu
driver menu-choose 2
wait "$program_pid"
trap - EXIT
