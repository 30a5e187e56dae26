#!/usr/bin/env bash
# The monkey: seeded random input for a while, as a restless child would give it, on an 800 x 600
# screen: clicks, double-clicks and drags in and out of the picture, keys and typing, the command
# menu opened and closed or a command chosen from it (never Quit), and every box or dialog that
# comes up answered with Return, Escape or by closing its window. Every 15 seconds a liveness
# probe opens and closes the command menu. It fails on a crash, a sanitizer report, a hang or
# the program ending by itself, and then prints the seed and the actions, so that
#   MONKEY_SEED=<seed> bash tests/e2e/monkey.sh build-asan/tintamar <seconds>
# gives the same input again. The program runs in the test's own home, temporary and runtime
# folders, with a stand-in for xdg-open (Help, web links), so nothing is written elsewhere.
#
# Use: monkey.sh PROGRAM [SECONDS]   (90 by default; scripts/soak.sh runs it for an hour)
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
DURATION=${2:-90}
SEED=${MONKEY_SEED:-$(((RANDOM << 15) | RANDOM))}
RANDOM=$SEED
PROBE_EVERY=15
ACTIONS="$E2E_DIR/actions.log"
: >"$ACTIONS"
ACTION_COUNT=0
EVENT_COUNT=0

# Nothing the program starts may write outside the test's folder.
mkdir -p "$E2E_DIR/tmp" "$E2E_DIR/bin"
export TMPDIR="$E2E_DIR/tmp" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
printf '#!/bin/sh\necho "$@" >>"%s/xdg-open.log"\n' "$E2E_DIR" >"$E2E_DIR/bin/xdg-open"
chmod +x "$E2E_DIR/bin/xdg-open"
export PATH="$E2E_DIR/bin:$PATH"

monkey_fail() {
  echo "FAIL: monkey: $*" >&2
  if [ -n "$PROGRAM_PID" ]; then
    echo "the program: $(grep '^State' "/proc/$PROGRAM_PID/status" 2>/dev/null), waiting in" \
      "$(cat "/proc/$PROGRAM_PID/wchan" 2>/dev/null); the keyboard focus:" \
      "$(xdotool getwindowfocus getwindowname 2>&1 | tr '\n' ' ')" >&2
  fi
  echo "seed $SEED, after $ACTION_COUNT actions in $SECONDS s; replay with:" >&2
  echo "  MONKEY_SEED=$SEED bash $0 $PROGRAM $DURATION" >&2
  echo "the last actions (all of them in $ACTIONS):" >&2
  tail -200 "$ACTIONS" >&2
  fail "$*"
}

note() { echo "$SECONDS $*" >>"$ACTIONS"; }

# The random numbers come from the shell's generator, seeded above, and only ever in this
# shell: a subshell (a command substitution) would seed its own.
# rand N: sets R to a number from 0 to N - 1.
rand() { R=$((RANDOM % $1)); }

# random_point: sets PX, PY anywhere on the screen but on the remote control on the table (a
# press there opens the remote, where Escape means Quit).
random_point() {
  local remote_top=$((SCREEN_H - 63)) remote_bottom=$((SCREEN_H - 16))
  while :; do
    rand "$SCREEN_W"; PX=$R
    rand "$SCREEN_H"; PY=$R
    if [ $PX -lt 129 ] || [ $PX -ge 184 ] || [ $PY -lt $remote_top ] || [ $PY -ge $remote_bottom ]; then
      return
    fi
  done
}

# random_picture_point: sets PX, PY inside the picture area.
random_picture_point() {
  rand $((SCREEN_W - 166)); PX=$((147 + R))
  rand $((SCREEN_H - 112)); PY=$((16 + R))
}

# random_drag_point: sets PX, PY mostly in the picture, now and then anywhere.
random_drag_point() {
  rand 3
  if [ $R = 0 ]; then random_point; else random_picture_point; fi
}

program_alive() {
  program_running && return 0
  wait "$PROGRAM_PID"
  PROGRAM_EXIT=$?
  PROGRAM_PID=""
  monkey_fail "the program ended by itself with exit code $PROGRAM_EXIT"
}

