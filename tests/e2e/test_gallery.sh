#!/usr/bin/env bash
# Colouring pages and the gallery on an 800 x 600 screen: New offers the pages in the gallery
# (blank first), the arrows step to the castle, the tick opens it; the paint pot fills one of
# its shapes and nothing else changes; the picture saved into the Gallery opens again from
# the Gallery command, pixel for pixel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/documents_lib.sh"
e2e_init "$1"

GALLERY="$HOME/Pictures/Tintamar/Gallery"
PAINT_POT="287 563"
POT_BLUE="573 520"
TOWER="300 380"  # inside the castle's left tower

start_display 800x600x24
gallery_points
start_program
wait_main_window
new_from_castle
wait_pixel 460 200 000000  # a line of the castle
pass "New offers the colouring pages and opens the castle"

xdotool mousemove $PAINT_POT click 1
xdotool mousemove $POT_BLUE click 1
wait_input_handled 400 300
screenshot "$E2E_DIR/before.png"
xdotool mousemove $TOWER click 1
wait_pixel $TOWER 0000FF
wait_input_handled 400 300
screenshot "$E2E_DIR/after.png"
# What a flood fill of the tower's white in blue makes of the page, and nothing more.
read -r x y <<<"$TOWER"
convert "$E2E_DIR/before.png" -fill '#0000FF' -draw "color $x,$y floodfill" "$E2E_DIR/expected.png"
picture_rgb "$E2E_DIR/expected.png" >"$E2E_DIR/expected.rgb"
picture_rgb "$E2E_DIR/after.png" >"$E2E_DIR/filled.rgb"
cmp -s "$E2E_DIR/expected.rgb" "$E2E_DIR/filled.rgb" || fail "the paint pot changed more than the tower"
cmp -s <(picture_rgb "$E2E_DIR/before.png") "$E2E_DIR/filled.rgb" && fail "the paint pot changed nothing"
pass "the paint pot fills the tower and nothing else"

run_from_remote save
choose_file "Save As" "$GALLERY/castle.bmp"
wait_until "$E2E_TIMEOUT" test -s "$GALLERY/castle.bmp" || fail "castle.bmp was not saved"
run_from_remote new
wait_until "$E2E_TIMEOUT" gallery_shown || fail "New did not offer the colouring pages"
xdotool mousemove $GALLERY_OPEN click 1  # the blank page
wait_until "$E2E_TIMEOUT" gallery_gone || fail "the gallery did not close"
wait_pixel $TOWER FFFFFF
run_from_remote gallery
wait_until "$E2E_TIMEOUT" gallery_shown || fail "the Gallery did not open"
xdotool mousemove $GALLERY_OPEN click 1
wait_until "$E2E_TIMEOUT" gallery_gone || fail "the gallery did not close"
wait_pixel $TOWER 0000FF
wait_input_handled 400 300
screenshot "$E2E_DIR/reopened.png"
cmp -s <(picture_rgb "$E2E_DIR/reopened.png") "$E2E_DIR/filled.rgb" ||
  fail "the picture opened from the Gallery differs from the one saved"
pass "the saved picture opens again from the Gallery"
