#!/usr/bin/env bash
# Builds and runs every test tier: the Windows tests under Wine and the end-to-end scenarios on a
# virtual display; beside them, the native unit tests under ASan and UBSan, the command-line tool's
# tests and each fuzz target over its seeds and generated inputs, and the optimised Release build of
# the core and mousecfg. Screenshots and logs go to artifacts/. scripts/fuzz.sh does the real
# fuzzing, with clang.
#
# The Wine tier spends most of its time waiting for windows and files, so the native builds and
# tests run at the same time, at a lower priority so that the programs under test are never kept
# waiting for the processor. Its output follows theirs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
mkdir -p artifacts

echo "== Windows build"
bash scripts/build.sh windows

echo "== Windows and end-to-end tests under Wine (beside the native tiers; output below)"
wine_log=artifacts/wine-tier.log
(
    source scripts/wine-env.sh
    export GM_ARTIFACTS="$root/artifacts"
    ctest --test-dir build/win --output-on-failure
) >"$wine_log" 2>&1 &
wine_tier=$!
trap 'kill $wine_tier 2>/dev/null || true' EXIT

# Each step only after the one before it passed (errexit does not hold on the left of ||).
native_tiers() {
    echo "== native build and tests"
    nice -n 10 bash scripts/build.sh native &&
        nice -n 10 ctest --test-dir build/native --output-on-failure -j "$(nproc)" &&
        echo "== native Release build" &&
        # The optimised build of the core and mousecfg, whose warnings differ from the debug build's;
        # the unit tests ran in the sanitized tree (scripts/build.sh release builds the rest).
        nice -n 10 bash scripts/build.sh release mousecfg
}
native=0
native_tiers || native=$?

wine=0
wait "$wine_tier" || wine=$?
trap - EXIT
echo "== Windows and end-to-end tests under Wine"
cat "$wine_log"
[ "$native" -eq 0 ] || { echo "the native tiers failed (code $native)" >&2; exit 1; }
[ "$wine" -eq 0 ] || { echo "the Windows tier failed (code $wine)" >&2; exit 1; }
echo "== every tier passed"
