#!/usr/bin/env bash
# Times the program from start to its first frame on screen, and measures how much of a core
# it uses while it sits idle for ten seconds. Runs on its own Xvfb.
# Usage: bench/startup_idle.sh [path/to/tintamar] [WxHxD]
set -u
program="$(readlink -f "${1:-build/tintamar}")"
size="${2:-800x600x24}"
work="$(mktemp -d)"
export HOME="$work" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
mkfifo "$work/fifo"
Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$work/fifo" >/dev/null 2>&1 &
xvfb=$!
read -r number <"$work/fifo"
export DISPLAY=":$number"
trap 'kill -KILL -- -$pid 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done

w=${size%%x*}; rest=${size#*x}; h=${rest%%x*}
# The first frame: the centre of the picture area is no longer black.
cx=$(( (147 + w - 19) / 2 )); cy=$(( (16 + h - 96) / 2 ))
start=$(date +%s.%N)
(cd "$work" && exec setsid "$program" >/dev/null 2>&1) &
pid=$!
mapped=""
while :; do
  if [ -z "$mapped" ] && xwininfo -root -tree | grep -q '"Tintamar":'; then mapped=$(date +%s.%N); fi
  if [ -n "$mapped" ]; then
    colour=$(import -window root -crop "1x1+$cx+$cy" png:- 2>/dev/null | convert - -format '%[hex:p{0,0}]' info:- 2>/dev/null)
    [ -n "$colour" ] && [ "${colour:0:6}" != "000000" ] && break
  fi
done
frame=$(date +%s.%N)
echo "window mapped after  $(echo "$mapped - $start" | bc -l | cut -c1-5) s"
echo "first frame after    $(echo "$frame - $start" | bc -l | cut -c1-5) s"

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
sleep 1
before=$(cpu)
sleep 10
after=$(cpu)
echo "idle CPU over 10 s:  $(echo "($after - $before) * 100 / ($ticks * 10)" | bc -l | cut -c1-5) % of a core"
