#!/usr/bin/env bash
# The installer, silently under Wine in a prefix of its own: the files land, "Lan" is written and the
# logon task registered (not with /NOAUTOSTART); the uninstaller removes everything it installed,
# the logon task and the registry entry, and keeps config.bin, str.ini and record.ini only when
# /KEEPSETTINGS asks for it. Skins the user added stay.
source "$(dirname "$0")/lib.sh" "$1"

[ -f "$build_dir/program/$exe_name" ] || { echo "SKIP [$scenario]: no hardware build"; exit 77; }
command -v makensis >/dev/null || { echo "SKIP [$scenario]: makensis is not installed"; exit 77; }

bash "$e2e_root/scripts/make-dist.sh" "$build_dir" "$work_dir/dist" "$work_dir/installer" >"$work_dir/dist.log" 2>&1 ||
    fail "make-dist failed: $(tail -5 "$work_dir/dist.log")"
setup="$work_dir/installer/Krello_Marrowin²_Setup.exe"
[ -f "$setup" ] || fail "no installer was built"

# A prefix of its own keeps the scenario's installs away from the prefix the other tests share.
export WINEPREFIX="$build_dir/wineprefix-installer"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi
drive_c="$WINEPREFIX/drive_c"
install_dir="$drive_c/Program Files/Krello Marrowin²"
task_file="$drive_c/windows/system32/tasks/KrelloMarrowin"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Krello Marrowin².lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KrelloMarrowin'

# What an earlier run that failed half way may have left.
rm -rf "$install_dir" "$task_file" "$shortcut"
wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true

# Runs a Windows program and waits until every process it started (the uninstaller runs a copy of
# itself from the temporary folder) has ended.
run_and_wait() {
    wine "$@" >>"$work_dir/wine.log" 2>&1 || fail "$(basename "$1") $* ended with $?"
    wineserver -w
}

lan_value() {
    iconv -f UTF-16 -t UTF-8 "$install_dir/str.ini" | tr -d '\r' | awk -F= '$1 == "Lan" {print $2}'
}

registered() {
    wine reg query "$uninstall_key" >/dev/null 2>&1
}

# 1. Install in German with the logon task.
run_and_wait "$setup" /S /LAN=GER
for file in "$exe_name" config.bin uninstall.exe; do
    [ -f "$install_dir/$file" ] || fail "$file was not installed"
done
cmp -s "$work_dir/dist/$exe_name" "$install_dir/$exe_name" || fail "the installed program differs from dist/"
cmp -s "$work_dir/dist/config.bin" "$install_dir/config.bin" || fail "the installed config.bin differs from dist/"
diff -r "$work_dir/dist/Skins" "$install_dir/Skins" >/dev/null || fail "the installed skins differ from dist/"
[ "$(lan_value)" = GER ] || fail "str.ini holds Lan='$(lan_value)'"
[ -f "$task_file" ] || fail "no logon task was registered"
grep -q "<ExecutionTimeLimit>PT0S</ExecutionTimeLimit>" "$task_file" || fail "the logon task has a time limit"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
registered || fail "no uninstall entry in the registry"

# 2. The program ran: the user's own settings, a kept unusable file, a half-written save and a skin
#    of the user's own.
printf '\001' | dd of="$install_dir/config.bin" conv=notrunc status=none
printf 'user config' >"$install_dir/config.bin.bad"
printf 'half' >"$install_dir/config.bin.tmp"
printf '[Macro1]\r\n' >"$install_dir/record.ini"
mkdir -p "$install_dir/Skins/Mine"
cp "$work_dir/dist/Skins/$(ls "$work_dir/dist/Skins" | head -1)/main.png" "$install_dir/Skins/Mine/"
user_config=$(od -An -tx1 "$install_dir/config.bin" | md5sum)

# 3. Uninstall keeping the settings.
run_and_wait "$install_dir/uninstall.exe" /S /KEEPSETTINGS
for file in config.bin config.bin.bad str.ini record.ini Skins/Mine/main.png; do
    [ -f "$install_dir/$file" ] || fail "$file was not kept"
done
kept=$(cd "$install_dir" && find . -type f | sort | tr '\n' ' ')
[ "$kept" = "./Skins/Mine/main.png ./config.bin ./config.bin.bad ./record.ini ./str.ini " ] ||
    fail "after uninstalling with /KEEPSETTINGS the folder holds: $kept"
[ ! -e "$task_file" ] || fail "the logon task was not removed"
[ ! -e "$shortcut" ] || fail "the Start menu shortcut was not removed"
! registered || fail "the uninstall entry was not removed"

# 4. Installing again keeps the user's config.bin, writes the new language, and /NOAUTOSTART leaves
#    the logon task out.
run_and_wait "$setup" /S /LAN=CHS /NOAUTOSTART
[ "$(od -An -tx1 "$install_dir/config.bin" | md5sum)" = "$user_config" ] || fail "reinstalling replaced config.bin"
[ "$(lan_value)" = CHS ] || fail "str.ini holds Lan='$(lan_value)' after reinstalling"
[ ! -e "$task_file" ] || fail "/NOAUTOSTART still registered the logon task"

# 5. Uninstall without keeping anything: once the user's skin is gone, nothing is left.
rm -rf "$install_dir/Skins/Mine"
run_and_wait "$install_dir/uninstall.exe" /S
[ ! -e "$install_dir" ] || fail "left behind: $(cd "$install_dir" && find . | tr '\n' ' ')"
! registered || fail "the uninstall entry was not removed"

echo "PASS [$scenario]"
