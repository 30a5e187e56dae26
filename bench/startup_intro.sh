#!/usr/bin/env bash
# What the intro costs at start-up, on its own Xvfb: the program is started twice, once left
# alone (the intro shows for its seven seconds) and once with Escape pressed as soon as the
# intro shows. The work after the intro (building the room and its first frame) is the same
# both times, so the intro adds its own display time and nothing more.
# Usage: bench/startup_intro.sh [build folder] [WxHxD]
set -u
build="$(readlink -f "${1:-build}")"
size="${2:-800x600x24}"
work="$(mktemp -d)"
export HOME="$work" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy GSETTINGS_BACKEND=memory \
  NO_AT_BRIDGE=1
probe="$work/frame_probe"
g++ -O2 -o "$probe" "$(dirname "$0")/frame_probe.cpp" -lX11 || exit 1
mkfifo "$work/fifo"
Xvfb -displayfd 3 -noreset -screen 0 "$size" -nolisten tcp 3>"$work/fifo" >/dev/null 2>&1 &
xvfb=$!
read -r number <"$work/fifo"
export DISPLAY=":$number"
pid=""
trap '[ -n "$pid" ] && kill -KILL $pid 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done

w=${size%%x*}; rest=${size#*x}; h=${rest%%x*}
cd "$work"
run() {  # run [--escape]: prints "intro_ms room_ms"
  local mapped intro room
  read -r mapped intro room pid < <("$probe" $((w / 2)) $((h / 2)) "$build/tintamar" --room "$@")
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=""
  echo "$intro $room"
}
read -r alone_intro alone_room < <(run)
read -r quick_intro quick_room < <(run --escape)
echo "left alone:   intro shown after ${alone_intro} ms, room after ${alone_room} ms"
echo "              after the intro's 7000 ms: $(echo "$alone_room - $alone_intro - 7000" | bc) ms to the room"
echo "with Escape:  intro shown after ${quick_intro} ms, room after ${quick_room} ms"
echo "              from the Escape to the room: $(echo "$quick_room - $quick_intro" | bc) ms"
