#!/usr/bin/env bash
# The button assignments in Simplified Chinese: the function list in the language, each function
# dialog with its texts and lists, and the Basic page with assignments in both key modes; Apply keeps
# the labels under the language's section of str.ini.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"
source "$(dirname "$0")/assign_helpers.bash"

require_emulated_build
prepare_page_program
write_page_settings Graphite CHS
open_main_window

open_list 5
items=$(driver list-items 45 | tr -d '\r' | tr '\n' ,)
[ "$items" = "左键,右键,中键,前进方向键,后退方向键,三连发,DPI切换,RGB打开/关闭,Windows,多媒体,火力键,单键,组合键,宏,按键关闭," ] ||
    fail "the function list offers $items"
pick_item 5 11
wait_for_dialog $single_key_name
press F5
expect_dialog_text $single_key_name F5 "the key F5 was captured as"
shoot_dialog $single_key_name single-key
end_dialog $single_key_name

open_list 3
pick_item 3 12
dialog_click $combo_modifier 90 77
shoot_dialog $combo_modifier combo-key-list
dialog_pick $combo_modifier 515 1
wait_for "the key edits enabled after the modifier was chosen" 30 driver dialog-enabled $combo_first_key
dialog_click $combo_modifier 90 127
press Tab
expect_dialog_text $combo_first_key Tab "the first key edit shows"
shoot_dialog $combo_modifier combo-key
end_dialog $combo_modifier

open_list 4
pick_item 4 10
dialog_click $fire_key_name 90 77
shoot_dialog $fire_key_name fire-key-list
dialog_pick $fire_key_name 573 2
expect_dialog_text $fire_key_name C "the fire key shows"
shoot_dialog $fire_key_name fire-key
end_dialog $fire_key_name

open_list 6
pick_item 6 9
[ "$(dialog_text $media_item)" = 下一首 ] || fail "the multimedia dialog opens on '$(dialog_text $media_item)'"
dialog_click $media_item 90 136
shoot_dialog $media_item media-key-list
dialog_pick $media_item 553 5
expect_dialog_text $media_item 音量+ "the multimedia item shows"
end_dialog $media_item

open_list 7
pick_item 7 8
dialog_click $windows_item 90 136
shoot_dialog $windows_item windows-key-list
dialog_pick $windows_item 533 10
expect_dialog_text $windows_item 浏览器-收藏夹 "the Windows item shows"
shoot_dialog $windows_item windows-key
end_dialog $windows_item

# Wine takes a moment to draw the page again where the dialog stood.
xdotool mousemove $((window_x + empty_spot[0])) $((window_y + empty_spot[1]))
driver settled >/dev/null
screenshot mode-a
driver click 409 528
open_list 4
pick_item 4 14
driver control-gone 44 >/dev/null || fail "box 4's list stayed open after Key Off"
xdotool mousemove $((window_x + empty_spot[0])) $((window_y + empty_spot[1]))
driver settled >/dev/null
screenshot mode-b
apply_and_wait

labels=$(for item in 3 4 5 6 7 43; do settings_value Setting-CHS "Item$item"; done | tr '\n' ,)
[ "$labels" = "组合键-Left Shift+Tab,火力键-C,单键-F5,多媒体-音量+,浏览器-收藏夹,按键关闭," ] ||
    fail "str.ini holds the labels $labels"
expect_record_bytes $key_mode 1 $((combo_mask + 2)) 2 $((combo_first + 2)) 43 $((windows_usage_low + 6)) 42 \
    $((windows_usage_high + 6)) 2

exit_through_menu
echo "PASS [$scenario]"
