#!/usr/bin/env bash
# Whether the program starts as fast installed as from its build folder: installs the build
# with `cmake --install --strip` into a staging tree (DESTDIR, prefix /usr/local), then starts
# the program from the build folder and from there in turn, each in a fresh home folder, and
# prints the median time to the first frame of each and their ratio. Runs on its own Xvfb.
# Usage: bench/startup_installed.sh [build folder] [rounds]
set -u
build="$(readlink -f "${1:-build}")"
rounds="${2:-15}"
source "$(dirname "$0")/bench_lib.sh"
bench_init "$build"
build_probe frame_probe
DESTDIR="$E2E_DIR/stage" cmake --install "$build" --prefix /usr/local --strip >/dev/null || exit 1
installed="$E2E_DIR/stage/usr/local/bin/tintamar"
start_display 800x600x24

# first_frame PROGRAM: ms from its start to its first frame, the intro's picture in the middle
# of the 800 x 600 screen (398, 252 is in its sky, never black).
first_frame() {
  local frame
  rm -rf "$HOME" && mkdir -p "$HOME"
  read -r _ frame PROGRAM_PID < <(cd "$HOME" && "$E2E_DIR/frame_probe" 398 252 "$1")
  kill -KILL "$PROGRAM_PID" 2>/dev/null
  # The next start must not find this one's window (the probe would take it for its own) or
  # its lock (it would only raise this one).
  wait_until "$E2E_TIMEOUT" bash -c "! kill -0 $PROGRAM_PID" || exit 1
  wait_until "$E2E_TIMEOUT" no_main_window || exit 1
  PROGRAM_PID=""
  echo "$frame"
}
no_main_window() { ! main_window_id; }
# The two take turns at going first, so that neither always follows the other's exit.
for round in $(seq "$rounds"); do
  if ((round % 2)); then
    echo "build $(first_frame "$PROGRAM")"
    echo "installed $(first_frame "$installed")"
  else
    echo "installed $(first_frame "$installed")"
    echo "build $(first_frame "$PROGRAM")"
  fi
done | /usr/bin/python3 -c '
import statistics, sys
times = {"build": [], "installed": []}
for line in sys.stdin:
    where, ms = line.split()
    times[where].append(float(ms))
base = statistics.median(times["build"])
for where, ms in times.items():
    m = statistics.median(ms)
    low, _, high = statistics.quantiles(ms, n=4) if len(ms) > 1 else (m, m, m)
    print(f"{where:10} first frame after {m:6.1f} ms (median of {len(ms)}, quartiles {low:.1f} to"
          f" {high:.1f}), {m / base:.2f} x the build folder")
'
