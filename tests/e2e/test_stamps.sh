#!/usr/bin/env bash
# Stamp books and the Scissors on an 800 x 600 screen, as a child uses them: open the butterfly
# book, turn to its second page, choose a stamp and stamp it three times, then find the stamp's
# pixels in the picture through its mask. Then cut a piece out with the Scissors, stamp two
# copies, and undo the second.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

WHITE=FFFFFF
BLACK=000000
# The program's own art in the build folder, found by the names the build gives the ids.
resource_id() {
  sed -n "s/^constexpr int32_t $1 = \([0-9]*\);/\1/p" "$(dirname "$PROGRAM")/include/resources/resource_ids.h"
}
SHEET="$(dirname "$PROGRAM")/resources/bitmap_$(resource_id kBitmapStampSheetCreatures).bin"
SHEET_MASK="$(dirname "$PROGRAM")/resources/mask_$(resource_id kMaskStampSheetCreatures).bin"
[ -s "$SHEET" ] && [ -s "$SHEET_MASK" ] || fail "no butterfly sheet at $SHEET"

# The book over the room: its top-left corner on the screen, and its parts (dialog pixels).
BOOK_X=$(((800 - 627) / 2))
BOOK_Y=$(((600 - 241) / 2))
on_book() { echo "$((BOOK_X + $1)) $((BOOK_Y + $2))"; }

# stamped_through_mask SCREENSHOT STAMP X Y...: the stamp (number STAMP of the butterfly
# sheet) lies centred on each point: where its mask is white the screen shows the sheet's
# pixel, elsewhere the white picture. (Debian's own Python, which has PIL.)
stamped_through_mask() {
  /usr/bin/python3 - "$SHEET" "$SHEET_MASK" "$@" <<'EOF'
import struct, sys
from PIL import Image

def dib(path):
    data = open(path, "rb").read()
    size, w, h, _, bits = struct.unpack_from("<IiiHH", data)
    colours = struct.unpack_from("<I", data, 32)[0] or (256 if bits == 8 else 0)
    table = [data[size + 4 * i: size + 4 * i + 3][::-1] for i in range(colours)]
    start = size + 4 * colours
    stride = (w * bits // 8 + 3) & ~3
    def at(x, y):
        row = start + (h - 1 - y) * stride
        if bits == 24:
            return tuple(data[row + 3 * x: row + 3 * x + 3][::-1])
        return tuple(table[data[row + x]])
    return at

sheet, mask = dib(sys.argv[1]), dib(sys.argv[2])
screen = Image.open(sys.argv[3]).convert("RGB")
n = int(sys.argv[4])
cell_x, cell_y = (n % 10) * 49 + 1, (n // 10) * 49 + 1
points = [int(v) for v in sys.argv[5:]]
for cx, cy in zip(points[::2], points[1::2]):
    inked = 0
    for y in range(48):
        for x in range(48):
            want = (sheet(cell_x + x, cell_y + y) if mask(cell_x + x, cell_y + y) == (255, 255, 255)
                    else (255, 255, 255))
            got = screen.getpixel((cx - 24 + x, cy - 24 + y))
            if got != want:
                sys.exit("at (%d, %d) stamp pixel (%d, %d) is %s, not %s" % (cx, cy, x, y, got, want))
            inked += want != (255, 255, 255)
    if inked < 500:
        sys.exit("stamp %d has only %d inked pixels" % (n, inked))
EOF
}

start_display 800x600x24
start_program
wait_main_window
wait_pixel 400 300 $WHITE

# ---- A stamp from the second page of the butterfly book, three times ------------------------
table=$(region_sum 181 504 270 96)
xdotool mousemove 80 200 click 1                     # the stamp books' shelf
wait_region_change 181 504 270 96 "$table" "the stamp books did not come onto the table"

under=$(region_sum $(on_book 101 50) 48 48)
xdotool mousemove 230 550 click 1                    # the butterfly book
wait_region_change $(on_book 101 50) 48 48 "$under" "the stamp book did not open"
screenshot "$E2E_DIR/book-page-1.png"
first=$(region_sum $(on_book 101 50) 48 48)
xdotool mousemove $(on_book 555 37) click 1          # the next arrow
wait_region_change $(on_book 101 50) 48 48 "$first" "the next arrow did not turn the page"
screenshot "$E2E_DIR/book-page-2.png"
xdotool mousemove $(on_book 217 74) click 1          # the second stamp of the page: number 9
wait_pixel 400 300 $WHITE                            # the book has closed
pass "the butterfly book opens, turns to its second page and gives its tenth stamp"

# Each stamp is pressed where the stamp floats; moving on to the next place shows that the
# program handled the press (the floating stamp follows only afterwards).
STAMPS="300 150 500 250 650 400"
set -- $STAMPS 420 450
while [ $# -ge 2 ]; do
  x=$1 y=$2
  shift 2
  blank=$(region_sum $((x - 24)) $((y - 24)) 48 48)
  xdotool mousemove "$x" "$y"
  wait_region_change $((x - 24)) $((y - 24)) 48 48 "$blank" "no stamp floats under the pointer at ($x, $y)"
  [ $# -ge 2 ] || break
  xdotool mousedown 1 mouseup 1
done
screenshot "$E2E_DIR/stamped.png"
stamped_through_mask "$E2E_DIR/stamped.png" 9 $STAMPS || fail "the stamp is not in the picture as its mask cuts it"
pass "three presses stamp the chosen stamp through its mask"

floating=$(region_sum 396 426 48 48)
xdotool mousemove 700 560 click 1                    # on the table: put the stamp down
wait_region_change 396 426 48 48 "$floating" "putting the stamp down left it on the screen"
wait_pixel 420 450 $WHITE

# ---- The Scissors: a piece with the first stamp, two copies, undo the second ---------------
table=$(region_sum 181 504 270 96)
xdotool mousemove 25 330 click 1                     # the everyday tools' shelf
wait_region_change 181 504 270 96 "$table" "the everyday tools did not come onto the table"
xdotool mousemove 237 548 click 1                    # the scissors
wait_input_handled 270 120

piece=$(region_sum 270 120 60 60)
xdotool mousemove 270 120 mousedown 1
xdotool mousemove 300 150 mousemove 330 180
wait_pixel 329 150 $BLACK                            # the band's right side
screenshot "$E2E_DIR/band.png"
xdotool mouseup 1

# The piece follows the pointer, framed in black; a press stamps a copy.
xdotool mousemove 500 400
wait_pixel 470 400 $BLACK
screenshot "$E2E_DIR/carrying.png"
xdotool mousedown 1 mouseup 1
xdotool mousemove 650 150
wait_pixel 620 150 $BLACK
xdotool mousedown 1 mouseup 1
xdotool mousemove 400 440
wait_pixel 370 440 $BLACK
xdotool mousemove 700 560 click 1                    # on the table: put the piece down
wait_input_handled 700 560
wait_pixel 370 440 $WHITE
region_is 470 370 60 60 "$piece" || fail "the first copy is not the piece"
region_is 620 120 60 60 "$piece" || fail "the second copy is not the piece"
region_is 270 120 60 60 "$piece" || fail "cutting changed the picture"
pass "the scissors cut a piece and stamp two copies of it"

xdotool mousemove 136 500 click 1                    # undo
wait_input_handled 700 300
wait_pixel 650 150 $WHITE
region_is 470 370 60 60 "$piece" || fail "undo took the first copy too"
screenshot "$E2E_DIR/undone.png"
stamped_through_mask "$E2E_DIR/undone.png" 9 $STAMPS 500 400 ||
  fail "undo changed more than the last copy"
pass "undo takes back the last copy only"
