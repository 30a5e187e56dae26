#!/usr/bin/env bash
# The effect tools and the texture brushes as a child uses them on a 640 x 480 screen. The
# picture is prepared with the everyday tools (orange all over, white and black squares), then
# each tool is picked up from its shelf and dabbed once; the screen must show that tool's own
# effect: the Sunglasses darken white by 5 over a disc of 484 pixels, the Light bulb lightens
# black by 5, the Tissue blurs an edge, the Screwdriver sharpens, the Salt shaker speckles, the
# Chisel turns a flat area grey, the Tint crayon raises the channel its panel chose, and each
# texture brush leaves light and dark grain, the same grain one tile further on. Last, a dab
# while zoomed shows twice as large.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

WHITE=FFFFFF
BLACK=000000
ORANGE=FF8000
GREEN_BAR=00FF00
RING=00E300        # the ring around the Tint crayon's chosen channel
DISC=484           # pixels of the disc a size-28 dab leaves (radius 13)
SQUARE=1024        # pixels of a 32 x 32 square

# Buttons of the left panel, tools on the table and pots (H = 480).
SHELF_0="25 208"
SHELF_1="30 100"
SHELF_3="78 220"
SHELF_4="77 293"
MAGNIFIER="600 470"
PAINT_POT="287 443"
ERASER="325 432"
ERASER_SIZE_32="82 377"
POT_BLACK="530 388"
POT_ORANGE="590 410"
SUNGLASSES="330 445"
LIGHT_BULB="230 445"
SCREWDRIVER="400 446"
TISSUE="396 420"
TINT_CRAYON="287 420"
SALT_SHAKER="201 418"
CHISEL="396 440"
TINT_RED_RING="24 395"
TINT_GREEN_RING="54 395"
TINT_GREEN="54 403"
TEXTURE_BRUSHES=("397 441" "312 413" "239 413" "387 413" "226 440" "311 440")

pick() { xdotool mousemove $1 $2 click 1; }
# dab X Y: one press and release in the picture; once the program has handled them, the
# pointer is out of the way.
dab() {
  xdotool mousemove $1 $2 click 1
  wait_input_handled 630 250
}

shot() { screenshot "$E2E_DIR/$1.png"; echo "$E2E_DIR/$1.png"; }

# not_colour_in X Y W H RRGGBB: the screen shows something else than that colour in the region.
not_colour_in() {
  import -window root -crop "$3x$4+$1+$2" +repage -depth 8 txt:- 2>/dev/null | tail -n +2 |
    grep -qvi "#$5"
}
wait_changed() {
  wait_until "$E2E_TIMEOUT" not_colour_in "$@" || fail "nothing changed in $3x$4+$1+$2"
}

# expect_disc FILE X Y COLOUR BACKGROUND: a 40 x 40 region centred on (X, Y) holds exactly the
# disc in COLOUR and the rest in BACKGROUND.
expect_disc() {
  local disc rest
  disc=$(count_colour "$1" $(($2 - 20)) $(($3 - 20)) 40 40 "$4")
  rest=$(count_colour "$1" $(($2 - 20)) $(($3 - 20)) 40 40 "$5")
  [ "$disc" = $DISC ] && [ "$rest" = $((1600 - DISC)) ] ||
    fail "at ($2, $3): $disc pixels of $4 and $rest of $5, not a disc of $DISC"
}

start_display 640x480x24
start_program
wait_main_window
wait_pixel 300 200 $WHITE

# ---- The picture: orange all over, three white squares of 32, one of them then black ---------
pick $PAINT_POT
pick $POT_ORANGE
dab 500 300
wait_pixel 500 300 $ORANGE
pick $ERASER
pick $ERASER_SIZE_32
wait_pixel $ERASER_SIZE_32 $GREEN_BAR
for spot in "220 60" "220 130" "477 276"; do
  dab $spot
  wait_pixel $spot $WHITE
done
pick $PAINT_POT
pick $POT_BLACK
dab 220 130
wait_pixel 220 130 $BLACK
pass "the picture is prepared"

