#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each for SECONDS (default 60).
# Fails when a target fails to build or any fuzzer stops with an error.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: $0 [seconds]" >&2; exit 2; }
build=build-fuzz
cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
for target in $(cmake --build "$build" --target help | sed -n 's/^\.\.\. \(fuzz_[a-z_]*\).*/\1/p'); do
    corpus="$build/corpus-$target"
    log="$build/$target.log"
    mkdir -p "$corpus"
    seeds="fuzz/seeds/${target#fuzz_}"
    echo "== $target for ${seconds}s"
    status=0
    # Crash inputs go next to the log, not into the working tree.
    "$build/$target" -max_total_time="$seconds" -max_len=300 -print_final_stats=1 \
        -artifact_prefix="$build/$target-" "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) \
        >"$log" 2>&1 || status=$?
    grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 30 "$log"
        echo "$target failed with status $status (log: $log)"
        exit 1
    fi
done
