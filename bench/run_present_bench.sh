#!/usr/bin/env bash
# Runs the present benchmarks (present_bench.cpp) and prints each case as a multiple of a
# memcpy of its screen's bytes measured in the same run (median CPU time of five runs).
#   bench/run_present_bench.sh [BUILD_DIR]   (default: build-bench, as for run_bench.sh)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-bench}"
if [ ! -x "$build/bench/tintamar_bench" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DTINTAMAR_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
  ninja -C "$build" -j2 tintamar_bench
fi
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
"$build/bench/tintamar_bench" --benchmark_filter='^BM_Present' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$out" --benchmark_out_format=json >/dev/null
/usr/bin/python3 - "$out" <<'PY'
import json, sys
runs = [b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"]
scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
def micros(b):
    return b["cpu_time"] * scale[b["time_unit"]]
def screen(b):
    return "x".join(b["run_name"].split("/")[1:3])
base = {screen(b): micros(b) for b in runs if b["run_name"].startswith("BM_PresentMemcpy/")}
print(f"{'case':34} {'scale':>5} {'cpu us':>10} {'x memcpy of the screen':>23}")
for b in runs:
    t = micros(b)
    print(f"{b['run_name']:34} {b.get('label', ''):>5} {t:10.1f} {t / base[screen(b)]:23.3f}")
PY
