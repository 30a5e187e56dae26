#!/usr/bin/env bash
# Times printing a 1920 x 1080 picture to a PDF file at 300 pixels per inch through the real
# print dialog ("Print to File", no print server): from pressing Print to the file complete,
# with light printing off and on. The baseline, measured in the same run on the same pixels,
# is cairo alone writing that picture to a 300 ppi PDF page (pdf_probe.cpp). Runs on its own
# Xvfb.
# Usage: bench/print_pdf.sh [build folder] [repetitions]
set -u
build="$(readlink -f "${1:-build}")"
runs="${2:-3}"
here="$(dirname "$(readlink -f "$0")")"
source "$here/../tests/e2e/lib.sh"
source "$here/../tests/e2e/print_lib.sh"
E2E_OUT="$(mktemp -d)"
e2e_init "$build/tintamar"
trap 'e2e_cleanup; rm -rf "$E2E_OUT"' EXIT
probe="$E2E_OUT/pdf_probe"
# shellcheck disable=SC2046
g++ -O2 -o "$probe" "$here/pdf_probe.cpp" $(pkg-config --cflags --libs cairo) || exit 1

# A screen whose picture area is 1920 x 1080 (the room takes 166 x 112 around it).
start_display 2086x1192x24
PRINT_BUTTON="24 1017"
PAINT_POT="287 1155"
PICTURE_CENTRE="1107 556"
BRUSH="370 1152"
POTS=("530 1100" "570 1102" "530 1109" "573 1112")

# Blue paint, then crossing strokes of the paintbrush in four colours: a picture with edges
# and colours, not one flat colour that compresses to nothing.
paint_picture() {
  fill_picture "573 1112" 0000FF
  xdotool mousemove $BRUSH click 1
  local i
  for i in 0 1 2 3 4 5 6 7; do
    xdotool mousemove ${POTS[$((i % 4))]} click 1
    xdotool mousemove $((200 + 200 * i)) 40 mousedown 1
    xdotool mousemove $((1900 - 150 * i)) 1050 mouseup 1
  done
  wait_input_handled $PICTURE_CENTRE
}

now_ms() { date +%s%3N; }

# print_timed LIGHT N: milliseconds from Print to the complete file.
print_timed() {
  local pdf="$E2E_DIR/bench-$1-$2.pdf"
  write_preferences 1 1 1 "$1"
  start_program
  answer_box "Attention!"  # the screen-size hint
  wait_main_window
  paint_picture
  open_print_dialog
  choose_file "$pdf"
  # The mouse on the dialog's Print button (at its bottom right): the keyboard's Alt+P would
  # add GTK's quarter of a second of showing the button pressed.
  local geometry size w h x y t0
  geometry=$(window_geometry "Print")
  size=${geometry%%+*}
  w=${size%x*}
  h=${size#*x}
  read -r x y <<<"$(echo "${geometry#*+}" | tr '+' ' ')"
  xdotool mousemove $((x + w - 50)) $((y + h - 30))
  t0=$(now_ms)
  xdotool click 1
  until printed_file_complete "$pdf"; do sleep 0.005; done
  echo $(($(now_ms) - t0))
  import -window root -crop 1920x1080+147+16 -depth 8 "$E2E_DIR/picture.ppm" 2>/dev/null
  close_main_window
  wait_program_exit
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

for light in 0 1; do
  times=()
  for ((n = 0; n < runs; n++)); do times+=("$(print_timed "$light" "$n")"); done
  ours=$(printf '%s\n' "${times[@]}" | median)
  base=()
  for ((n = 0; n < runs; n++)); do base+=("$("$probe" "$E2E_DIR/picture.ppm" "$E2E_DIR/baseline.pdf")"); done
  theirs=$(printf '%s\n' "${base[@]}" | median)
  echo "light printing $light: Print to file complete ${ours} ms (runs: ${times[*]});" \
    "cairo's PDF of the same pixels ${theirs} ms (runs: ${base[*]});" \
    "ratio $(echo "scale=2; $ours / $theirs" | bc)"
done
