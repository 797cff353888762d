#!/usr/bin/env bash
# Builds and runs every test tier: native unit tests under ASan and UBSan, the command-line tool's
# tests and each fuzz target over its seeds and generated inputs; the optimised Release build of the
# core and mousecfg; the Windows tests under Wine and the end-to-end scenarios on a virtual display.
# Screenshots and logs go to artifacts/. scripts/fuzz.sh does the real fuzzing, with clang.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
mkdir -p artifacts

echo "== native build and tests"
bash scripts/build.sh native
ctest --test-dir build/native --output-on-failure -j "$(nproc)"

echo "== native Release build"
# The optimised build of the core and mousecfg, whose warnings differ from the debug build's; the
# unit tests ran in the sanitized tree above (scripts/build.sh release builds the rest).
bash scripts/build.sh release mousecfg

echo "== Windows build"
bash scripts/build.sh windows

echo "== Windows and end-to-end tests under Wine"
source scripts/wine-env.sh
export GM_ARTIFACTS="$root/artifacts"
ctest --test-dir build/win --output-on-failure
