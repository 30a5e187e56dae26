#!/usr/bin/env bash
# The room at twice its size on a 1920 x 1080 screen (--scale=auto): the window covers the
# screen, no hint about the display's resolution is shown, every room pixel is a 2 x 2 block,
# a pencil stroke lands under the pointer, the pointer image is enlarged and a pot click picks
# its colour.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

ROOM_SCALE=2
start_display 1920x1080x24
start_program --scale=auto
# With the hint the window would only open once its box was answered.
wait_main_window
[ "$(window_geometry Tintamar)" = "1920x1080+0+0" ] ||
  fail "the window does not cover the screen: $(window_geometry Tintamar)"
[ "$(window_count "Attention!")" -eq 0 ] || fail "a hint box is shown"

# room_at X Y: the screen point at the centre of the room pixel (X, Y).
room_at() { echo "$(($1 * 2 + 1)) $(($2 * 2 + 1))"; }

# The room is 960 x 540: picture area (147, 16) - (941, 444), table from y = 444.
wait_pixel $(room_at 544 230) FFFFFF
wait_pixel $(room_at 130 270) 4A2F1B
shot="$E2E_DIR/room-1920x1080-scale2.png"
screenshot "$shot"
# Every room pixel is a block of 2 x 2 screen pixels: halving and doubling changes nothing.
convert "$shot" -sample 50% -sample 200% "$E2E_DIR/blocks.png"
[ "$(compare -metric AE "$shot" "$E2E_DIR/blocks.png" null: 2>&1)" = 0 ] ||
  fail "some room pixels are not whole 2 x 2 blocks"
# The frame's right strip reaches the screen's edge; the pots sit on the table (pot art at
# (475, H - 96)); the swatch shows red.
[ "$(pixel "$shot" 1919 540)" = 4A2F1B ] || fail "the frame does not reach the right edge"
[ "$(pixel "$shot" $(room_at $((475 + 92)) $((540 - 96 + 8))))" = FF0000 ] || fail "red pot"
[ "$(pixel "$shot" $(room_at $((475 + 97)) $((540 - 96 + 15))))" = 0000FF ] || fail "blue pot"
[ "$(pixel "$shot" $(room_at $((439 + 21)) $((540 - 40 + 8))))" = FF0000 ] || fail "swatch"
pass "the room fills the screen at twice its size ($shot)"

# A pencil stroke from screen (800, 400) to (1000, 400): the pencil is in hand at the start.
xdotool mousemove 800 400 mousedown 1
for x in 850 900 950 1000; do xdotool mousemove "$x" 400; done
xdotool mouseup 1
wait_input_handled 1200 700
shot="$E2E_DIR/stroke.png"
screenshot "$shot"
for x in 800 801 900 1000; do
  [ "$(pixel "$shot" "$x" 400)" = FF0000 ] || fail "the stroke is not under the pointer at ($x, 400)"
done
[ "$(pixel "$shot" 800 360)" = FFFFFF ] || fail "paint far above the stroke"
[ "$(pixel "$shot" 1040 400)" = FFFFFF ] || fail "paint beyond the stroke's end"
pass "a pencil stroke lands under the pointer"

# Over the picture the pencil's pointer image (32 x 32, hot spot (5, 31)) is twice its size,
# in whole blocks, with the hot spot in the centre of its block.
pointer_is() { [ "$("$(dirname "$PROGRAM")/tests/xcursor" 2)" = "$1" ]; }
wait_until "$E2E_TIMEOUT" pointer_is "64x64 11,63 blocks" ||
  fail "the pencil's pointer image is $("$(dirname "$PROGRAM")/tests/xcursor" 2)"
pass "the pointer image is twice its size"

# The blue pot (room (573, H - 80)) becomes the current colour; the next stroke is blue.
xdotool mousemove $(room_at 573 460) click 1
wait_pixel $(room_at $((439 + 21)) $((540 - 40 + 8))) 0000FF
xdotool mousemove 800 600 mousedown 1 mousemove 900 600 mouseup 1
wait_input_handled 1200 700
shot="$E2E_DIR/blue-stroke.png"
screenshot "$shot"
[ "$(pixel "$shot" 850 600)" = 0000FF ] || fail "the stroke after the blue pot is not blue"
[ "$(pixel "$shot" 900 400)" = FF0000 ] || fail "the red stroke changed"
pass "a pot click picks its colour ($shot)"

# A message box (Escape's hint) keeps its own size and sits in the middle of the screen.
xdotool key Escape
wait_window "Attention!"
geometry=$(window_geometry "Attention!")
read -r bw bh bx by <<<"$(tr 'x+' '  ' <<<"$geometry")"
[ "$bw" -lt 960 ] && [ $((bx + bw / 2 - 960)) -ge -2 ] && [ $((bx + bw / 2 - 960)) -le 2 ] &&
  [ $((by + bh / 2 - 540)) -ge -2 ] && [ $((by + bh / 2 - 540)) -le 2 ] ||
  fail "the message box is not at its own size in the middle: $geometry"
answer_box "Attention!"
pass "a message box keeps its own size, in the middle of the screen ($geometry)"

close_main_window
wait_program_exit
[ "$PROGRAM_EXIT" -eq 0 ] || fail "the program ended with $PROGRAM_EXIT"
