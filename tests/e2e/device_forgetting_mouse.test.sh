#!/usr/bin/env bash
# A mouse that forgets its settings when unplugged (the emulator's forget-on-unplug fault) is
# noticed when it comes back: a balloon says it holds other settings than the program, and a click
# on the balloon sends the program's settings. At start-up the same check runs, in the window's
# language. With "Apply settings when the mouse is connected" ticked in the icon's menu (kept in
# str.ini), the settings go to the mouse on every arrival without asking.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
config=$program_dir/config.bin
trace=$program_dir/wire-trace.log

# Waits (at most 10 s) until the wire trace holds at least $2 lines with prefix $1 from line $3 on.
wait_for_trace() {
    local waited=0
    until [ "$(trace_count "$1" "$3")" -ge "$2" ]; do
        [ "$waited" -lt 100 ] || fail "the trace holds $(trace_count "$1" "$3") \"$1\" lines, not $2"
        sleep 0.1
        waited=$((waited + 1))
    done
}

next_line() {
    echo $(($(wc -l <"$trace") + 1))
}

write_page_settings Graphite EN
export GM_EMULATOR_FAULTS=forget-on-unplug=1
open_main_window
driver click "${apply_button[@]}"
wait_for_trace 'set-feature 00 12 04' 1 1

driver emulator unplug >/dev/null || fail "the emulator did not take the unplug"
driver hidden >/dev/null || fail "the window stayed open without the mouse"
start=$(next_line)
driver emulator plug 1 >/dev/null || fail "the emulator did not take the plug-in"
driver balloon "The mouse's settings differ from this program." 10000 >/dev/null ||
    fail "no balloon for the mouse that forgot its settings"
screenshot balloon-en
# The check only reads: seventeen reads after the connection exchange, nothing written.
[ "$(trace_count 'set-feature 00 93' "$start")" = 12 ] || fail "the macro slots were not read back"
[ "$(trace_count 'write' "$start")" = 0 ] || fail "the check wrote to the mouse"

start=$(next_line)
driver tray balloon-click
wait_for_trace 'set-feature 00 12 04' 1 "$start"
[ "$(trace_count 'set-feature 00 13' "$start")" = 12 ] || fail "the balloon click did not send the macro slots"
[ "$(trace_count 'set-feature 00' "$start")" = 40 ] || fail "the balloon click did not send the whole Apply"
[ "$(od -An -tu1 -N1 "$config" | tr -d ' ')" = 1 ] || fail "config.bin was not saved by Apply"
exit_through_menu

# Start-up in Simplified Chinese: config.bin was saved, the new mouse holds its factory state.
write_page_settings Graphite CHS
start_program
wait_for_main_window
driver balloon "鼠标中的设置与本程序的设置不同" 10000 >/dev/null || fail "no balloon in Simplified Chinese at start-up"
screenshot balloon-chs

driver tray right-up
driver menu-shown >/dev/null || fail "the notification menu did not open"
screenshot menu-chs
driver menu-choose 3
waited=0
until [ "$(skins_setting ApplyOnConnect)" = 1 ]; do
    [ "$waited" -lt 100 ] || fail "the menu item did not store ApplyOnConnect=1 in str.ini"
    sleep 0.1
    waited=$((waited + 1))
done
driver emulator unplug >/dev/null
start=$(next_line)
driver emulator plug 1 >/dev/null
wait_for_trace 'set-feature 00 12 04' 1 "$start"
[ "$(trace_count 'set-feature 00 13' "$start")" = 12 ] || fail "the settings were not sent on arrival"
[ "$(trace_count 'set-feature 00 93' "$start")" = 12 ] || fail "the arrival sent more than one Apply"
unset GM_EMULATOR_FAULTS
exit_through_menu
echo "PASS [$scenario]"
