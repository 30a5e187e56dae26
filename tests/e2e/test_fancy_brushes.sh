#!/usr/bin/env bash
# The colour mixer and the fancy brushes of the last shelf as a child uses them on a 640 x 480
# screen. A colour picked in the mixer opened from its button becomes the current colour, one
# picked after a double-click on a pot becomes that pot's colour. Then each brush is picked up
# from the table, given a colour from a pot and used on the picture, and the screen must show
# what that brush paints: shaded balls, a stroke mirrored about the press point (two-way and
# four-way), stars in the current colour with white between their points, short stitches, and a
# splat cut out by its mask, also at twice the size while zoomed.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

WHITE=FFFFFF

# Where things are on the 640 x 480 room.
SHELF_4="77 300"
BALL_BRUSH="306 443"
MIRROR_BRUSH="227 446"
STAR_WAND="400 418"
NEEDLE="308 410"
SPLAT_GUN="221 410"
POT_BLACK="530 388"
POT_RED="570 390"
POT_GREEN="530 397"
POT_BLUE="573 400"
POT_MAGENTA="550 440"
POT_ORANGE="600 430"
ORANGE_POT_PAINT="593 408"  # a point the orange pot's paint covers
MIXER_BUTTON="510 450"
MAGNIFIER="600 470"
SWATCH="460 448"            # inside the current-colour swatch
OWN_COLOUR_DROP="32 399"    # the options panel: the drop in the tool's colour
MIRROR_TWO_WAY="23 399"     # the mirror panel: the two-way picture, in the tool's colour
MIRROR_FOUR_WAY="74 404"
MIRROR_FOUR_WAY_FRAME="60 392"
SMALLEST_SIZE="17 370"
# The mixer is 369 x 242, centred at (135, 119); its parts in screen pixels.
MIXER_RED="237 172"
MIXER_YELLOW="301 151"
MIXER_SWATCH="175 289"
MIXER_OK="275 219"

pick() { xdotool mousemove $1 $2 click 1; }

# colours FILE X Y W H: "count RRGGBB" for every colour in the region of a screenshot.
colours() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 -format %c histogram:info:- 2>/dev/null |
    sed -E 's/^ *([0-9]+):.*#([0-9A-Fa-f]{6}).*/\1 \2/'
}
# bounds FILE X Y W H RRGGBB: "left top right bottom" (screen pixels, inclusive) of that colour.
bounds() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- 2>/dev/null |
    awk -v c="#$6" -v ox="$2" -v oy="$3" -F'[,: ]+' 'index(toupper($0), toupper(c)) {
        x = $1 + ox; y = $2 + oy
        if (n++ == 0) { l = r = x; t = b = y }
        if (x < l) l = x; if (x > r) r = x; if (y < t) t = y; if (y > b) b = y }
      END { if (n) print l, t, r, b }'
}
# press_until X Y CONDITION...: presses at (X, Y), waits for the condition, then releases.
press_until() {
  local x=$1 y=$2
  shift 2
  xdotool mousemove "$x" "$y" mousedown 1
  wait_until "$E2E_TIMEOUT" "$@" || fail "nothing painted at ($x, $y)"
  xdotool mouseup 1
}
screen_not() { ! screen_pixel_is "$@"; }
# painted_near X Y: something other than white lies within 30 pixels of (X, Y) on the screen.
painted_near() {
  import -window root -crop "61x61+$(($1 - 30))+$(($2 - 30))" -depth 8 txt:- 2>/dev/null |
    grep -v '^#' | grep -qvi '#FFFFFF'
}
# picked_up TOOL POT RRGGBB [PANEL_POINT]: the tool picked up and given the pot's colour, which
# its options panel shows.
picked_up() {
  pick $1
  pick $2
  wait_pixel ${4:-$OWN_COLOUR_DROP} "$3"
}
# settled FILE: a screenshot taken once the program has handled the release, with the pointer
# off the picture.
settled() {
  wait_input_handled 620 470
  screenshot "$1"
}

# A loaded machine may hold the second click of a double-click back: allow it two seconds.
export SDL_MOUSE_DOUBLE_CLICK_TIME=2000
start_display 640x480x24
start_program
wait_main_window
wait_pixel 300 200 $WHITE

