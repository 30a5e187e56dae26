#!/usr/bin/env bash
# Start-ups that end at once: with no X display to open its window on, the program says so on
# standard error and fails at once, taking no lock; an 8-bit screen is refused with a readable
# box that fits the screen, exit code 0 and no main window; a second copy raises the first one,
# shows nothing and exits 0.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# No display named, and a display that no server answers.
for display in unset :65000; do
  if [ "$display" = unset ]; then
    (cd "$E2E_DIR" && env -u DISPLAY timeout "$E2E_TIMEOUT" "$PROGRAM" >"$E2E_DIR/nodisplay.log" 2>&1)
  else
    (cd "$E2E_DIR" && DISPLAY=$display timeout "$E2E_TIMEOUT" "$PROGRAM" >"$E2E_DIR/nodisplay.log" 2>&1)
  fi
  nodisplay_exit=$?
  [ "$nodisplay_exit" = 1 ] || fail "DISPLAY $display: exit code $nodisplay_exit (124: still running)"
  grep -q '^tintamar: .*display' "$E2E_DIR/nodisplay.log" ||
    fail "DISPLAY $display: nothing said on standard error: $(cat "$E2E_DIR/nodisplay.log")"
  [ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "DISPLAY $display: left behind: $(ls "$XDG_RUNTIME_DIR")"
  pass "with DISPLAY $display the program says why and ends with 1, taking no lock"
done

# The refusal on the smallest 8-bit screen: our own box, on the screen's colour map.
start_display 640x480x8
start_program
wait_window "Attention!"
window_exists "Tintamar" && fail "a main window opened on an 8-bit screen"
geometry=$(window_geometry "Attention!")
read -r box_w box_h box_x box_y <<<"$(tr 'x+' '  ' <<<"$geometry")"
[ "$box_x" -ge 0 ] && [ "$box_y" -ge 0 ] && [ $((box_x + box_w)) -le 640 ] && [ $((box_y + box_h)) -le 480 ] ||
  fail "the refusal box ($geometry) does not fit the 640 x 480 screen"
screenshot "$E2E_DIR/refusal-8bit.png"
# The information icon: a blue disc at the box's top left.
[ "$(pixel "$E2E_DIR/refusal-8bit.png" $((box_x + 28)) $((box_y + 42)))" = 1E88E5 ] ||
  fail "no information icon in the refusal box (see refusal-8bit.png)"
answer_box "Attention!"
wait_program_exit
[ "$PROGRAM_EXIT" = 0 ] || fail "8-bit refusal exit code $PROGRAM_EXIT"
kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""
pass "an 8-bit screen is refused with a box of ${box_w} x ${box_h} inside the screen"

start_display 800x600x24
start_program
wait_main_window
first=$PROGRAM_PID
(cd "$E2E_DIR" && "$PROGRAM" >"$E2E_DIR/second.log" 2>&1)
second_exit=$?
[ "$second_exit" = 0 ] || fail "second copy exit code $second_exit"
[ "$(window_count Tintamar)" = 1 ] || fail "$(window_count Tintamar) windows after a second copy"
kill -0 "$first" || fail "the first copy ended"
pass "a second copy exits 0 and leaves one window"

# A copy that crashed leaves no stuck lock: the lock dies with its process.
kill -KILL -- "-$first"
PROGRAM_PID=""
wait_no_window "Tintamar"
start_program
wait_main_window
pass "a new copy starts after the first one was killed"
