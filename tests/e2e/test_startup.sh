#!/usr/bin/env bash
# Start-up on the three screen sizes the program is laid out for: the window covers the whole
# screen, the resolution hint appears only above 800 x 600, and closing the window ends the
# program with exit code 0. Also: keys reach the program (Escape shows its hint box).
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

check_size() {
  local size=$1 hint=$2
  start_display "${size}x24"
  start_program
  if [ "$hint" = yes ]; then
    answer_box "Attention!"
  fi
  wait_main_window
  window_exists "Attention!" && fail "$size: an unexpected box"
  [ "$(window_geometry Tintamar)" = "${size}+0+0" ] || fail "$size: window is $(window_geometry Tintamar)"
  local w=${size%x*} h=${size#*x}
  screenshot "$E2E_DIR/start-$size.png"
  [ "$(identify -format '%wx%h' "$E2E_DIR/start-$size.png")" = "$size" ] || fail "$size: screenshot size"
  close_main_window
  wait_program_exit
  [ "$PROGRAM_EXIT" = 0 ] || fail "$size: exit code $PROGRAM_EXIT"
  kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""
  pass "$size starts full screen (${w}x${h}) and ends with 0"
}

check_size 640x480 no
check_size 800x600 no
check_size 1024x768 yes

# Keys reach the program: Escape shows the hint box, which a person answers.
start_display 800x600x24
start_program
wait_main_window
xdotool mousemove 400 300
xdotool key Escape
answer_box "Attention!"
program_running || fail "program ended after the Escape hint"
pass "Escape shows the remote-control hint"