# ---- The colour mixer ------------------------------------------------------------------------
pick $MIXER_BUTTON
wait_until "$E2E_TIMEOUT" screen_not $MIXER_RED $WHITE || fail "the mixer did not open"
screenshot "$E2E_DIR/mixer.png"
red=$(pixel "$E2E_DIR/mixer.png" $MIXER_RED)
pick $MIXER_RED
wait_pixel $MIXER_SWATCH "$red"
pick $MIXER_OK
wait_pixel $MIXER_RED $WHITE
wait_pixel $SWATCH "$red"
pass "a colour picked in the mixer ($red) becomes the current colour"

xdotool mousemove $POT_ORANGE click --repeat 2 --delay 80 1
wait_until "$E2E_TIMEOUT" screen_not $MIXER_RED $WHITE || fail "a double-click on a pot did not open the mixer"
screenshot "$E2E_DIR/mixer-pot.png"
yellow=$(pixel "$E2E_DIR/mixer-pot.png" $MIXER_YELLOW)
[ "$yellow" != "$red" ] || fail "the mixer's yellow is its red"
pick $MIXER_YELLOW
wait_pixel $MIXER_SWATCH "$yellow"
pick $MIXER_OK
wait_pixel $ORANGE_POT_PAINT "$yellow"
wait_pixel $SWATCH "$yellow"
pass "a colour picked after a double-click on a pot ($yellow) becomes that pot's colour"

