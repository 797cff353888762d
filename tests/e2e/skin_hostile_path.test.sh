#!/usr/bin/env bash
# A "Path" in str.ini that names no skin, or leads out of the Skins folder, still opens the window:
# the program draws the first complete skin, at that skin's size.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/page_helpers.bash"

require_emulated_build
prepare_page_program
sizes=$(for image in "$program_dir"/Skins/*/main.png; do identify -format '%w %h\n' "$image"; done | sort -u)
[ "$(wc -l <<<"$sizes")" = 1 ] || { echo "SKIP [$scenario]: the skins differ in size"; exit 77; }

number=0
for path in 'NoSuchSkin' '..\..\..\Windows'; do
    number=$((number + 1))
    write_page_settings "$path" EN
    open_main_window
    screenshot "path-$number"
    read -r left top right bottom <<<"$(driver rect | tr -d '\r')"
    [ "$((right - left)) $((bottom - top))" = "$sizes" ] ||
        fail "with Path=$path the window is $((right - left)) x $((bottom - top)), the skin $sizes"
    exit_through_menu
done
echo "PASS [$scenario]"
