#!/usr/bin/env bash
# A program a profile names, brought to the front, puts that profile in force: the mouse is sent its
# settings and config.bin holds its record. When another program comes to the front, the profile the
# user chose is put back the same way.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite ""
config=$program_dir/config.bin
profiles=$program_dir/Profiles
mkdir -p "$profiles"

# "Desk", the chosen profile, holds the factory settings; "Game" a quieter lighting and names
# game.exe, the driver under another name.
wine "$build_dir/mousecfg.exe" export "$(winepath -w "$config")" 2>/dev/null | tr -d '\r' >"$profiles/Desk.toml"
sed -e 's/^standard_brightness = .*/standard_brightness = "5%"/' \
    -e '0,/^key_mode = /s//programs = ["game.exe"]\n&/' "$profiles/Desk.toml" >"$profiles/Game.toml"
grep -q '^programs = \["game.exe"\]' "$profiles/Game.toml" || fail "the game's profile was not made"
printf 'Profile=Desk\r\n' | iconv -f UTF-8 -t UTF-16LE >>"$program_dir/str.ini"
for name in Game Desk; do
    wine "$build_dir/mousecfg.exe" import "$(winepath -w "$profiles/$name.toml")" \
        --config "$(winepath -w "$work_dir/$name.bin")" || fail "the $name profile does not import"
done
cp "$driver_exe" "$work_dir/game.exe"
cp "$driver_exe" "$work_dir/other.exe"

# config.bin holds the profile's record, the first-run flag aside.
config_holds() {
    cmp -s <(tail -c +2 "$config") <(tail -c +2 "$work_dir/$1.bin")
}

start_program
wait_for_main_window
config_holds Game && fail "config.bin held the game's profile before the game was in front"
trace_start_after_connection

wine "$work_dir/game.exe" front-window >/dev/null 2>&1 &
program_pids+=($!)
wait_for "config.bin to hold the game's profile" 30 config_holds Game
wait_for_output "the game's settings sent to the mouse" 30 40 trace_count 'set-feature 00' "$trace_start"
trace_start=$(trace_end)

wine "$work_dir/other.exe" front-window >/dev/null 2>&1 &
program_pids+=($!)
wait_for "config.bin to hold the chosen profile again" 30 config_holds Desk
wait_for_output "the chosen settings sent to the mouse" 30 40 trace_count 'set-feature 00' "$trace_start"

driver front-window-close other.exe || fail "the other window did not close"
driver front-window-close game.exe || fail "the game's window did not close"
exit_through_menu
echo "PASS [$scenario]"
