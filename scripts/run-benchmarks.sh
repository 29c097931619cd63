#!/usr/bin/env bash
# Runs every benchmark program of a build folder, headless, then prints the four figures the
# program's speed is judged by, beside their goals.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for bench in "$build"/bench/*_bench; do
    name=$(basename "$bench")
    echo "== $name"
    "$bench" --benchmark_counters_tabular=true --benchmark_out="$results/$name.json" \
        --benchmark_out_format=json
done
python3 "$(dirname "$0")/speed-figures.py" "$results"
