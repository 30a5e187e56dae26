#!/usr/bin/env bash
# Times pointer moves of the real program on a 1920 x 1080 Xvfb screen while it carries
# something: a 300 x 300 piece cut with the Scissors, and a stamp. The same moves drawing a
# pencil line are the baseline measured in the same run. For each, the program's and the X
# server's CPU time per move, and the wall time from the first move sent to the last one shown.
# Usage: bench/carry_e2e.sh [build folder] [moves]
set -u
here="$(cd "$(dirname "$0")" && pwd)"
build="$(readlink -f "${1:-build}")"
moves="${2:-1000}"
source "$here/../tests/e2e/lib.sh"
E2E_OUT="$(mktemp -d)"
e2e_init "$build/tintamar"
trap 'e2e_cleanup; rm -rf "$E2E_OUT"' EXIT

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
now_ms() { date +%s%3N; }

# One xdotool command holding every move, back and forth along a row of the picture, and a
# last one to (1600, 600), a place the others never reach.
path=()
for ((i = moves - 1; i > 0; --i)); do
  path+=(mousemove $((1500 - (i % 200) * 5)) 500)
done
path+=(mousemove 1600 600)

# time_moves WHAT READY...: sends the moves, waits until the command READY... succeeds (the
# last move is on the screen), and prints the costs per move.
time_moves() {
  local what=$1
  shift
  local program0 server0 start
  program0=$(cpu_ticks "$PROGRAM_PID")
  server0=$(cpu_ticks "$XVFB_PID")
  start=$(now_ms)
  xdotool "${path[@]}"
  wait_until 120 "$@" || fail "$what: the last move never showed"
  local wall=$(($(now_ms) - start))
  local program=$(($(cpu_ticks "$PROGRAM_PID") - program0))
  local server=$(($(cpu_ticks "$XVFB_PID") - server0))
  local tick_us=$((1000000 / $(getconf CLK_TCK)))
  printf '%-22s program %6d us/move   X server %6d us/move   wall %6d us/move\n' "$what" \
    $((program * tick_us / moves)) $((server * tick_us / moves)) $((wall * 1000 / moves))
}

start_display 1920x1080x24
start_program
answer_box "Attention!"   # the resolution hint
wait_main_window
wait_pixel 1000 500 FFFFFF

# Baseline: a red pencil line along the same moves.
xdotool mousemove 505 500 mousedown 1
wait_pixel 505 500 FF0000
time_moves "drawing a pencil line" screen_pixel_is 1590 590 FF0000
xdotool mouseup 1

# The Scissors' band from (300, 200) to the pointer: about 1200 x 350 pixels.
xdotool mousemove 25 810 click 1 mousemove 237 1028 click 1
xdotool mousemove 300 200 mousedown 1 mousemove 400 300
wait_pixel 399 250 000000
time_moves "dragging a band" screen_pixel_is 1599 400 000000
xdotool mousemove 1915 500 mouseup 1  # released beside the picture: nothing is cut
wait_pixel 1599 400 FFFFFF

# A 300 x 300 piece: the move is shown once its black frame stands at the last place.
xdotool mousemove 400 300 mousedown 1 mousemove 550 450 mousemove 700 600
wait_pixel 699 450 000000
xdotool mouseup 1 mousemove 900 700
wait_pixel 750 700 000000
time_moves "carrying a 300 x 300 cut" screen_pixel_is 1450 650 000000
xdotool mousemove 1000 1060 click 1   # put it down on the table
wait_pixel 1450 650 FFFFFF

# A stamp from the butterfly book.
# The book opens centred on the screen: its first stamp at (747, 469).
closed=$(region_sum 747 469 48 48)
xdotool mousemove 80 680 click 1 mousemove 230 1030 click 1
wait_region_change 747 469 48 48 "$closed" "the stamp book did not open"
xdotool mousemove 771 493 click 1
wait_until "$E2E_TIMEOUT" region_is 747 469 48 48 "$closed" || fail "the stamp book did not close"
empty=$(region_sum 976 676 48 48)
xdotool mousemove 1000 700
wait_region_change 976 676 48 48 "$empty" "no stamp floats"
blank=$(region_sum 1576 576 48 48)
time_moves "carrying a stamp" region_changed 1576 576 48 48 "$blank"
