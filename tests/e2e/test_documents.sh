#!/usr/bin/env bash
# A picture's way to disk and back on an 800 x 600 screen, with the real file chooser driven
# by the keyboard: painted, saved from the remote control, painted on, saved again when Quit
# asks, then opened in a new start and compared pixel by pixel with what was painted; the
# saved file's bytes are those of the picture. Then a save into a Gallery folder that takes no
# files: the notice appears, the earlier file stays as it was, and the picture is still
# modified (Quit asks again).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/documents_lib.sh"
e2e_init "$1"

GALLERY="$HOME/Pictures/Tintamar/Gallery"
POT_RED="570 512"
POT_BLUE="573 520"

stroke() {  # stroke X1 Y1 X2 Y2: a pencil line in the current colour
  xdotool mousemove "$1" "$2" mousedown 1 mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
  xdotool mousemove "$3" "$4" mouseup 1
  wait_input_handled 400 300
}

start_display 800x600x24
start_program
wait_main_window
xdotool mousemove $POT_RED click 1
stroke 200 100 500 300
run_from_remote save
choose_file "Save As" "$GALLERY/first.bmp"
wait_until "$E2E_TIMEOUT" test -s "$GALLERY/first.bmp" || fail "first.bmp was not saved"
pass "Save writes the picture from the remote control"

xdotool mousemove $POT_BLUE click 1
stroke 250 350 650 150
screenshot "$E2E_DIR/painted.png"
run_from_remote quit
answer_question "Attention..." yes
choose_file "Save As" "$GALLERY/second.bmp"
wait_program_exit
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT after Quit"
# The file holds the picture: its header, then the rows as the screen showed them.
size=$(stat -c %s "$GALLERY/second.bmp")
[ "$size" = $((54 + 1904 * 488)) ] || fail "second.bmp has $size bytes"
[ "$(head -c 2 "$GALLERY/second.bmp")" = BM ] || fail "second.bmp is no BMP file"
picture_rgb "$E2E_DIR/painted.png" >"$E2E_DIR/painted.rgb"
convert "$GALLERY/second.bmp" -depth 8 rgb:"$E2E_DIR/saved.rgb"
cmp -s "$E2E_DIR/painted.rgb" "$E2E_DIR/saved.rgb" || fail "second.bmp is not the painted picture"
pass "Quit asks to save and the saved file is the painted picture"

start_program
wait_main_window
run_from_remote open
choose_file "Open" "$GALLERY/second.bmp"
wait_until "$E2E_TIMEOUT" bash -c "import -window root '$E2E_DIR/opened.png' && [ \"\$(convert '$E2E_DIR/opened.png' -crop 634x488+147+16 +repage -depth 8 rgb:- | md5sum)\" = \"\$(md5sum < '$E2E_DIR/painted.rgb')\" ]" ||
  fail "the opened picture differs from the painted one"
pass "Open in a new start shows the painted picture pixel for pixel"

# A Gallery folder that takes no files: read-only for the program (for root, whom permissions
# do not stop, a read-only mount of it in the program's own mount namespace).
cp "$GALLERY/first.bmp" "$E2E_DIR/first-copy.bmp"
close_main_window
wait_program_exit
if [ "$(id -u)" = 0 ]; then
  (cd "$E2E_DIR" && exec setsid unshare -m sh -c \
    'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && exec "$2"' sh "$GALLERY" \
    "$PROGRAM" >"$E2E_DIR/program.log" 2>&1) &
  PROGRAM_PID=$!
else
  chmod a-w "$GALLERY"
  start_program
fi
wait_main_window
xdotool mousemove $POT_RED click 1
stroke 300 300 600 100
run_from_remote save
choose_file "Save As" "$GALLERY/first.bmp"
answer_box "Attention!"
cmp -s "$GALLERY/first.bmp" "$E2E_DIR/first-copy.bmp" || fail "the earlier first.bmp was changed"
run_from_remote quit
answer_question "Attention..." no
wait_program_exit
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT after Quit"
[ "$(id -u)" = 0 ] || chmod u+w "$GALLERY"
pass "a save into a read-only folder says so, keeps the earlier file and the picture modified"