# ---- Shelf 3 ----------------------------------------------------------------------------------
pick $SHELF_3

pick $SUNGLASSES
dab 220 60
wait_pixel 220 60 FAFAFA
file=$(shot sunglasses)
[ "$(count_colour "$file" 204 44 32 32 FAFAFA)" = $DISC ] || fail "the sunglasses' disc is not $DISC pixels"
[ "$(count_colour "$file" 204 44 32 32 $WHITE)" = $((SQUARE - DISC)) ] || fail "the sunglasses reached past their disc"
pass "the sunglasses darken a disc of white to FAFAFA"

pick $LIGHT_BULB
dab 220 130
wait_pixel 220 130 050505
file=$(shot light_bulb)
[ "$(count_colour "$file" 204 114 32 32 050505)" = $DISC ] || fail "the light bulb's disc is not $DISC pixels"
pass "the light bulb lightens a disc of black to 050505"

# The Tissue on the black square's top edge: the orange row just above it keeps two thirds of
# its orange, the black row below takes a third.
pick $TISSUE
dab 220 114
wait_pixel 220 113 AA5500
wait_pixel 220 114 552A00
file=$(shot tissue)
[ "$(pixel "$file" 220 100)" = $ORANGE ] || fail "the tissue reached past its disc"
pass "the tissue blurs the edge between orange and black"

pick $SCREWDRIVER
dab 300 60
wait_pixel 300 60 FF8C00
expect_disc "$(shot screwdriver)" 300 60 FF8C00 $ORANGE
pass "the screwdriver sharpens a disc of orange to FF8C00"

