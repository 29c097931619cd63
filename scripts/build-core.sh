#!/usr/bin/env bash
# Builds and tests the modules that must stand without Qt, in a tree where Qt is never
# looked for: a Qt header in any of them fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-core}
cmake -S . -B "$build" -DFOURIER_CORE_ONLY=ON -DFOURIER_BENCH=OFF ${CMAKE_FLAGS:-} >/dev/null
cmake --build "$build" -j "$(nproc)"
(cd "$build" && ctest --output-on-failure -j "$(nproc)")