# ---- Ball brush: red balls, shaded lighter towards the middle ---------------------------------
pick $SHELF_4
picked_up "$BALL_BRUSH" "$POT_RED" FF0000
press_until 230 110 painted_near 230 110
settled "$E2E_DIR/ball.png"
[ "$(count_colour "$E2E_DIR/ball.png" 190 70 80 80 FF0000)" -gt 0 ] || fail "no red edge on the ball"
others=$(colours "$E2E_DIR/ball.png" 190 70 80 80 | awk 'toupper($2) !~ /^FF/ { n += $1 } END { print n + 0 }')
[ "$others" = 0 ] || fail "the ball has $others pixels that are not shades of red"
light=$(colours "$E2E_DIR/ball.png" 190 70 80 80 | awk '
  function hex(s) { return 16 * (index("0123456789ABCDEF", substr(s, 1, 1)) - 1) + index("0123456789ABCDEF", substr(s, 2, 1)) - 1 }
  { c = toupper($2) } c ~ /^FF/ && c != "FFFFFF" && hex(substr(c, 3, 2)) >= 48 { n += $1 } END { print n + 0 }')
[ "$light" -gt 0 ] || fail "the ball has no highlight"
pass "the ball brush paints shaded red balls"

# ---- Mirror brush: the stroke mirrored about the press point ----------------------------------
picked_up "$MIRROR_BRUSH" "$POT_BLUE" 0000FF "$MIRROR_TWO_WAY"
xdotool mousemove 400 150 mousedown 1 mousemove 420 160 mousemove 440 175
wait_pixel 440 175 0000FF
xdotool mouseup 1
settled "$E2E_DIR/mirror.png"
# A pen 16 wide is centred on a pixel's top-left corner: column 400 + k mirrors 399 - k.
convert "$E2E_DIR/mirror.png" -crop 60x60+400+130 +repage "$E2E_DIR/mirror-right.png"
convert "$E2E_DIR/mirror.png" -crop 60x60+340+130 +repage -flop "$E2E_DIR/mirror-left.png"
[ "$(compare -metric AE "$E2E_DIR/mirror-right.png" "$E2E_DIR/mirror-left.png" null: 2>&1)" = 0 ] ||
  fail "the mirror stroke is not mirrored about the press point"
[ "$(pixel "$E2E_DIR/mirror.png" 359 175)" = 0000FF ] || fail "no mirrored stroke on the left"
[ "$(pixel "$E2E_DIR/mirror.png" 440 125)" = $WHITE ] || fail "the two-way mirror painted above"
pass "the mirror brush repeats the stroke on the other side of the press point"

pick $MIRROR_FOUR_WAY
wait_pixel $MIRROR_FOUR_WAY_FRAME 00E300
xdotool mousemove 400 300 mousedown 1 mousemove 415 315 mousemove 430 330
wait_pixel 430 330 0000FF
xdotool mouseup 1
settled "$E2E_DIR/mirror4.png"
convert "$E2E_DIR/mirror4.png" -crop 40x40+400+300 +repage "$E2E_DIR/q-br.png"
for q in "360 300 -flop" "400 260 -flip" "360 260 -flip -flop"; do
  set -- $q
  convert "$E2E_DIR/mirror4.png" -crop "40x40+$1+$2" +repage "${@:3}" "$E2E_DIR/q.png"
  [ "$(compare -metric AE "$E2E_DIR/q-br.png" "$E2E_DIR/q.png" null: 2>&1)" = 0 ] ||
    fail "the four-way mirror's quarter at ($1, $2) is not mirrored"
done
pass "the four-way mirror repeats the stroke in all four quarters"

# ---- Star wand: green stars with white between their points ------------------------------------
picked_up "$STAR_WAND" "$POT_GREEN" 00FF00
press_until 230 280 painted_near 230 280
settled "$E2E_DIR/star.png"
read -r l t r b <<<"$(bounds "$E2E_DIR/star.png" 190 240 80 80 00FF00)"
[ -n "${b:-}" ] || fail "no green star"
others=$(colours "$E2E_DIR/star.png" 190 240 80 80 | awk 'toupper($2) != "00FF00" && toupper($2) != "FFFFFF" { n += $1 } END { print n + 0 }')
[ "$others" = 0 ] || fail "the stars have $others pixels not in the current colour"
w=$((r - l + 1)) h=$((b - t + 1))
white=$(count_colour "$E2E_DIR/star.png" "$l" "$t" "$w" "$h" $WHITE)
[ "$white" -ge $((w * h / 4)) ] || fail "the stars leave only $white white pixels in their ${w}x${h} box"
[ "$(pixel "$E2E_DIR/star.png" "$l" "$t")" = $WHITE ] || fail "the stars fill their corner"
pass "the star wand scatters green stars with white between their points"

# ---- Needle and thread: a few short black stitches from the pointer ---------------------------
picked_up "$NEEDLE" "$POT_BLACK" 000000
press_until 500 120 painted_near 500 120
settled "$E2E_DIR/needle.png"
black=$(count_colour "$E2E_DIR/needle.png" 470 90 61 61 000000)
others=$(colours "$E2E_DIR/needle.png" 470 90 61 61 | awk 'toupper($2) != "000000" && toupper($2) != "FFFFFF" { n += $1 } END { print n + 0 }')
[ "$black" -gt 0 ] && [ "$black" -le 400 ] || fail "the needle put $black black pixels"
[ "$others" = 0 ] || fail "the needle's stitches are not all black"
[ "$(count_colour "$E2E_DIR/needle.png" 440 60 121 121 000000)" = "$black" ] || fail "a stitch reaches too far"
pass "the needle and thread sews $black black pixels of stitches"

# ---- Splat gun: a magenta splat, cut out, centred on the pointer ------------------------------
picked_up "$SPLAT_GUN" "$POT_MAGENTA" FF00FF
press_until 530 280 screen_not 530 280 $WHITE
settled "$E2E_DIR/splat.png"
read -r l t r b <<<"$(bounds "$E2E_DIR/splat.png" 470 220 120 120 FF00FF)"
[ -n "${b:-}" ] || fail "no magenta splat"
[ "$l" -ge 485 ] && [ "$r" -lt 575 ] && [ "$t" -ge 235 ] && [ "$b" -lt 325 ] ||
  fail "the splat ($l $t $r $b) reaches beyond its 90 x 90 square"
others=$(colours "$E2E_DIR/splat.png" 470 220 120 120 | awk 'toupper($2) != "FF00FF" && toupper($2) != "FFFFFF" { n += $1 } END { print n + 0 }')
[ "$others" = 0 ] || fail "the splat is not cut out cleanly ($others other pixels)"
[ "$(count_colour "$E2E_DIR/splat.png" 485 235 90 90 $WHITE)" -gt 1000 ] || fail "the splat's white is not transparent"
pass "the splat gun shoots a magenta splat"

# ---- Zoomed: a splat of size 60 covers twice as many screen pixels ------------------------------
pick $SMALLEST_SIZE
wait_pixel $SMALLEST_SIZE 00FF00
pick $MAGNIFIER
xdotool mousemove 300 330
before=$(region_sum 147 16 474 368)
xdotool click 1
wait_region_change 147 16 474 368 "$before" "the picture was not zoomed"
xdotool mousemove 300 250 mousedown 1
wait_pixel 300 250 FF00FF
xdotool mouseup 1
settled "$E2E_DIR/zoomed.png"
read -r l t r b <<<"$(bounds "$E2E_DIR/zoomed.png" 230 180 140 140 FF00FF)"
[ -n "${b:-}" ] || fail "no splat while zoomed"
[ $((r - l + 1)) -gt 70 ] && [ $((r - l + 1)) -le 120 ] || fail "the zoomed splat is $((r - l + 1)) pixels wide"
pass "while zoomed the splat shows at twice its size ($((r - l + 1)) pixels wide)"
