#!/usr/bin/env bash
# Builds and runs every test tier: native unit tests under ASan and UBSan, the command-line tool's
# tests and each fuzz target over its seeds and generated inputs; the unit tests again in the optimised
# Release tree; the Windows tests under Wine and the end-to-end scenarios on a virtual display.
# Screenshots and logs go to artifacts/. scripts/fuzz.sh does the real fuzzing, with clang.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
mkdir -p artifacts

echo "== native build and tests"
bash scripts/build.sh native
ctest --test-dir build/native --output-on-failure -j "$(nproc)"

echo "== native Release build and unit tests"
bash scripts/build.sh release unit_tests mousecfg
build/release/unit_tests --gtest_brief=1

echo "== Windows build"
bash scripts/build.sh windows

echo "== Windows and end-to-end tests under Wine"
source scripts/wine-env.sh
export GM_ARTIFACTS="$root/artifacts"
ctest --test-dir build/win --output-on-failure
