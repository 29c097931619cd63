#!/usr/bin/env python3
"""The four speed figures, from the JSON results of app_bench and lab_bench in a folder."""
import json
import sys
from pathlib import Path


def benchmarks(folder, name):
    path = Path(folder) / f"{name}.json"
    if not path.exists():
        return []
    return json.loads(path.read_text())["benchmarks"]


def main(folder):
    app = {b["name"]: b for b in benchmarks(folder, "app_bench")}
    lab = {b["name"]: b for b in benchmarks(folder, "lab_bench")}

    def microseconds(b):
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[b["time_unit"]]
        return b["cpu_time"] * scale

    runs = [b for n, b in app.items() if n.startswith("AnalysisRun/")]
    synthesis = app.get("SynthesisK32")
    burst = app.get("SliderBurst/1000/iterations:1")
    with_lab = lab.get("SliderStepsWithLab/0/7/iterations:1")
    rows = []
    if runs:
        slowest = max(runs, key=microseconds)
        rows.append(("one analysis run, slowest waveform (processor)", microseconds(slowest),
                     250, slowest.get("label", "")))
    if synthesis:
        rows.append(("synthesis at k = 32 (processor)", microseconds(synthesis), 100, ""))
    if burst:
        rows.append(("slider step p99 (wall)", burst["p99_us"], 450, ""))
    if with_lab:
        rows.append(("slider step with the lab on convergence, p99 (processor)",
                     with_lab["cpu_p99_us"], 1200, ""))
    print("\n== the four figures")
    for what, value, goal, note in rows:
        mark = "within" if value <= goal else "OVER"
        extra = f"  ({note})" if note else ""
        print(f"{what:58} {value:8.0f} us   goal {goal:5d} us  {mark}{extra}")
    if len(rows) < 4:
        print("(some benchmarks did not run: build with -DFOURIER_BENCH=ON)")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
