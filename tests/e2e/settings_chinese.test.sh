#!/usr/bin/env bash
# The settings groups in Simplified Chinese ("Lan" = CHS): the lighting lists and fields speak the
# language; screenshots of each lighting list open and of both pages after changes. Default puts
# Wine's pointer settings back at the end.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"
source "$(dirname "$0")/settings_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Crimson CHS
open_main_window

driver click $(dpi_cell 2 7)
driver click $(dpi_box 3)
driver click $(lighting_field 1)
[ "$(list_items 63 | paste -sd,)" = 标准模式,呼吸模式,霓虹模式 ] || fail "mode list: $(list_items 63 | paste -sd,)"
screenshot mode-list-chs
driver list-choose 63 2 >/dev/null
[ "$(control_text 80),$(control_text 82)" = "霓虹模式,RGB闪烁" ] || fail "Neon shows $(control_text 80),$(control_text 82)"
driver click $(lighting_field 2)
[ "$(list_items 64 | wc -l)" = 30 ] || fail "the Neon list has $(list_items 64 | wc -l) items"
screenshot parameter-list-chs
driver list-choose 64 0 >/dev/null
[ "$(control_text 81)" = 0.5S ] || fail "the parameter field shows $(control_text 81)"
driver click $(lighting_field 3)
[ "$(list_items 65 | paste -sd,)" = RGB闪烁,RGB常亮 ] || fail "Neon effects: $(list_items 65 | paste -sd,)"
screenshot effect-list-chs
driver list-choose 65 1 >/dev/null
[ "$(control_text 82)" = RGB常亮 ] || fail "the effect field shows $(control_text 82)"
screenshot basic-after-chs

driver click "${advanced_page_button[@]}"
driver click $(pointer_segment 1 11)
driver click $(pointer_segment 2 1)
driver click $(pointer_segment 3 8)
click_and_settle "${one_screen_box[@]}"
screenshot advanced-after-chs
driver click "${pointer_default[@]}"
wait_for_output "Wine's pointer settings after Default" 30 "precision 0 speed 10 wheel 3 double-click 500" pointer_settings

exit_through_menu
echo "PASS [$scenario]"
