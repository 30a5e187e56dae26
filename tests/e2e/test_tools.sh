#!/usr/bin/env bash
# The everyday tools of the first shelf as a child uses them on a 640 x 480 screen: each is
# picked up from the table, given a colour from a pot, and used on the picture; the screen must
# then show what the tool paints. Paintbrush, Paint pot, Eraser, Spray can, Ruler, Shape
# template (with its chooser) and Colour dropper.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

WHITE=FFFFFF
BLUE=0000FF
RED=FF0000
BLACK=000000
GREEN=00FF00

# Where the tools lie on the table and where the pots are (H = 480).
PAINTBRUSH="370 440"
ERASER="325 432"
SPRAY_CAN="197 430"
RULER="415 422"
SHAPE_TEMPLATE="240 446"
PAINT_POT="287 443"
DROPPER="290 418"
POT_BLACK="530 388"
POT_RED="570 390"
POT_GREEN="530 397"
POT_BLUE="573 400"
SWATCH="460 448"   # inside the current-colour swatch

pick() { xdotool mousemove $1 $2 click 1; }

start_display 640x480x24
start_program
wait_main_window
wait_pixel 300 200 $WHITE

# Paintbrush: a soft blue blob, solid in the middle, no wider than its disc.
pick $PAINTBRUSH
pick $POT_BLUE
xdotool mousemove 250 100 mousedown 1
wait_pixel 250 100 $BLUE
xdotool mouseup 1
wait_input_handled 350 250
screenshot "$E2E_DIR/paintbrush.png"
[ "$(pixel "$E2E_DIR/paintbrush.png" 250 112)" = $WHITE ] || fail "the paintbrush blob reaches past its disc"
[ "$(pixel "$E2E_DIR/paintbrush.png" 238 100)" = $WHITE ] || fail "the paintbrush blob reaches past its disc"
edge=$(pixel "$E2E_DIR/paintbrush.png" 257 100)
[ "$edge" != $WHITE ] && [ "$edge" != $BLUE ] || fail "the paintbrush blob has no soft edge ($edge)"
pass "the paintbrush paints a soft blue blob"

# Paint pot: the white picture around the blob turns blue.
pick $PAINT_POT
xdotool mousemove 500 300 click 1
wait_pixel 600 370 $BLUE
wait_pixel 150 20 $BLUE
pass "the paint pot fills the picture"

# Eraser: a white 24 x 24 square at the pointer.
pick $ERASER
xdotool mousemove 300 200 mousedown 1
wait_pixel 300 200 $WHITE
xdotool mouseup 1
wait_input_handled 350 300
screenshot "$E2E_DIR/eraser.png"
[ "$(count_colour "$E2E_DIR/eraser.png" 280 180 40 40 $WHITE)" = 576 ] || fail "the eraser square is not 24 x 24"
[ "$(pixel "$E2E_DIR/eraser.png" 288 188)" = $WHITE ] || fail "the eraser square's corner"
[ "$(pixel "$E2E_DIR/eraser.png" 312 200)" = $BLUE ] || fail "the eraser square is too wide"
pass "the eraser paints a white square"

# Spray can: at most 24 red pixels, all within 12 pixels of the pointer.
pick $SPRAY_CAN
pick $POT_RED
xdotool mousemove 450 250 mousedown 1
wait_until "$E2E_TIMEOUT" bash -c "import -window root -crop 25x25+438+238 png:- | convert - -depth 8 txt:- | grep -qi '#$RED'" ||
  fail "the spray can put no red"
xdotool mouseup 1
wait_input_handled 350 300
screenshot "$E2E_DIR/spray.png"
near=$(count_colour "$E2E_DIR/spray.png" 438 238 25 25 $RED)
all=$(count_colour "$E2E_DIR/spray.png" 147 16 474 368 $RED)
[ "$near" -ge 1 ] && [ "$near" -le 24 ] || fail "the spray put $near red pixels"
[ "$all" = "$near" ] || fail "the spray reached beyond 12 pixels ($all red, $near near)"
pass "the spray can scatters $near red pixels"

# Ruler: a black line of width 4, committed at release.
pick $RULER
pick $POT_BLACK
xdotool mousemove 200 300 mousedown 1
xdotool mousemove 260 300 mousemove 350 300
wait_pixel 300 300 $BLACK
xdotool mouseup 1
wait_input_handled 500 200
screenshot "$E2E_DIR/ruler.png"
for x in 205 275 345; do
  [ "$(pixel "$E2E_DIR/ruler.png" $x 300)" = $BLACK ] || fail "no ruler line at ($x, 300)"
done
[ "$(count_colour "$E2E_DIR/ruler.png" 275 290 1 20 $BLACK)" = 4 ] || fail "the ruler line is not 4 wide"
[ "$(pixel "$E2E_DIR/ruler.png" 360 300)" = $BLUE ] || fail "the ruler line runs past its end"
pass "the ruler draws a straight black line"

# Shape template: choose the filled rectangle in the chooser, then drag one out in green.
pick $SHAPE_TEMPLATE
wait_pixel 73 358 $BLACK           # the chooser: filled ellipse, not chosen
pick 73 397                        # the filled rectangle
wait_pixel 73 397 $GREEN
pick $POT_GREEN
xdotool mousemove 400 250 mousedown 1
xdotool mousemove 450 300 mousemove 500 330
wait_pixel 450 290 $GREEN
xdotool mousemove 470 320        # back over a smaller rectangle: the larger band goes
wait_pixel 490 325 $BLUE
xdotool mouseup 1
wait_input_handled 550 150
screenshot "$E2E_DIR/shape.png"
[ "$(count_colour "$E2E_DIR/shape.png" 390 240 100 100 $GREEN)" = $((70 * 70)) ] ||
  fail "the filled rectangle is not 70 x 70"
[ "$(pixel "$E2E_DIR/shape.png" 400 250)" = $GREEN ] || fail "the rectangle's corner"
pass "the shape template draws a filled green rectangle"

# Colour dropper: picking the erased square makes white the current colour, at once.
pick $DROPPER
xdotool mousemove 300 200 click 1
wait_pixel $SWATCH $WHITE
xdotool mousemove 600 370 click 1
wait_pixel $SWATCH $BLUE
pass "the colour dropper picks the picture's colour into the swatch"
