#!/usr/bin/env bash
# The picture documents timed in the real program at 1920 x 1080 on its own Xvfb, with the
# file chooser answered by this script: from the chooser leaving the screen to the saved file
# complete on disk (it appears whole, by a rename), and to the opened picture on the screen.
# The chooser's own time before it leaves (GTK takes about half a second to answer a typed
# path here) is not counted; what GTK does after it left, freeing the chooser, is.
# documents_bench.cpp measures the program's own work alone. Prints every run in ms.
# Usage: bench/documents_timing.sh [build folder]
set -u
build="$(readlink -f "${1:-build}")"
source "$(dirname "$0")/bench_lib.sh"
source "$BENCH_DIR/../tests/e2e/documents_lib.sh"
bench_init "$build"
build_probe pixel_wait
build_probe unmap_wait

GALLERY="$HOME/Pictures/Tintamar/Gallery"
now_ns() { date +%s%N; }
ms_between() { echo "scale=1; ($2 - $1) / 1000000" | bc; }

# answer_chooser TITLE PATH: types the path, presses Return and prints the moment the chooser
# left the screen.
answer_chooser() {
  local id line
  id=$(type_into_chooser "$1" "$2") || exit 1
  coproc WATCH { "$E2E_DIR/unmap_wait" "$id"; }
  read -r line <&"${WATCH[0]}"  # "ready"
  xdotool key Return
  read -r line <&"${WATCH[0]}"
  echo "$line"
}

start_display 1920x1080x24
start_program
answer_box "Attention!"  # the resolution hint above 800 x 600
wait_main_window
convert -size 1920x1080 xc:'#40C040' -type TrueColor "bmp3:$E2E_DIR/green.bmp"
convert -size 1920x1080 xc:'#C04040' -type TrueColor "bmp3:$E2E_DIR/red.bmp"

echo "Save: the chooser gone to the file complete on disk (ms)"
for run in 1 2 3 4 5; do
  run_from_remote save
  t0=$(answer_chooser "Save As" "$GALLERY/timed$run.bmp")
  until [ -e "$GALLERY/timed$run.bmp" ]; do sleep 0.001; done
  t1=$(now_ns)
  echo "  run $run: $(ms_between "$t0" "$t1")"
  wait_input_handled 960 540
done

echo "Open: the chooser gone to the picture on the screen (ms)"
for run in 1 2 3 4 5; do
  picture=green
  colour=40C040
  [ $((run % 2)) = 0 ] && picture=red && colour=C04040
  run_from_remote open
  t0=$(answer_chooser "Open" "$E2E_DIR/$picture.bmp")
  t1=$("$E2E_DIR/pixel_wait" 960 540 "$colour") || fail "the opened picture never showed"
  echo "  run $run: $(ms_between "$t0" "$t1")"
  wait_input_handled 960 540
done
