#!/usr/bin/env bash
# "Cancel Printing" abandons the job: while a page goes out the "Abort..." window is up and the
# room takes no clicks; pressing its button leaves no file, closes the window and gives the
# room back. A later print dialog cancelled with Escape shows nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/print_lib.sh"
e2e_init "$1"
HOLD="$(dirname "$PROGRAM")/tests/xhold"
start_display 800x600x24
start_program
wait_main_window
fill_picture "$POT_BLUE" 0000FF

pdf="$E2E_DIR/cancelled.pdf"
open_print_dialog
choose_file "$pdf"
# The window lives only as long as the page takes: the process is stopped the moment it
# appears, the button is pressed (the X server keeps the clicks), and the process goes on.
"$HOLD" "Abort..." "$PROGRAM_PID" "$E2E_TIMEOUT" >"$E2E_DIR/held" &
hold_pid=$!
wait_until "$E2E_TIMEOUT" grep -q listening "$E2E_DIR/held" || fail "xhold did not start"
xdotool key alt+p
wait "$hold_pid" || fail "no \"Abort...\" window appeared, or the program was not held"
screenshot "$E2E_DIR/abort-window.png"
geometry=$(window_geometry "Abort...")
size=${geometry%%+*}
[ "$size" = 112x124 ] || fail "the \"Abort...\" window is $size, not 112 x 124"
read -r x y <<<"$(echo "${geometry#*+}" | tr '+' ' ')"
# While it is up the room takes no clicks: a click on the red pot and the picture changes
# nothing. Then "Cancel Printing" (11, 93, 101, 116 in the window).
xdotool mousemove $POT_RED click 1 mousemove $PICTURE_CENTRE click 1
xdotool mousemove $((x + 56)) $((y + 104)) click 1
kill -CONT "$PROGRAM_PID"
wait_no_window "Abort..."
wait_focus "Tintamar"
wait_input_handled $PICTURE_CENTRE
screenshot "$E2E_DIR/after-cancel.png"
[ "$(pixel "$E2E_DIR/after-cancel.png" ${PICTURE_CENTRE% *} ${PICTURE_CENTRE#* })" = 0000FF ] ||
  fail "the room took a click while the job went out"
[ ! -e "$pdf" ] || fail "the cancelled job still wrote $pdf"
[ -z "$(ls -A "$E2E_DIR" | grep -F .goutputstream)" ] || fail "the cancelled job left a partial file"
pass "Cancel Printing abandons the job"

# The room answers clicks again: the paint pot pours red.
xdotool mousemove $POT_RED click 1 mousemove $PICTURE_CENTRE click 1
wait_pixel ${PICTURE_CENTRE% *} ${PICTURE_CENTRE#* } FF0000
pass "the room answers clicks after the cancel"

# A new print dialog opens; the room beside it takes no clicks (the speaker below it stays
# as it is); Escape closes it with nothing shown and nothing printed.
screenshot "$E2E_DIR/before-dialog.png"
open_print_dialog
xdotool mousemove 626 590 click 1
xdotool key Escape
wait_no_window "Print"
wait_focus "Tintamar"
xdotool mousemove $POT_BLUE click 1 mousemove $PICTURE_CENTRE click 1
wait_input_handled $PICTURE_CENTRE
wait_pixel ${PICTURE_CENTRE% *} ${PICTURE_CENTRE#* } 0000FF
window_exists "Attention!" && fail "cancelling the print dialog showed a notice"
screenshot "$E2E_DIR/after-dialog.png"
[ "$(compare -metric AE "$E2E_DIR/before-dialog.png[16x21+618+579]" "$E2E_DIR/after-dialog.png[16x21+618+579]" null: 2>&1)" = 0 ] ||
  fail "the speaker took a click while the print dialog was up"
[ ! -e "$pdf" ] || fail "the cancelled dialog printed"
pass "cancelling the print dialog shows and prints nothing"
