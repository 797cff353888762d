#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang in build/fuzz and runs each for SECONDS
# (default 20). Findings and the growing corpus stay in build/fuzz/runs/<target>/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build="$root/build/fuzz"

cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2

for target in "$build"/fuzz_*; do
    [ -x "$target" ] && [ -f "$target" ] || continue
    name=$(basename "$target")
    mkdir -p "$build/runs/$name/corpus" "$build/runs/$name/findings"
    echo "== $name for ${seconds}s"
    (cd "$build/runs/$name/findings" && "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 \
        "$build/runs/$name/corpus" 2>&1 | tail -n 3)
done
