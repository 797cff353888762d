#!/usr/bin/env bash
# The skins button opens the skins dialog; choosing the other skin and a text colour and confirming
# stores them in str.ini and draws the page again in the new skin, in a window of the same size.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
[ -d "$program_dir/Skins/Graphite" ] && [ -d "$program_dir/Skins/Crimson" ] ||
    { echo "SKIP [$scenario]: the Graphite and Crimson skins are needed"; exit 77; }
write_page_settings Graphite EN
open_main_window

page_spot=(300 130)
graphite_pixel=$(pixel_at "${page_spot[@]}")
read -r left top right bottom <<<"$(driver rect | tr -d '\r')"

driver click "${skins_button[@]}"
driver skins-shown >/dev/null || fail "the skins button did not open the skins dialog"
screenshot dialog
driver skins-click 80 136
driver skins-pick Crimson || fail "the skin list does not offer Crimson"
driver skins-click 90 102
driver colour-choose 255 200 0 || fail "the swatch did not open the colour chooser"
screenshot dialog-chosen
driver skins-click 200 263
driver visible >/dev/null || fail "the main window is not shown after the skins dialog"
expect_pixel_not "${page_spot[@]}" "$graphite_pixel" "the page was not drawn in the new skin"
driver settled >/dev/null
screenshot crimson

wait_for_output "str.ini Path" 30 Crimson skins_setting Path
[ "$(skins_setting RColor)" = 255 ] || fail "str.ini RColor is '$(skins_setting RColor)'"
[ "$(skins_setting GColor)" = 200 ] || fail "str.ini GColor is '$(skins_setting GColor)'"
[ "$(skins_setting BColor)" = 0 ] || fail "str.ini BColor is '$(skins_setting BColor)'"
[ "$(driver rect | tr -d '\r')" = "$left $top $right $bottom" ] || fail "the window changed its size or place"

# The other page is drawn in the new skin as well.
click_and_settle "${advanced_page_button[@]}"
screenshot crimson-advanced

exit_through_menu
echo "PASS [$scenario]"
