#!/usr/bin/env bash
# Input to screen of the real program, end to end: for each screen size, an Xvfb of its own;
# on it the program is started afresh for every session and driven by bench/latency_probe
# (XTest input, the screen polled until the pixel changes). With two programs, their sessions
# alternate, so that both meet the same load. Prints, per size, program and case, the median
# and the 99th percentile in milliseconds and both as a multiple of the harness's floor (a
# one-pixel change made by a helper X client, measured in the same sessions).
#
# Usage: bench/latency.sh [-r ROUNDS] [-s SESSIONS] [-z "800x600 1920x1080 3840x2160"]
#                         [-x SCALE] [-o SAMPLES] PROGRAM [BASELINE_PROGRAM]
# -x starts the programs with --scale=SCALE (1 to 4; each screen must leave a room of at least
# 640 x 480 at that scale).
# The probe is taken from the build folder the first program lies in (build/bench/).
set -u
rounds=60
sessions=3
sizes="800x600 1920x1080 3840x2160"
samples=""
scale=1
while getopts "r:s:z:o:x:" opt; do
  case $opt in
    r) rounds=$OPTARG ;;
    s) sessions=$OPTARG ;;
    z) sizes=$OPTARG ;;
    o) samples=$OPTARG ;;
    x) scale=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -ge 1 ] || { sed -n '9,13p' "$0"; exit 2; }
programs=()
for p in "$@"; do programs+=("$(readlink -f "$p")"); done
probe="$(dirname "${programs[0]}")/bench/latency_probe"
[ -x "$probe" ] || { echo "no probe at $probe: build the program first" >&2; exit 1; }

work="$(mktemp -d)"
samples="${samples:-$work/samples.txt}"
: >"$samples"
xvfb=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill -KILL -- "-$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work/home" "$work/fifo"
}
trap cleanup EXIT
export SDL_AUDIODRIVER=dummy GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1

start_display() {
  mkfifo "$work/fifo"
  Xvfb -displayfd 3 -noreset -screen 0 "$1x24" -nolisten tcp 3>"$work/fifo" >/dev/null 2>&1 &
  xvfb=$!
  local number
  read -r number <"$work/fifo"
  rm -f "$work/fifo"
  export DISPLAY=":$number"
  until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done
}

# session PROGRAM LABEL: a fresh program in a fresh home, measured, then ended.
session() {
  rm -rf "$work/home"
  mkdir -p "$work/home/run"
  chmod 700 "$work/home/run"
  (cd "$work/home" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
    XDG_RUNTIME_DIR="$work/home/run" exec setsid "$1" --scale="$scale" >/dev/null 2>&1) &
  pid=$!
  # Above 800 x 600 at scale 1 the program first advises a smaller screen in a notice: answer it.
  local tree box
  for ((tries = 0; tries < 600; ++tries)); do
    tree=$(xwininfo -root -tree 2>/dev/null)
    grep -q '"Tintamar":' <<<"$tree" && break
    box=$(grep -F '"Attention!":' <<<"$tree" | awk '{print $1}' | head -1)
    # The box closes on the press, so xdotool never sends the release: send it, or Return
    # stays held in the X server for the rest of the session.
    [ -n "$box" ] && { xdotool key --window "$box" Return 2>/dev/null; xdotool keyup Return; }
    sleep 0.05
  done
  "$probe" "$rounds" "$samples" "$2" "$scale" || echo "session of $2 at $size failed" >&2
  kill -KILL -- "-$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=""
}

for size in $sizes; do
  start_display "$size"
  for s in $(seq 1 "$sessions"); do
    # Alternate which program goes first.
    order=("${!programs[@]}")
    [ $((s % 2)) -eq 0 ] && order=($(printf '%s\n' "${order[@]}" | sort -rn))
    for i in "${order[@]}"; do
      label="after"
      [ "$i" -eq 1 ] && label="before"
      [ ${#programs[@]} -eq 1 ] && label="program"
      session "${programs[$i]}" "$size:$label"
    done
  done
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  xvfb=""
done

python3 - "$samples" <<'EOF'
import statistics, sys
from collections import defaultdict
data = defaultdict(list)
for line in open(sys.argv[1]):
    key, case, ms = line.split()
    data[(key, case)].append(float(ms))
def p99(v):
    v = sorted(v)
    return v[min(len(v) - 1, int(round(0.99 * (len(v) - 1))))]
cases = ["floor", "dot", "move", "fill", "undo", "shelf"]
print(f"{'size:program':24} {'case':6} {'n':>4} {'lost':>4} {'median ms':>10} {'p99 ms':>8} "
      f"{'median/floor':>13} {'p99/floor':>10}")
for key in sorted({k for k, _ in data}, key=lambda k: (int(k.split('x')[0]), k)):
    floor = statistics.median([x for x in data[(key, "floor")] if x >= 0] or [float('nan')])
    for case in cases:
        v = data.get((key, case), [])
        got = [x for x in v if x >= 0]
        if not got:
            continue
        med = statistics.median(got)
        print(f"{key:24} {case:6} {len(v):4} {len(v) - len(got):4} {med:10.3f} {p99(got):8.3f} "
              f"{med / floor:13.1f} {p99(got) / floor:10.1f}")
EOF
