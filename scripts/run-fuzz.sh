#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each for SECONDS (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
for target in $(cmake --build "$build" --target help | sed -n 's/^\.\.\. \(fuzz_[a-z_]*\).*/\1/p'); do
    corpus="$build/corpus-$target"
    mkdir -p "$corpus"
    seeds="fuzz/seeds/${target#fuzz_}"
    echo "== $target for ${seconds}s"
    "$build/$target" -max_total_time="$seconds" -max_len=300 -print_final_stats=1 \
        "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' || true
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$target failed"; exit 1; }
done
