#!/usr/bin/env bash
# Maps the Chinese font names the program asks for ("黑体", "宋体", SimHei, SimSun) to an installed
# CJK font, so Chinese pages render with real glyphs in the Wine prefix. Noto Sans CJK comes first:
# Wine draws WenQuanYi Zen Hei at the pages' 13-pixel size from its embedded bitmaps, which lose
# strokes.
set -euo pipefail
cjk_font="WenQuanYi Zen Hei"
if fc-list "Noto Sans CJK SC" family | grep -q .; then
    cjk_font="Noto Sans CJK SC"
fi
reg_file=$(mktemp --suffix=.reg)
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for name in "黑体" "宋体" "SimHei" "SimSun" "新宋体" "NSimSun" "Microsoft YaHei"; do
        printf '"%s"="%s"\r\n' "$name" "$cjk_font"
    done
    printf '\r\n'
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg_file"
wine regedit "$reg_file" >/dev/null 2>&1
wineserver -w
rm -f "$reg_file"
