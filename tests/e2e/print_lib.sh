# Helpers of the printing tests on an 800 x 600 screen: the picture filled with one colour,
# and the print dialog driven by the keyboard as a person would ("Print to File", a file name
# typed into its chooser, Print). Without a window manager the program gives each dialog the
# keyboard focus itself; every step waits for the focus to arrive.
export LC_ALL=C.UTF-8  # A4 paper
# The system's Python, which has the imaging library the checks use.
PYTHON=python3
[ -x /usr/bin/python3 ] && PYTHON=/usr/bin/python3

PRINT_BUTTON="24 425"
PAINT_POT="287 563"
POT_BLUE="573 520"
POT_RED="570 510"
PICTURE_CENTRE="464 260"
# The picture is (147, 16, W - 19, H - 96): 634 x 488.
PICTURE_W=634
PICTURE_H=488

# fill_picture POT RRGGBB: the paint pot fills the white picture with a pot's colour; the
# pointer is left over the picture once the program has handled the release.
fill_picture() {
  xdotool mousemove $PAINT_POT click 1
  xdotool mousemove $1 click 1
  xdotool mousemove $PICTURE_CENTRE click 1
  wait_input_handled $PICTURE_CENTRE
  wait_pixel ${PICTURE_CENTRE% *} ${PICTURE_CENTRE#* } "$2"
  wait_pixel 150 20 "$2"
}

# open_print_dialog: the print button, then the dialog with the keyboard focus.
open_print_dialog() {
  xdotool mousemove $PRINT_BUTTON click 1
  wait_focus "Print"
}

# choose_file PATH: in a fresh print dialog, picks "Print to File" (the only printer without a
# print server) and types PATH into its file chooser. The focus starts on the dialog's first
# tab: Down moves into the printer list and selects its row, which brings the File button.
choose_file() {
  xdotool key Down Tab space
  wait_focus "Select a filename"
  xdotool key ctrl+a
  xdotool type --delay 5 "$1"
  xdotool key Return
  wait_focus "Print"
}

# printed_file_complete PATH: the file exists and the job has ended (the "Abort..." window,
# up until the printer has the whole job, is gone).
printed_file_complete() { [ -s "$1" ] && ! window_exists "Abort..."; }
