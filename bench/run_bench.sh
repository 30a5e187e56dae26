#!/usr/bin/env bash
# Runs the toolbox's benchmarks and prints each case as a multiple of the memcpy baseline
# measured in the same run, with the goals it is held to; then the cases of showing the room at
# a room scale (present_bench.cpp), each against a memcpy of its own screen's bytes. Times are the median CPU time of five
# runs, so that other work on a shared machine counts as little as possible.
#   bench/run_bench.sh [BUILD_DIR]   (default: build-bench, configured with -DTINTAMAR_BENCH=ON)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-bench}"
if [ ! -x "$build/bench/tintamar_bench" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DTINTAMAR_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
  ninja -C "$build" -j2 tintamar_bench
fi
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
# The toolbox's own cases (toolbox_bench.cpp); the other cases carry their own baselines.
"$build/bench/tintamar_bench" --benchmark_filter='^BM_(Memcpy|FloodFill|CopyWhole|StretchQuarter|PaintEllipse|WideLine|Present)' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$out" --benchmark_out_format=json >/dev/null
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("aggregate_name") == "median"}
scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
def micros(name):
    b = runs[name]
    return b["cpu_time"] * scale[b["time_unit"]]
present = [n for n in runs if n.startswith("BM_Present")]
base = micros("BM_Memcpy")
goals = {"BM_CopyWholePicture": ("ratio", 2.0), "BM_FloodFillWholePicture": ("ratio", 8.0),
         "BM_WideLine36AcrossPicture": ("us", 100.0)}
print(f"{'case':30} {'cpu us':>10} {'x memcpy':>9}  goal")
for name in [n for n in runs if n not in present]:
    t = micros(name)
    line = f"{name:30} {t:10.1f} {t / base:9.2f}"
    if name in goals:
        kind, limit = goals[name]
        value = t / base if kind == "ratio" else t
        unit = "x" if kind == "ratio" else " us"
        line += f"  <= {limit:g}{unit}: {'met' if value <= limit else 'MISSED'}"
    print(line)
def screen(name):
    return "x".join(name.split("/")[1:3])
screens = {screen(n): micros(n) for n in present if n.startswith("BM_PresentMemcpy/")}
print(f"\n{'case':34} {'scale':>5} {'cpu us':>10} {'x memcpy of its screen':>23}")
for name in present:
    t = micros(name)
    print(f"{name:34} {runs[name].get('label', ''):>5} {t:10.1f} {t / screens[screen(name)]:23.3f}")
PY
