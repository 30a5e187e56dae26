#!/usr/bin/env bash
# Times the program from start to its window and its first frame on screen (the intro's; see
# startup_intro.sh for the room after it), and measures how much of a core it uses while it
# sits idle for ten seconds. Runs on its own Xvfb.
# Usage: bench/startup_idle.sh [build folder] [WxHxD]
set -u
build="$(readlink -f "${1:-build}")"
size="${2:-800x600x24}"
work="$(mktemp -d)"
export HOME="$work" XDG_CONFIG_HOME="$work/config"
probe="$work/frame_probe"
g++ -O2 -o "$probe" "$(dirname "$0")/frame_probe.cpp" -lX11 || exit 1
mkfifo "$work/fifo"
Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$work/fifo" >/dev/null 2>&1 &
xvfb=$!
read -r number <"$work/fifo"
export DISPLAY=":$number"
pid=""
trap '[ -n "$pid" ] && kill -KILL $pid 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done

w=${size%%x*}; rest=${size#*x}; h=${rest%%x*}
# The first frame: the centre of the picture area is no longer black.
cx=$(( (147 + w - 19) / 2 )); cy=$(( (16 + h - 96) / 2 ))
cd "$work"
read -r mapped frame pid < <("$probe" "$cx" "$cy" "$build/tintamar")
echo "window mapped after  ${mapped} ms"
echo "first frame after    ${frame} ms"

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
sleep 1
before=$(cpu)
sleep 10
after=$(cpu)
echo "idle CPU over 10 s:  $(echo "scale=2; ($after - $before) * 100 / ($ticks * 10)" | bc -l) % of a core"
