#!/usr/bin/env bash
# SIGTERM and SIGINT end the program in every state, at once: with a message box up before the
# window opens (the resolution hint, the 8-bit refusal), in the room, with the Escape hint's box
# up, with the command menu open, and in the middle of a stroke. The exit code is the shell's
# 128 + the signal, no window stays behind and the settings file is as it was.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

settings="$XDG_CONFIG_HOME/tintamar/qoxtmr10.pfs"
settings_sum() { [ -f "$settings" ] && md5sum <"$settings" || echo none; }

# end_with SIGNAL EXIT_CODE WHAT: sends the signal and checks how the program ended.
end_with() {
  local before start ms
  before=$(settings_sum)
  start=$(date +%s%N)
  kill -s "$1" "$PROGRAM_PID"
  wait_program_exit 30
  ms=$((($(date +%s%N) - start) / 1000000))
  [ "$PROGRAM_EXIT" = "$2" ] || fail "$3: exit code $PROGRAM_EXIT after $1, not $2"
  [ "$(settings_sum)" = "$before" ] || fail "$3: the settings file changed"
  if [ -d "$(dirname "$settings")" ]; then
    [ "$(ls -A "$(dirname "$settings")")" = qoxtmr10.pfs ] ||
      fail "$3: beside the settings file: $(ls -A "$(dirname "$settings")")"
  fi
  wait_no_window "Attention!"
  wait_no_window "Tintamar"
  pass "$3: $1 ended the program with $2 (seen gone after $ms ms)"
}

# box_before_the_window SCREEN SIGNAL EXIT_CODE WHAT: a box the program shows before its window
# (the resolution hint above 800 x 600, the refusal of an 8-bit screen), ended by the signal.
box_before_the_window() {
  start_display "$1"
  start_program
  wait_window "Attention!"
  wait_until "$E2E_TIMEOUT" box_ready "$(window_ids "Attention!" | head -1)" || fail "$4 never showed"
  end_with "$2" "$3" "$4"
  kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""
}
box_before_the_window 1024x768x24 TERM 143 "the resolution hint's box"
box_before_the_window 640x480x8 INT 130 "the 8-bit refusal's box"

# In the room.
start_display 800x600x24
start_program
wait_main_window
wait_room_drawn
wait_input_handled 400 200
end_with TERM 143 "the room"

start_program
wait_main_window
wait_room_drawn
wait_input_handled 400 200
xdotool key Escape
wait_window "Attention!"
wait_until "$E2E_TIMEOUT" box_ready "$(window_ids "Attention!" | head -1)" || fail "the Escape hint never showed"
end_with INT 130 "the Escape hint's box"

start_program
wait_main_window
wait_room_drawn
wait_input_handled 400 200
under_menu=$(region_sum 360 205 80 60)
xdotool key F1
wait_until "$E2E_TIMEOUT" region_changed 360 205 80 60 "$under_menu" || fail "the command menu did not open"
end_with TERM 143 "the command menu"

start_program
wait_main_window
wait_room_drawn
wait_input_handled 300 200
picture=$(region_sum 280 180 80 80)
xdotool mousedown 1 mousemove 320 230 mousemove 340 250
wait_until "$E2E_TIMEOUT" region_changed 280 180 80 80 "$picture" || fail "the pencil drew nothing"
end_with TERM 143 "a stroke"
xdotool mouseup 1
