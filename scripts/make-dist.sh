#!/usr/bin/env bash
# Assembles dist/ from the Windows build: the program (hardware build), mousecfg.exe when built,
# the factory config.bin and str.ini, and the skins; checks the skins and, when makensis is
# installed, builds the installer into build/installer/ (or INSTALLER_DIR).
# Usage: scripts/make-dist.sh [WINDOWS_BUILD_DIR] [DIST_DIR] [INSTALLER_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win=${1:-$root/build/win}
dist=${2:-$root/dist}
installer_dir=${3:-$root/build/installer}
exe_name="Krello_Marrowin².exe"
# Debian's Python, which has PIL (python3-pil) for the skin scripts.
python=${PYTHON:-/usr/bin/python3}

if [ ! -f "$win/program/$exe_name" ]; then
    echo "make-dist: $win/program/$exe_name not found; build the Windows tree first (scripts/build.sh windows)" >&2
    exit 1
fi

rm -rf "$dist"
mkdir -p "$dist"
cp "$win/program/$exe_name" "$dist/"
if [ -f "$win/mousecfg.exe" ]; then
    cp "$win/mousecfg.exe" "$dist/"
fi
"$python" "$root/packaging/make_factory_config.py" --out "$dist"

# The build renders the skins into its Skins/ folder; render afresh when it has none.
if [ -d "$win/Skins" ]; then
    mkdir -p "$dist/Skins"
    for skin in "$win/Skins"/*/; do
        cp -r "$skin" "$dist/Skins/"
    done
else
    "$python" "$root/skins/render_skins.py" --out "$dist"
fi
"$python" "$root/skins/check_skins.py" --skins "$dist/Skins"

if command -v makensis >/dev/null; then
    mkdir -p "$installer_dir"
    skins_nsh="$installer_dir/skins.nsh"
    : >"$skins_nsh"
    for skin in "$dist/Skins"/*/; do
        printf 'RMDir /r "$INSTDIR\\Skins\\%s"\n' "$(basename "$skin")" >>"$skins_nsh"
    done
    makensis -V2 -INPUTCHARSET UTF8 -DDIST="$dist" -DOUTFILE="$installer_dir/Krello_Marrowin²_Setup.exe" \
        -DSKINS_NSH="$skins_nsh" "$root/packaging/installer.nsi"
    echo "installer: $installer_dir/Krello_Marrowin²_Setup.exe"
fi
echo "dist: $dist"