# other_windows: ids of the shown top-level windows other than the program's main window.
other_windows() {
  local id
  for id in $(xwininfo -root -children 2>/dev/null | grep -E '^\s+0x[0-9a-f]+ "' | grep -v '"Tintamar":' | awk '{print $1}'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && echo "$id"
  done
}

# answer_window ID: Return, Escape or closing, at random; then the other ways until it goes.
answer_window() {
  local id=$1 name way
  name=$(xwininfo -id "$id" 2>/dev/null | sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p')
  wait_until 20 box_ready "$id"
  rand 3
  for way in $R 1 2 1 2; do
    case $way in
      0) note "answer \"$name\" Return"; key_in_window "$id" Return ;;
      1) note "answer \"$name\" Escape"; key_in_window "$id" Escape ;;
      2) note "close \"$name\""; "$(dirname "$PROGRAM")/tests/xclose" "$id" 2>/dev/null ;;
    esac
    EVENT_COUNT=$((EVENT_COUNT + 1))
    wait_until 20 window_gone "$id" && return 0
    program_alive
  done
  monkey_fail "the window \"$name\" ($id) ends neither with Return, nor Escape, nor closing"
}

# answer_windows: answers whatever box or dialog is up, until none is.
answer_windows() {
  local round id
  for round in 1 2 3 4 5 6 7 8; do
    local ids
    ids=$(other_windows)
    [ -z "$ids" ] && return 0
    for id in $ids; do answer_window "$id"; done
  done
}

# ---- Actions ----------------------------------------------------------------------------------

do_click() {
  random_point
  note "click $PX $PY"
  xdotool mousemove $PX $PY click 1
  EVENT_COUNT=$((EVENT_COUNT + 2))
}

do_double_click() {
  random_point
  note "double-click $PX $PY"
  xdotool mousemove $PX $PY click --repeat 2 --delay 80 1
  EVENT_COUNT=$((EVENT_COUNT + 3))
}

# A drag that starts in the picture (or anywhere, now and then) and wanders in and out of it.
do_drag() {
  local x y steps i moves=""
  random_drag_point
  x=$PX y=$PY
  rand 5
  steps=$((2 + R))
  for ((i = 0; i < steps; i++)); do
    random_drag_point
    moves="$moves mousemove $PX $PY"
  done
  note "drag from $x $y:$moves"
  # shellcheck disable=SC2086
  xdotool mousemove $x $y mousedown 1 $moves mouseup 1
  EVENT_COUNT=$((EVENT_COUNT + steps + 3))
}

# Keys: never F1 here (the menu is opened only by do_menu, which closes it again) and never Q
# (the menu's key for Quit).
KEYS=(Escape Escape Return space BackSpace Tab Left Right Up Down Delete c c a b d e f g h i j k
  l m n o p r s t u v w x y z 0 1 5 9)
