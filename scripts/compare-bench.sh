#!/usr/bin/env bash
# Runs the main window's benchmark program of two builds one after the other and prints
# one table of both: usage compare-bench.sh BEFORE_BUILD AFTER_BUILD [filter].
set -euo pipefail
before=$1 after=$2 filter=${3:-.}
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for side in before after; do
    dir=${!side}
    "$dir/bench/app_bench" --benchmark_filter="$filter" --benchmark_format=json \
        --benchmark_repetitions=3 --benchmark_report_aggregates_only=true >"$out/$side.json"
done
python3 - "$out/before.json" "$out/after.json" <<'PY'
import json, sys
def load(path):
    rows = {}
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name = b["run_name"]
        rows[name] = {"cpu_us": b["cpu_time"] * (1e3 if b["time_unit"] == "ms" else 1),
                      "p99_us": b.get("p99_us"), "median_us": b.get("median_us")}
    return rows
before, after = load(sys.argv[1]), load(sys.argv[2])
print(f"| benchmark | before | after | after/before |")
print(f"|---|---|---|---|")
for name in before:
    if name not in after:
        continue
    for key in ("median_us", "p99_us") if before[name]["p99_us"] else ("cpu_us",):
        b, a = before[name][key], after[name][key]
        label = name if key == "cpu_us" else f"{name} {key[:-3]}"
        print(f"| {label} | {b:.1f} µs | {a:.1f} µs | {a / b:.2f} |")
PY
