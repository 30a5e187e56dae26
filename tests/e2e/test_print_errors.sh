#!/usr/bin/env bash
# Printing that cannot happen says so in a notice, and the room goes on: no printer at all
# (GTK offers none), a printer that cannot start the job (no room for its spool file), and a
# job the printer does not take (a file that cannot be written). Each time the room answers
# clicks afterwards.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/print_lib.sh"
e2e_init "$1"
start_display 800x600x24

# room_answers RRGGBB POT: the paint pot pours that pot's colour over the picture.
room_answers() {
  xdotool mousemove $2 click 1 mousemove $PICTURE_CENTRE click 1
  wait_pixel ${PICTURE_CENTRE% *} ${PICTURE_CENTRE#* } "$1"
}

# No printer: GTK is told to load no print backend.
mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
printf '[Settings]\ngtk-print-backends=none\n' >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
start_program
wait_main_window
fill_picture "$POT_BLUE" 0000FF
xdotool mousemove $PRINT_BUTTON click 1
answer_box "Attention!"
window_exists "Print" && fail "a print dialog opened without printers"
room_answers FF0000 "$POT_RED"
close_main_window
wait_program_exit
rm "$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
pass "no printer: a notice, and the room goes on"

# The job cannot start: the folder for temporary files does not exist.
TMPDIR="$E2E_DIR/no-such-folder" start_program
wait_main_window
fill_picture "$POT_BLUE" 0000FF
open_print_dialog
choose_file "$E2E_DIR/never.pdf"
xdotool key alt+p
answer_box "Attention!"
window_exists "Abort..." && fail "the abort window is up for a job that never started"
room_answers FF0000 "$POT_RED"
[ ! -e "$E2E_DIR/never.pdf" ] || fail "a job that could not start wrote a file"
close_main_window
wait_program_exit
pass "a job that cannot start: a notice, and the room goes on"

# The printer does not take the job: the file cannot be made where it was asked for.
start_program
wait_main_window
fill_picture "$POT_BLUE" 0000FF
open_print_dialog
choose_file "/proc/tintamar-picture.pdf"
xdotool key alt+p
answer_box "Attention!"
wait_no_window "Abort..."
room_answers FF0000 "$POT_RED"
pass "a job the printer refuses: a notice instead of silence"
