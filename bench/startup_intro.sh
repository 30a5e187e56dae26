#!/usr/bin/env bash
# What the intro costs at start-up, on its own Xvfb: the program is started twice, once left
# alone (the intro shows for its seven seconds) and once with Escape pressed as soon as the
# intro shows. The work after the intro (building the room and its first frame) is the same
# both times, so the intro adds its own display time and nothing more.
# Usage: bench/startup_intro.sh [build folder] [WxHxD]
set -u
build="$(readlink -f "${1:-build}")"
size="${2:-800x600x24}"
source "$(dirname "$0")/bench_lib.sh"
bench_init "$build"
build_probe frame_probe
start_display "$size"
cd "$E2E_DIR"

run() {  # run [--escape]: prints "intro_ms room_ms"
  local mapped intro room
  read -r mapped intro room PROGRAM_PID < <("$E2E_DIR/frame_probe" $((SCREEN_W / 2)) \
    $((SCREEN_H / 2)) "$PROGRAM" --room "$@")
  kill -KILL "$PROGRAM_PID" 2>/dev/null
  wait "$PROGRAM_PID" 2>/dev/null
  PROGRAM_PID=""
  echo "$intro $room"
}
read -r alone_intro alone_room < <(run)
read -r quick_intro quick_room < <(run --escape)
echo "left alone:   intro shown after ${alone_intro} ms, room after ${alone_room} ms"
echo "              after the intro's 7000 ms: $(echo "$alone_room - $alone_intro - 7000" | bc) ms to the room"
echo "with Escape:  intro shown after ${quick_intro} ms, room after ${quick_room} ms"
echo "              from the Escape to the room: $(echo "$quick_room - $quick_intro" | bc) ms"