do_key() {
  rand ${#KEYS[@]}
  local key=${KEYS[$R]}
  note "key $key"
  xdotool key "$key"
  EVENT_COUNT=$((EVENT_COUNT + 1))
}

do_type() {
  local letters=abcdefghijklmnoprstuvwxyz text="" i length
  rand 8
  length=$((1 + R))
  for ((i = 0; i < length; i++)); do
    rand ${#letters}
    text="$text${letters:$R:1}"
  done
  note "type $text"
  xdotool type --delay 20 "$text"
  EVENT_COUNT=$((EVENT_COUNT + ${#text}))
}

# Holding C resets a tool that is in the middle of its work (scissors, stamps).
do_hold_c() {
  note "hold c"
  # Held, not tapped: the program looks at the key while it is idle. The hold is input, not a
  # wait for something to happen.
  xdotool keydown c
  sleep 0.3
  xdotool keyup c
  EVENT_COUNT=$((EVENT_COUNT + 2))
}

# The command menu opens with its top edge at the pointer, its cream panel just below.
MENU_PANEL=FFF8E1
menu_open_at() { screen_pixel_is "$1" $(($2 + 4)) $MENU_PANEL; }

# do_menu: opens the command menu (right button or F1) at a point of the picture, waits until
# it shows (answering any box that holds the program up), then closes it with Escape or the
# right button, or chooses one of its commands by its key (New, Open, Save, Gallery,
# Preferences, Help or About: never Quit). If it never shows, a dialog had the input; Escape
# then closes that, or the menu should it still come.
do_menu() {
  local x y how
  random_picture_point
  # Where the menu (about 170 x 300) opens downwards, below the pointer.
  x=$((PX < SCREEN_W - 100 ? PX : SCREEN_W - 100))
  y=$((PY < SCREEN_H - 330 ? PY : SCREEN_H - 330))
  xdotool mousemove $x $y
  rand 2
  if [ $R = 0 ]; then how=right-click; xdotool click 3; else how=F1; xdotool key F1; fi
  note "menu by $how at $x $y"
  EVENT_COUNT=$((EVENT_COUNT + 2))
  local deadline=$((SECONDS + 30)) shown=no
  while [ $SECONDS -lt $deadline ]; do
    if menu_open_at $x $y; then shown=yes; break; fi
    [ -n "$(other_windows)" ] && answer_windows
    program_alive
  done
  if [ $shown = no ]; then
    note "menu did not show: Escape"
    xdotool key Escape
    EVENT_COUNT=$((EVENT_COUNT + 1))
    return
  fi
  local keys=(n o s g p h a) open
  open=$(region_sum $((x - 40)) $((y + 4)) 80 40)
  rand 4
  case $R in
    0 | 1) note "menu: Escape"; xdotool key Escape ;;
    2) note "menu: right-click"; xdotool click 3 ;;
    3)
      rand ${#keys[@]}
      local key=${keys[$R]}
      note "menu: command $key"
      xdotool key "$key"
      ;;
  esac
  EVENT_COUNT=$((EVENT_COUNT + 1))
  # Never leave the menu open: a click or Return there might choose Quit. A right-click on an
  # open menu does nothing, for one.
  if ! wait_until 5 region_changed $((x - 40)) $((y + 4)) 80 40 "$open"; then
    note "menu still open: Escape"
    xdotool key Escape
    EVENT_COUNT=$((EVENT_COUNT + 1))
    wait_until 30 region_changed $((x - 40)) $((y + 4)) 80 40 "$open" ||
      monkey_fail "the command menu does not close on Escape"
  fi
}

# ---- Liveness ---------------------------------------------------------------------------------

rss_mb() { awk '/^VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$PROGRAM_PID/status" 2>/dev/null; }
# The program's memory at every probe, for the soak's figures.
RSS_LOG="$E2E_DIR/rss.log"
: >"$RSS_LOG"

# probe: the program still answers: with every box answered and any dialog closed, F1 opens the
# command menu and Escape closes it again. Three tries (the first Escape may only close a
# dialog) within generous time, or the program hangs.
PROBE_COUNT=0
probe() {
  local try px=$((SCREEN_W / 2 + 60)) py=$((SCREEN_H / 2 - 150)) open
  for try in 1 2 3; do
    answer_windows
    xdotool mouseup 1 mousemove $px $py
    note "probe $try: F1"
    xdotool key F1
    if wait_until 30 menu_open_at $px $py; then
      open=$(region_sum $((px - 40)) $((py + 4)) 80 40)
      note "probe $try: Escape"
      xdotool key Escape
      if wait_until 30 region_changed $((px - 40)) $((py + 4)) 80 40 "$open"; then
        PROBE_COUNT=$((PROBE_COUNT + 1))
        EVENT_COUNT=$((EVENT_COUNT + 3))
        echo "$SECONDS $ACTION_COUNT $EVENT_COUNT $(rss_mb)" >>"$RSS_LOG"
        return 0
      fi
    else
      note "probe $try: no menu, Escape"
      xdotool key Escape
    fi
    program_alive
  done
  monkey_fail "the program hangs: F1 and Escape no longer open and close the command menu"
}


# ---- The run ----------------------------------------------------------------------------------

start_display 800x600x24
start_program
wait_main_window
wait_room_drawn
echo "monkey: seed $SEED, $DURATION s"
probe
RSS_START=$(rss_mb)
START=$SECONDS
next_probe=$((SECONDS + PROBE_EVERY))
while [ $((SECONDS - START)) -lt "$DURATION" ]; do
  rand 20
  case $R in
    0 | 1 | 2 | 3 | 4) do_click ;;
    5 | 6) do_double_click ;;
    7 | 8 | 9 | 10) do_drag ;;
    11 | 12 | 13) do_key ;;
    14) do_type ;;
    15) do_hold_c ;;
    16 | 17) do_menu ;;
    *) do_click ;;
  esac
  ACTION_COUNT=$((ACTION_COUNT + 1))
  program_alive
  answer_windows
  if [ $SECONDS -ge $next_probe ]; then
    probe
    next_probe=$((SECONDS + PROBE_EVERY))
  fi
done
probe
RSS_END=$(rss_mb)
MINUTES=$(awk -v s=$((SECONDS - START)) 'BEGIN {printf "%.1f", s / 60}')

# The end: SIGTERM, which the program must answer in good order (the sanitizer build then checks
# for leaks and forgotten bitmaps on the way out).
kill -TERM "$PROGRAM_PID"
wait_program_exit 60
[ "$PROGRAM_EXIT" = 143 ] || monkey_fail "SIGTERM at the end: exit code $PROGRAM_EXIT, not 143"
if sanitizer_report >"$E2E_DIR/sanitizer.txt"; then
  cat "$E2E_DIR/sanitizer.txt" >&2
  monkey_fail "the sanitizers found faults"
fi
pass "monkey: seed $SEED: $ACTION_COUNT actions ($EVENT_COUNT input events) in $MINUTES min," \
  "$PROBE_COUNT probes answered; RSS $RSS_START MB after start-up, $RSS_END MB at the end"