# The Salt shaker: every pixel of its disc times its own percentage between 90 and 110.
pick $SALT_SHAKER
dab 360 60
wait_changed 340 40 40 40 $ORANGE
file=$(shot salt)
speckles=$(crop_pixels "$file" 340 40 40 40 | grep -v "^$ORANGE$")
count=$(echo "$speckles" | wc -l)
greens=$(echo "$speckles" | cut -c3-4 | sort -u | wc -l)
[ "$count" -ge 400 ] && [ "$count" -le $DISC ] || fail "the salt shaker changed $count pixels"
while read -r p; do
  r=$((16#${p:0:2})) g=$((16#${p:2:2})) b=$((16#${p:4:2}))
  [ $b = 0 ] && [ $g -ge 115 ] && [ $g -le 140 ] && [ $r -ge 229 ] ||
    fail "the salt shaker's grain strays beyond 10 % ($p)"
done <<<"$speckles"
[ "$greens" -ge 10 ] || fail "the salt shaker's grain has only $greens shades"
pass "the salt shaker speckles $count pixels in $greens shades"

# ---- Shelf 4: the Chisel, which also makes the grey the Tint crayon needs ----------------------
pick $SHELF_4
pick $CHISEL
for spot in "420 60" "480 60" "540 60"; do
  dab $spot
  wait_pixel $spot C8C8C8
done
expect_disc "$(shot chisel)" 420 60 C8C8C8 $ORANGE
pass "the chisel turns a flat disc to C8C8C8"

# ---- The Tint crayon: red at first, green after its panel's green blob ------------------------
pick $SHELF_3
pick $TINT_CRAYON
wait_pixel $TINT_RED_RING $RING
dab 480 60
wait_pixel 480 60 F0C8C8
expect_disc "$(shot tint_red)" 480 60 F0C8C8 $ORANGE
pick $TINT_GREEN
wait_pixel $TINT_GREEN_RING $RING
wait_pixel $TINT_RED_RING $WHITE
dab 540 60
wait_pixel 540 60 C8F0C8
expect_disc "$(shot tint_green)" 540 60 C8F0C8 $ORANGE
pass "the tint crayon raises red, then after its panel's click green only"

# ---- Shelf 1: the texture brushes -------------------------------------------------------------
# light_and_dark FILE X Y: the 32 x 32 square around (X, Y) has orange made both lighter and
# darker (green above and below 80), and nothing around the square changed.
light_and_dark() {
  local inside all lighter darker
  inside=$(crop_pixels "$1" $(($2 - 16)) $(($3 - 16)) 32 32 | grep -vc "^$ORANGE$")
  all=$(crop_pixels "$1" $(($2 - 24)) $(($3 - 24)) 48 48 | grep -vc "^$ORANGE$")
  lighter=$(crop_pixels "$1" $(($2 - 16)) $(($3 - 16)) 32 32 | cut -c3-4 | grep -c '^[89A-F][1-9A-F]\|^[9A-F]')
  darker=$(crop_pixels "$1" $(($2 - 16)) $(($3 - 16)) 32 32 | cut -c3-4 | grep -c '^[0-7]')
  [ "$inside" = "$all" ] || fail "texture at ($2, $3) reached past its square ($all changed, $inside inside)"
  [ "$lighter" -ge 10 ] && [ "$darker" -ge 10 ] ||
    fail "texture at ($2, $3): $lighter lighter and $darker darker pixels"
}

pick $SHELF_1
for i in 0 1 2 3 4 5; do
  x=$((180 + 60 * i))
  pick ${TEXTURE_BRUSHES[$i]}
  dab $x 200
  wait_changed $((x - 16)) 184 32 32 $ORANGE
  light_and_dark "$(shot texture_$i)" $x 200
done
pass "each texture brush leaves light and dark grain"

# The grain is laid from the picture's corner: one tile (128 pixels) further on, the paper
# brush's first dab leaves exactly the same relief.
pick ${TEXTURE_BRUSHES[0]}
dab 180 260
wait_changed 164 244 32 32 $ORANGE
dab 308 260
wait_changed 292 244 32 32 $ORANGE
file=$(shot texture_tiles)
convert "$file" -crop 32x32+164+244 +repage "$E2E_DIR/tile_a.png"
convert "$file" -crop 32x32+292+244 +repage "$E2E_DIR/tile_b.png"
differ=$(compare -metric AE "$E2E_DIR/tile_a.png" "$E2E_DIR/tile_b.png" null: 2>&1)
[ "$differ" = 0 ] || fail "the paper grain one tile further on differs in $differ pixels"
pass "the grain is fixed to the picture"

# ---- Zoomed: the view shows picture (330, 260), the last white square, at window (383, 200) ----
pick $SHELF_3
pick $SUNGLASSES
pick $MAGNIFIER
pick 477 276
wait_pixel 383 200 $WHITE
dab 383 200
wait_pixel 383 200 FAFAFA
file=$(shot zoomed)
[ "$(count_colour "$file" 351 168 64 64 FAFAFA)" = $((4 * DISC)) ] || fail "the zoomed disc is not twice as large"
[ "$(count_colour "$file" 351 168 64 64 $WHITE)" = $((4 * (SQUARE - DISC))) ] || fail "the zoomed square"
pass "a dab while zoomed shows at twice its size"

# A texture dab while zoomed: its square shows 64 pixels wide, every picture pixel as 2 x 2.
pick $SHELF_1
pick ${TEXTURE_BRUSHES[0]}
dab 500 100
wait_changed 467 68 64 64 $ORANGE
file=$(shot zoomed_texture)
inside=$(crop_pixels "$file" 467 68 64 64 | grep -vc "^$ORANGE$")
all=$(crop_pixels "$file" 459 60 80 80 | grep -vc "^$ORANGE$")
[ "$inside" = "$all" ] || fail "the zoomed texture reached past its square ($all changed, $inside inside)"
convert "$file" -crop 64x64+467+68 +repage "$E2E_DIR/zoomed_square.png"
convert "$E2E_DIR/zoomed_square.png" -sample 50% -sample 200% "$E2E_DIR/zoomed_blocks.png"
differ=$(compare -metric AE "$E2E_DIR/zoomed_square.png" "$E2E_DIR/zoomed_blocks.png" null: 2>&1)
[ "$differ" = 0 ] || fail "the zoomed texture is not drawn in 2 x 2 blocks ($differ pixels differ)"
pass "a texture dab while zoomed shows its square at twice its size"
