#!/usr/bin/env bash
# Start-ups that end at once: an 8-bit screen is refused with a message and exit code 0 and
# no main window; a second copy raises the first one, shows nothing and exits 0; with no X
# display to open its window on, the program ends with 0 instead of running unseen.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# A display that no server answers.
(cd "$E2E_DIR" && DISPLAY=:65000 timeout "$E2E_TIMEOUT" "$PROGRAM" >"$E2E_DIR/nodisplay.log" 2>&1)
nodisplay_exit=$?
[ "$nodisplay_exit" = 0 ] || fail "with no display: exit code $nodisplay_exit (124: still running)"
pass "with no display the program ends at once"

start_display 800x600x8
start_program
wait_window "Attention!"
window_exists "Tintamar" && fail "a main window opened on an 8-bit screen"
answer_box "Attention!"
wait_program_exit
[ "$PROGRAM_EXIT" = 0 ] || fail "8-bit refusal exit code $PROGRAM_EXIT"
kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""
pass "an 8-bit screen is refused"

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
