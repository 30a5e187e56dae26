#!/usr/bin/env bash
# Pointer input as a child uses it, on a 640 x 480 screen: pick up the pencil, choose the blue
# pot, draw a line and find it on the screen; switch shelves; open the command menu with the
# right button and with F1; Escape's hint; undo; and Quit from the menu ends the program with 0.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

PANEL=FFF8E1   # the command menu's face
BLUE=0000FF
WHITE=FFFFFF
HIGHLIGHT=42A5F5  # the bar under the item the pointer is on

start_display 640x480x24
start_program
wait_main_window

# Pencil from the table, then the blue pot.
xdotool mousemove 395 450 click 1
xdotool mousemove 573 400 click 1

# A line across the picture: press, wait for the dot, move, wait for the line, release.
xdotool mousemove 200 100 mousedown 1
wait_pixel 200 100 $BLUE
xdotool mousemove 240 100 mousemove 300 100
wait_pixel 290 100 $BLUE
xdotool mouseup 1
wait_input_handled 350 250
screenshot "$E2E_DIR/line.png"
for x in 205 250 295; do
  [ "$(pixel "$E2E_DIR/line.png" $x 100)" = $BLUE ] || fail "no blue line at ($x, 100)"
done
[ "$(pixel "$E2E_DIR/line.png" 250 106)" = $WHITE ] || fail "the line is too thick"
[ "$(pixel "$E2E_DIR/line.png" 310 100)" = $WHITE ] || fail "the line runs past its end"
pass "the pencil draws a blue line where the pointer went"

# Shelf 1 (texture brushes) replaces the tools on the table.
tray=$(region_sum 185 384 283 70)
xdotool mousemove 30 100 click 1
wait_until "$E2E_TIMEOUT" region_changed 185 384 283 70 "$tray" || fail "the shelf button did not change the tools"
xdotool mousemove 25 210 click 1   # back to shelf 0
wait_until "$E2E_TIMEOUT" region_is 185 384 283 70 "$tray" || fail "shelf 0 did not come back"
pass "shelf buttons switch the tools on the table"

# The right button opens the menu with its top at the pointer; Escape closes it.
xdotool mousemove 400 60 click 3
wait_pixel 400 64 $PANEL
screenshot "$E2E_DIR/menu.png"
xdotool key Escape
wait_pixel 400 64 $WHITE
window_exists "Attention!" && fail "Escape in the menu showed the hint"
# F1 opens it at the pointer too.
xdotool mousemove 300 40 key F1
wait_pixel 300 44 $PANEL
xdotool key Escape
wait_pixel 300 44 $WHITE
pass "the right button and F1 open the command menu at the pointer"

# Escape outside the menu shows the remote-control hint. Keys the room is given while the box
# is up are dropped: they bring no second box once it is answered.
xdotool key Escape
wait_window "Attention!"
hint=$(window_ids "Attention!" | head -1)
xdotool key --window "$(main_window_id)" Escape key --window "$(main_window_id)" Escape
answer_box "Attention!"
wait_input_handled 400 300
window_gone "$hint" && ! window_exists "Attention!" || fail "keys given under the hint's box showed it again"
pass "Escape shows the hint, once"

# Undo takes the line back.
xdotool mousemove 136 380 click 1
wait_pixel 250 100 $WHITE
pass "undo takes the line back"
# The next copy starts once this one's window has gone, so that nothing is sent to it.
old_window=$(main_window_id)
kill -KILL -- "-$PROGRAM_PID" 2>/dev/null
wait "$PROGRAM_PID" 2>/dev/null
PROGRAM_PID=""
wait_until "$E2E_TIMEOUT" window_gone "$old_window" || fail "the killed copy's window stayed"

# Quit chosen with the pointer from the menu ends the program with exit code 0. The menu opens
# at (400, 60): its rows start 7 pixels down, Quit is the last row, 258 pixels further.
start_program
wait_main_window
xdotool mousemove 400 60 click 3
wait_pixel 400 64 $PANEL
xdotool mousemove 400 340
wait_pixel 460 340 $HIGHLIGHT
xdotool click 1
wait_program_exit
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT after Quit"
pass "Quit from the menu ends with exit code 0"
