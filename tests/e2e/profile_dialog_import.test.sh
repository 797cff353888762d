#!/usr/bin/env bash
# The Profiles dialog, opened from its title-bar button, imports a profile exported by the
# command-line tool and edited by hand, chosen in the system's open dialog; a file edited into a
# report rate the mouse does not have is refused with its FILE:LINE and changes nothing. The
# notification menu's Profiles submenu then lists the imported profile above the dialog's item, and
# the profile chosen there is named in the title bar (screenshot) and keeps what Apply applies while
# it is in force.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite "${GM_PROFILES_LANGUAGE:-}"
config=$program_dir/config.bin
profiles=$program_dir/Profiles
profile_list=570

# Two hand edits of an export: a quieter lighting, and a report rate of 333 Hz.
edits=$work_dir/edits
mkdir -p "$edits"
wine "$build_dir/mousecfg.exe" export "$(winepath -w "$config")" 2>/dev/null | tr -d '\r' >"$edits/export.toml"
sed 's/^standard_brightness = .*/standard_brightness = "5%"/' "$edits/export.toml" >"$edits/Quiet.toml"
sed 's/^report_rate = .*/report_rate = 333/' "$edits/export.toml" >"$edits/Broken.toml"
grep -q '^standard_brightness = "5%"' "$edits/Quiet.toml" || fail "the quiet edit was not made"
broken_line=$(grep -n '^report_rate = 333' "$edits/Broken.toml" | cut -d: -f1)
[ -n "$broken_line" ] || fail "the broken edit was not made"

profiles_listed() {
    driver profiles-items $profile_list | tr -d '\r' | paste -sd,
}

open_main_window
driver click 686 14
wait_for_output "the Profiles dialog listing no profile" 30 "" profiles_listed

# Import: the refused file first.
driver profiles-click 200 120
driver file-dialog "$(winepath -w "$edits/Broken.toml")" || fail "the open dialog did not take the path"
notice=$(driver message-box Warning | tr -d '\r') || fail "no warning for the refused profile"
case $notice in
*"Broken.toml:$broken_line: report rate 333 Hz"*) ;;
*) fail "the warning does not name the file and line: $notice" ;;
esac
[ -z "$(ls -A "$profiles" 2>/dev/null)" ] || fail "a refused profile reached the Profiles folder"
[ "$(profiles_listed)" = "" ] || fail "a refused profile is listed"

driver profiles-click 200 120
driver file-dialog "$(winepath -w "$edits/Quiet.toml")" || fail "the open dialog did not take the path"
wait_for_output "the imported profile listed and selected" 30 Quiet profiles_listed
grep -q '^standard_brightness = "5%"' "$profiles/Quiet.toml" || fail "the import lost the hand edit"
driver dialog-text 571 | tr -d '\r' | grep -qx Quiet || fail "the name field does not show the selected profile"
screenshot dialog

# OK closes the dialog; the submenu lists the profile above the dialog's own item.
driver profiles-click 218 263
driver dialog-gone $profile_list >/dev/null || fail "OK did not close the Profiles dialog"
driver tray right-up
driver menu-shown >/dev/null || fail "the notification menu did not open"
driver menu-choose 1 0 || fail "the Profiles submenu did not open"
screenshot submenu
# Past the profile and the separator: the dialog's item.
driver menu-keys 1
driver profiles-items $profile_list >/dev/null || fail "the submenu's last item did not open the dialog"
driver profiles-click 320 263
driver dialog-gone $profile_list >/dev/null || fail "Cancel did not close the Profiles dialog"

# The imported profile chosen in the submenu is in force, and the title bar names it.
driver tray right-up
driver menu-shown >/dev/null || fail "the notification menu did not open"
driver menu-choose 1 1
wait_for_output "str.ini to remember the chosen profile" 30 Quiet skins_setting Profile
driver settled >/dev/null || fail "the main window's picture did not settle"
screenshot title

# An edit applied while the profile is in force is kept in it.
profile_rate() {
    grep '^report_rate = ' "$profiles/Quiet.toml"
}
[ "$(profile_rate)" = "report_rate = 1000" ] || fail "the profile did not start at 1000 Hz: $(profile_rate)"
driver click "${rate_125[@]}"
apply_and_wait
wait_for_output "the profile in force to keep the applied report rate" 30 "report_rate = 125" profile_rate
grep -q '^standard_brightness = "5%"' "$profiles/Quiet.toml" || fail "the profile lost what was not edited"

exit_through_menu
echo "PASS [$scenario]"
