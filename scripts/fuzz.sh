#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang and runs each for SECONDS (default 20),
# starting from its seeds in tests/fuzz/seeds/<target>/ when there are any. Findings and the
# growing corpus stay in BUILD/runs/<target>/ (BUILD: $GM_FUZZ_BUILD, default build/fuzz); each
# target's last log is BUILD/runs/<target>/last.log. Prints the runs and the coverage each target
# reached, and fails at the first target that finds a fault.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build=${GM_FUZZ_BUILD:-$root/build/fuzz}

cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2

for target in "$build"/fuzz_*; do
    [ -x "$target" ] && [ -f "$target" ] || continue
    name=$(basename "$target")
    runs="$build/runs/$name"
    mkdir -p "$runs/corpus" "$runs/findings"
    seeds=()
    [ -d "$root/tests/fuzz/seeds/$name" ] && seeds=("$root/tests/fuzz/seeds/$name")
    echo "== $name for ${seconds}s"
    if ! (cd "$runs/findings" && "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        "$runs/corpus" "${seeds[@]}" >"$runs/last.log" 2>&1); then
        tail -n 30 "$runs/last.log"
        echo "FAIL: $name found a fault; the input is in $runs/findings"
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$runs/last.log" | tail -n 1 || true
    grep -E '^Done [0-9]+ runs' "$runs/last.log" || true
done
