#!/usr/bin/env bash
# A profile file placed in the Profiles folder and chosen in the notification menu's Profiles
# submenu is put in force as OK puts the pages' settings: the mouse is sent the profile's settings,
# config.bin holds its record and record.ini its macros.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite ""
config=$program_dir/config.bin

# The profile: the factory settings with another lighting brightness and one macro, made by the
# command-line tool as a user would export it.
source_dir=$work_dir/source
mkdir -p "$source_dir" "$program_dir/Profiles"
printf '[Quiet One]\r\nMacroLoopTimes=2\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=20 ms\r\nItem2=A   Up\r\n' \
    >"$source_dir/record.ini"
wine "$build_dir/mousecfg.exe" export "$(winepath -w "$config")" --macros "$(winepath -w "$source_dir/record.ini")" \
    2>/dev/null | sed 's/^standard_brightness = .*/standard_brightness = "5%"/' >"$program_dir/Profiles/Quiet.toml"
grep -q '^standard_brightness = "5%"' "$program_dir/Profiles/Quiet.toml" || fail "the profile was not made"
# The record the profile holds, as the tool writes it.
wine "$build_dir/mousecfg.exe" import "$(winepath -w "$program_dir/Profiles/Quiet.toml")" \
    --config "$(winepath -w "$source_dir/expected.bin")" || fail "the profile does not import"

# config.bin and the profile's record agree, the first-run flag aside.
config_holds_profile() {
    cmp -s <(tail -c +2 "$config") <(tail -c +2 "$source_dir/expected.bin")
}
# record.ini (UTF-16LE, as the program creates it) names the profile's macro.
record_ini_holds_macro() {
    iconv -f UTF-16 -t UTF-8 "$program_dir/record.ini" 2>/dev/null | grep -q '^\[Quiet One\]'
}

start_program
wait_for_main_window
config_holds_profile && fail "config.bin held the profile before it was chosen"
trace_start_after_connection

driver tray right-up
driver menu-shown >/dev/null || fail "the notification menu did not open"
screenshot menu
driver menu-choose 1 1

wait_for "config.bin to hold the profile's record" 30 config_holds_profile
wait_for "record.ini to hold the profile's macro" 30 record_ini_holds_macro
wait_for_output "the settings sent to the mouse" 30 40 trace_count 'set-feature 00' "$trace_start"
[ "$(skins_setting Profile)" = Quiet ] || fail "str.ini does not remember the chosen profile"

exit_through_menu
echo "PASS [$scenario]"
