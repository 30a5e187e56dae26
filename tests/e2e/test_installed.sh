#!/usr/bin/env bash
# The program installed as a desktop program is: `cmake --install` of the build folder under
# the prefix /usr/local into a staging tree (DESTDIR), then started as its menu entry starts it,
# from there, with no help from the environment. It shows the room, copies the colouring pages
# it brings into the user's Tintamar folder, New offers them (the castle opens pixel for
# pixel), and Help opens the installed help page.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/documents_lib.sh"
e2e_init "$1"

STAGE="$E2E_DIR/stage"
DESTDIR="$STAGE" cmake --install "$(dirname "$PROGRAM")" --prefix /usr/local \
  >"$E2E_DIR/install.log" 2>&1 || fail "cmake --install failed: $(tail -3 "$E2E_DIR/install.log")"
DATA="$STAGE/usr/local/share/tintamar"
ENTRY="$STAGE/usr/local/share/applications/org.tintamar.Tintamar.desktop"
# The program, the first word of the entry's command.
command=$(sed -n 's/^Exec=//p' "$ENTRY" | cut -d' ' -f1)
PROGRAM="$STAGE/usr/local/bin/$command"
[ -x "$PROGRAM" ] || fail "the menu entry starts \"$command\", which was not installed"
ls "$DATA"/Pages/*.bmp >/dev/null 2>&1 || fail "no colouring pages were installed in $DATA/Pages"
PAGES="$HOME/Pictures/Tintamar/Pages"
stub_opener

start_display 800x600x24
start_program
wait_main_window
for page in "$DATA"/Pages/*.bmp; do
  cmp -s "$page" "$PAGES/$(basename "$page")" || fail "$(basename "$page") was not copied into $PAGES"
done
pass "installed, the program shows the room and brings its colouring pages"

new_from_castle
wait_input_handled 400 300
screenshot "$E2E_DIR/castle.png"
# The page is the size of the picture area at 800 x 600, so it shows as it is.
cmp -s <(picture_rgb "$E2E_DIR/castle.png") <(convert "$DATA/Pages/Castle.bmp" -depth 8 rgb:-) ||
  fail "the page New opened is not the installed castle"
pass "New offers the installed colouring pages and opens the castle"

run_from_remote help
wait_until "$E2E_TIMEOUT" opened_has "$DATA/Help_tmr.html" ||
  fail "the installed help page was not opened (opened: $(cat "$STUB/opened" 2>/dev/null))"
pass "Help opens the installed help page"
