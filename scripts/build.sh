#!/usr/bin/env bash
# Builds the native tree (core, unit tests, mousecfg) and the Windows tree (programs, Wine tests);
# on request the native Release tree: the same optimised, without sanitizers, with the benchmarks.
# Usage: scripts/build.sh [native|windows|all|release] [TARGET...]   (targets: release only; default all)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
what=${1:-all}
shift || true

if [ "$what" = native ] || [ "$what" = all ]; then
    cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$root/build/native" -j "$jobs"
fi
if [ "$what" = release ]; then
    cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DGM_SANITIZE=OFF >/dev/null
    cmake --build "$root/build/release" -j "$jobs" ${1:+--target "$@"}
fi
if [ "$what" = windows ] || [ "$what" = all ]; then
    cmake -S "$root" -B "$root/build/win" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
    cmake --build "$root/build/win" -j "$jobs"
fi
