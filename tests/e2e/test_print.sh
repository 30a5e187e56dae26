#!/usr/bin/env bash
# Printing to a PDF file through the real print dialog, with no print server: the picture,
# filled blue, lands centred at 90 % of the printable area of an A4 page, in full with light
# printing off and as a checkerboard with it on; the room is drawn again afterwards.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/print_lib.sh"
e2e_init "$1"
start_display 800x600x24

# same_room BEFORE AFTER: the screen now (saved as AFTER) shows what BEFORE showed, above the
# hover labels' strip.
same_room() {
  import -window root "$2" 2>/dev/null &&
    [ "$(compare -metric AE "$1[800x575+0+0]" "$2[800x575+0+0]" null: 2>&1)" = 0 ]
}

print_once() {
  local light=$1 pdf="$E2E_DIR/picture-light$1.pdf"
  write_preferences 1 1 1 "$light"
  start_program
  wait_main_window
  fill_picture "$POT_BLUE" 0000FF
  screenshot "$E2E_DIR/before-light$light.png"

  open_print_dialog
  choose_file "$pdf"
  xdotool key alt+p
  wait_until "$E2E_TIMEOUT" printed_file_complete "$pdf" || fail "no PDF came out at $pdf"
  "$PYTHON" "$(dirname "$0")/check_printed_pdf.py" "$pdf" $PICTURE_W $PICTURE_H 0000FF "$light" ||
    fail "the printed page (light printing $light)"

  # The room has the keyboard again and shows itself as before, where the dialogs lay too
  # (the file chooser covers the whole screen). The hover labels along the bottom come and
  # go with the pointer and are left out.
  wait_focus "Tintamar"
  xdotool mousemove $PICTURE_CENTRE
  wait_until "$E2E_TIMEOUT" same_room "$E2E_DIR/before-light$light.png" "$E2E_DIR/after-light$light.png" ||
    fail "the room was not drawn again after printing"
  close_main_window
  wait_program_exit
  pass "printed to a PDF file with light printing $light"
}

print_once 0
print_once 1
