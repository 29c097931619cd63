#!/usr/bin/env bash
# The end-to-end scenario with the program under valgrind's memcheck; fails when a block
# definitely lost was allocated through our own code (system libraries keep some
# one-time allocations until exit, and those are not ours to free).
#   memcheck-e2e.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
E2E_WAIT=180 E2E_SETTLE=4 E2E_KEEP_LOG="$log" \
    E2E_WRAPPER="valgrind --leak-check=full --show-leak-kinds=definite --num-callers=40" \
    tests/e2e/run-e2e.sh "$build/program/fourier" .
grep -E "definitely lost:|ERROR SUMMARY" "$log" | sed 's/^==[0-9]*== *//'
# A frame of ours names a source file instead of a shared object; a block is ours when the
# frame that called the allocator is (a library's block may merely pass through our code).
ours=$(awk '/definitely lost in loss record/ {record=1; next}
            record && /(at|by) 0x/ && /(malloc|calloc|realloc|operator new)/ {next}
            record && /(at|by) 0x/ {if (!/\(in \//) print; record=0}' "$log")
if [ -n "$ours" ]; then
    echo "definitely lost through our code:"
    echo "$ours"
    exit 1
fi
echo "memcheck: no block definitely lost through our code"
