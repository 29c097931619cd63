#!/usr/bin/env bash
# Runs every benchmark program of a build folder, headless.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
for bench in "$build"/bench/*_bench; do
    echo "== $(basename "$bench")"
    "$bench" --benchmark_counters_tabular=true
done
