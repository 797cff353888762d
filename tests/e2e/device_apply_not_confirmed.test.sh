#!/usr/bin/env bash
# When the mouse does not confirm what Apply sent (it stops sending, or answers for another slot),
# a notice in the window's language says so and what to try; config.bin is saved all the same and
# the mouse's own lighting values are not overwritten with zeros. A healthy Apply shows nothing new.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
config=$program_dir/config.bin

# Waits for config.bin to be saved by Apply (its first byte becomes 1).
wait_for_saved_config() {
    local waited=0
    until [ "$(od -An -tu1 -N1 "$config" | tr -d ' ')" = 1 ]; do
        [ "$waited" -lt 100 ] || fail "Apply did not save config.bin"
        sleep 0.1
        waited=$((waited + 1))
    done
}

# Usage: apply_with_fault FAULTS LANGUAGE CAPTION: starts the program with the emulator fault,
# clicks Apply and waits until config.bin is saved. Leaves the program running.
apply_with_fault() {
    printf '\0' | dd of="$config" bs=1 count=1 conv=notrunc 2>/dev/null
    write_page_settings Graphite "$2"
    export GM_EMULATOR_FAULTS=$1
    open_main_window
    unset GM_EMULATOR_FAULTS
    trace_start=$(($(wc -l <"$program_dir/wire-trace.log") + 1))
    driver click "${apply_button[@]}"
    wait_for_saved_config
}

apply_with_fault "" EN
driver no-notice "Settings not confirmed" 3000 >/dev/null || fail "a healthy Apply showed the notice"
[ "$(trace_count 'set-feature 00' $trace_start)" = 40 ] || fail "a healthy Apply did not send 40 commands"
exit_through_menu

apply_with_fault silent=1 EN
text=$(driver notice "Settings not confirmed") || fail "no notice after Apply to a mouse that stopped sending"
grep -q "Plug the mouse in again, then click Apply again" <<<"$text" || fail "the notice says: $text"
screenshot silent-en
driver message-box "Settings not confirmed" >/dev/null || fail "the notice did not close"
# Colour block 0 could not be read, so it is not sent back (as zeros or otherwise).
[ "$(trace_count 'set-feature 00 10 00' $trace_start)" = 0 ] || fail "colour block 0 was sent although it was not read"
driver visible >/dev/null || fail "Apply hid the window"
exit_through_menu

apply_with_fault reply-number=255 CHS
text=$(driver notice "设置未确认") || fail "no notice in Simplified Chinese after replies for another number"
grep -q "请重新插入鼠标" <<<"$text" || fail "the notice says: $text"
screenshot reply-number-chs
driver message-box "设置未确认" >/dev/null || fail "the notice did not close"
[ "$(trace_count 'set-feature 00 07 01' $trace_start)" = 0 ] || fail "LED set 1 was sent although it was not read"
exit_through_menu
echo "PASS [$scenario]"
