#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need, only when something is missing.
set -euo pipefail

packages=(cmake g++ clang googletest libgtest-dev g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth xdotool
          x11-utils imagemagick librsvg2-bin fonts-wqy-zenhei fonts-noto-cjk fonts-dejavu-core nsis python3 python3-pil
          libtomlplusplus-dev libstb-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
