# Helpers of the end-to-end tests of the picture documents: the remote control's buttons, the
# gallery dialog, the desktop's file chooser driven by the keyboard, the question boxes, and a
# stand-in for the desktop's opener. Source after lib.sh.

# Dialog points of the remote's buttons (the remote is 228 x 240, centred on the screen).
remote_point() {
  case $1 in
    quit) echo "66 26" ;;
    save) echo "65 66" ;;
    new) echo "63 110" ;;
    open) echo "62 155" ;;
    about) echo "160 26" ;;
    help) echo "161 66" ;;
    preferences) echo "163 110" ;;
    gallery) echo "166 155" ;;
    close) echo "50 228" ;;
    *) fail "no remote button $1" ;;
  esac
}

# run_from_remote BUTTON: opens the remote control from the table, waits until it shows, and
# clicks one of its buttons (quit, save, new, open, about, help, preferences, gallery, close).
run_from_remote() {
  local left=$(((SCREEN_W - 228) / 2)) top=$(((SCREEN_H - 240) / 2))
  local before x y
  before=$(region_sum "$left" "$top" 228 240)
  xdotool mousemove 156 $((SCREEN_H - 40)) click 1
  wait_until "$E2E_TIMEOUT" region_changed "$left" "$top" 228 240 "$before" ||
    fail "the remote control did not open"
  read -r x y <<<"$(remote_point "$1")"
  xdotool mousemove $((left + x)) $((top + y)) click 1
}

# type_into_chooser TITLE PATH: types a full path into the file chooser so titled ("Save As" or
# "Open") once it takes keys, as a person would; prints the chooser's window id.
type_into_chooser() {
  local id
  wait_window "$1"
  id=$(window_ids "$1" | head -1)
  wait_until "$E2E_TIMEOUT" box_ready "$id" || fail "the chooser \"$1\" never took keys"
  # The save chooser's name field has the keys; the open chooser takes a path in its
  # location field.
  [ "$1" = "Open" ] && xdotool key ctrl+l
  xdotool key ctrl+a
  xdotool type --delay 15 "$2"
  echo "$id"
}

# choose_file TITLE PATH: answers the file chooser so titled with a path and waits until it
# has gone.
choose_file() {
  local id
  id=$(type_into_chooser "$1" "$2") || exit 1
  xdotool key Return
  wait_until "$E2E_TIMEOUT" window_gone "$id" || fail "the chooser \"$1\" did not close"
}

# answer_question TITLE yes|no: presses the answer's button through its mnemonic (Alt+Y or
# Alt+N), whichever button has the focus.
answer_question() {
  local id
  wait_window "$1"
  id=$(window_ids "$1" | head -1)
  wait_until "$E2E_TIMEOUT" box_ready "$id" || fail "the question \"$1\" never took keys"
  if [ "$2" = yes ]; then key_in_window "$id" alt+y; else key_in_window "$id" alt+n; fi
  wait_until "$E2E_TIMEOUT" window_gone "$id" || fail "the question \"$1\" did not go away"
}

# picture_rgb FILE: the picture area of a screenshot as raw RGB bytes.
picture_rgb() {
  convert "$1" -crop "$((SCREEN_W - 166))x$((SCREEN_H - 112))+147+16" +repage -depth 8 rgb:-
}

# The gallery dialog (408 x 417, centred on the screen): a pixel of its dark border, its next
# arrow, its tick (opens the picture shown) and its preview area, once start_display has run.
gallery_points() {
  local left=$(((SCREEN_W - 408) / 2)) top=$(((SCREEN_H - 417) / 2))
  GALLERY_BORDER="$((left + 4)) $((top + 9))"
  GALLERY_NEXT="$((left + 335)) $((top + 390))"
  GALLERY_OPEN="$((left + 183)) $((top + 390))"
  GALLERY_PREVIEW="$((left + 64)) $((top + 44)) 280 217"
}
gallery_shown() { gallery_points; screen_pixel_is $GALLERY_BORDER 4A2F1B; }
gallery_gone() { gallery_points; ! screen_pixel_is $GALLERY_BORDER 4A2F1B; }

# new_from_castle: New offers the colouring pages in the gallery, the blank page first; the
# next arrow steps to the castle, which the tick opens.
new_from_castle() {
  local blank
  run_from_remote new
  wait_until "$E2E_TIMEOUT" gallery_shown || fail "New did not offer the colouring pages"
  blank=$(region_sum $GALLERY_PREVIEW)
  xdotool mousemove $GALLERY_NEXT click 1
  wait_until "$E2E_TIMEOUT" region_changed $GALLERY_PREVIEW "$blank" ||
    fail "the next arrow showed nothing new"
  xdotool mousemove $GALLERY_OPEN click 1
  wait_until "$E2E_TIMEOUT" gallery_gone || fail "the gallery did not close"
}

# stub_opener: puts a stand-in for the desktop's opener (xdg-open) first on PATH. It notes each
# target on a line of $STUB/opened and answers with the status in $STUB/status (0 when there
# is none; 3 is xdg-open's "nothing can show it"). opened_has TARGET: it was asked to open it.
stub_opener() {
  STUB="$E2E_DIR/stub"
  mkdir -p "$STUB"
  cat >"$STUB/xdg-open" <<STUB_END
#!/bin/sh
printf '%s\n' "\$1" >> "$STUB/opened"
exit \$(cat "$STUB/status" 2>/dev/null || echo 0)
STUB_END
  chmod +x "$STUB/xdg-open"
  export PATH="$STUB:$PATH"
}
opened_has() { grep -qxF "$1" "$STUB/opened" 2>/dev/null; }
