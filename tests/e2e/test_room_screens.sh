#!/usr/bin/env bash
# The composed room at 640 x 480 and 1024 x 768: the picture area is white inside its frame,
# the pots show their start colours, the swatch shows red, and the screenshots are kept.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

check_room() {
  local size=$1 hint=$2
  local w=${size%x*} h=${size#*x}
  start_display "${size}x24"
  start_program
  [ "$hint" = yes ] && answer_box "Attention!"
  wait_main_window
  # The room is up once the picture is white and the frame's outer edge is drawn beside it.
  wait_pixel $(((147 + w - 19) / 2)) $(((16 + h - 96) / 2)) FFFFFF
  wait_pixel 130 $((h / 2)) 4A2F1B
  local shot="$E2E_DIR/room-$size.png"
  screenshot "$shot"

  # Paint in the pots (fill points of the pot art at (475, H - 96)).
  [ "$(pixel "$shot" $((475 + 92)) $((h - 96 + 8)))" = FF0000 ] || fail "$size: red pot"
  [ "$(pixel "$shot" $((475 + 97)) $((h - 96 + 15)))" = 0000FF ] || fail "$size: blue pot"
  [ "$(pixel "$shot" $((475 + 118)) $((h - 96 + 24)))" = FF8000 ] || fail "$size: orange pot"
  # The current colour, red, in the swatch.
  [ "$(pixel "$shot" $((439 + 21)) $((h - 40 + 8)))" = FF0000 ] || fail "$size: swatch"
  # The frame runs along the whole picture area: the right strip, and beyond the table's art
  # the bottom strip.
  [ "$(pixel "$shot" $((w - 1)) $((h / 2)))" = 4A2F1B ] || fail "$size: right strip"
  if [ "$w" -gt 640 ]; then
    [ "$(pixel "$shot" $((w - 100)) $((h - 96 + 14)))" = 4A2F1B ] || fail "$size: bottom strip"
  fi

  close_main_window
  wait_program_exit
  kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""
  pass "$size room composed ($shot)"
}

check_room 640x480 no
check_room 1024x768 yes
