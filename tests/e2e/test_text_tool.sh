#!/usr/bin/env bash
# The text tool as a child uses it on a 640 x 480 screen: a blue pot, the text button, a word
# typed with the keyboard (with an accented letter), a family chosen from the list by its
# letter, the biggest size and bold, OK, and the word put down on the picture; its pixels must
# then be on the screen in blue, with their bottom centre where the pointer let go.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

WHITE=FFFFFF
BLUE=0000FF
GREEN=00FF00
CHOSEN=42A5F5   # the blue of a selection in the dialog's field
INK=4A2F1B      # the brown of the field's letters

POT_BLUE="573 400"
TEXT_BUTTON="60 440"
PRINT_BUTTON="24 305"
# The dialog (495 x 370) lies centred, at (72, 55); its points on the screen:
CHALKBOARD="372 155"
FIELD="124 359 316 18"      # x y w h inside the typing field
BOLD="354 273"
HUGE="469 308"
HUGE_MARK="425 308"
OK="465 360"
PLACE_X=380
PLACE_Y=250

# The system Python, which has the imaging library of the packages this project installs.
ink() { /usr/bin/python3 "$(dirname "$0")/ink.py" "$@"; }
field_shows_typed_text() {
  screenshot "$E2E_DIR/field.png"
  [ "$(ink "$E2E_DIR/field.png" $CHOSEN $FIELD | cut -d' ' -f1)" = 0 ] &&
    [ "$(ink "$E2E_DIR/field.png" $INK $FIELD | cut -d' ' -f1)" -gt 20 ]
}
# handled: moves the pointer over the print button and waits until the program lights it,
# which it does only once it has handled everything that came before.
print_button_look() { import -window root -crop 40x30+4+290 -depth 8 txt:- 2>/dev/null | md5sum; }
print_button_changed() { [ "$(print_button_look)" != "$UNLIT" ]; }
handled() {
  UNLIT=$(print_button_look)
  xdotool mousemove $PRINT_BUTTON
  wait_until "$E2E_TIMEOUT" print_button_changed || fail "the print button never lit up"
}
blue_near_place() {
  screenshot "$E2E_DIR/near.png"
  [ "$(ink "$E2E_DIR/near.png" $BLUE 150 100 460 200 | cut -d' ' -f1)" -gt 0 ]
}

start_display 640x480x24
start_program
wait_main_window
wait_pixel 300 200 $WHITE

xdotool mousemove $POT_BLUE click 1
xdotool mousemove $TEXT_BUTTON click 1
wait_pixel $CHALKBOARD 0C0B0A
pass "the text button opens the text dialog"

# The whole line is selected as the dialog opens: typing replaces it.
xdotool type --delay 60 "thé"
wait_until "$E2E_TIMEOUT" field_shows_typed_text || fail "the typed word did not replace the line"
xdotool key Tab l
xdotool mousemove $BOLD click 1
xdotool mousemove $HUGE click 1
wait_pixel $HUGE_MARK $GREEN
screenshot "$E2E_DIR/dialog.png"
xdotool mousemove $OK click 1
wait_pixel $CHALKBOARD $WHITE
pass "OK closes the dialog"

# The word follows the pointer, and a click puts it down there.
xdotool mousemove $PLACE_X $PLACE_Y
wait_until "$E2E_TIMEOUT" blue_near_place || fail "no word follows the pointer"
xdotool click 1
# Were the word still following the pointer, it would show here now.
xdotool mousemove 600 120
handled
screenshot "$E2E_DIR/placed.png"
[ "$(ink "$E2E_DIR/placed.png" $BLUE 500 20 109 110 | cut -d' ' -f1)" = 0 ] ||
  fail "the word still follows the pointer after the click"
read -r count left top right bottom gaps <<<"$(ink "$E2E_DIR/placed.png" $BLUE 147 16 474 368)"
[ "$count" -gt 400 ] || fail "only $count blue pixels on the picture"
centre=$(((left + right) / 2))
[ $((centre - PLACE_X)) -le 3 ] && [ $((PLACE_X - centre)) -le 3 ] ||
  fail "the word is centred at $centre, not at $PLACE_X"
[ "$bottom" -le $PLACE_Y ] && [ "$bottom" -ge $((PLACE_Y - 25)) ] ||
  fail "the word's bottom is at $bottom, the pointer let go at $PLACE_Y"
[ $((bottom - top)) -ge 55 ] || fail "the word is $((bottom - top)) pixels high, not the biggest size"
[ "$gaps" -gt 0 ] || fail "the last letter has no accent above it"
pass "the word is on the picture in blue, $((right - left)) x $((bottom - top)) pixels, under the pointer"
