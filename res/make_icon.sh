#!/usr/bin/env bash
# Renders the program icon from its SVG source into a Windows .ico with 16, 32 and 48 pixel images.
# Usage: make_icon.sh SOURCE.svg OUTPUT.ico
set -euo pipefail
source_svg=$1
output_ico=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
images=()
for size in 16 32 48; do
    rsvg-convert -w "$size" -h "$size" "$source_svg" -o "$work/icon-$size.png"
    images+=("$work/icon-$size.png")
done
convert "${images[@]}" "$output_ico"
