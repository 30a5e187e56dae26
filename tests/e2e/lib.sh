# Shared helpers of the end-to-end tests: each test starts its own X server on a free display,
# runs the real program in a fresh home folder and drives it with xdotool as a person would.
# Every wait polls a condition with a generous timeout; nothing sleeps a fixed time to pass.
#
# Use:  source "$(dirname "$0")/lib.sh"; e2e_init "$1"; start_display 640x480x24; start_program
set -u

E2E_TIMEOUT=${E2E_TIMEOUT:-60}
E2E_DIR=""
SCREEN_W=0
SCREEN_H=0
ROOM_SCALE=1  # a test that starts the program with --scale=N sets this to N
XVFB_PID=""
PROGRAM_PID=""
PROGRAM_EXIT=""

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ] && [ -n "$E2E_DIR" ]; then
    import -window root "$E2E_DIR/failure.png" 2>/dev/null && echo "screen at failure: $E2E_DIR/failure.png" >&2
    xwininfo -root -tree 2>/dev/null | grep -E '^\s+0x' | head -20 >&2
  fi
  if [ -n "$E2E_DIR" ] && [ -s "$E2E_DIR/program.log" ]; then
    echo "program output:" >&2
    grep -v '^ALSA lib' "$E2E_DIR/program.log" | tail -20 >&2
  fi
  [ -n "$PROGRAM_PID" ] && ! kill -0 "$PROGRAM_PID" 2>/dev/null && echo "the program is no longer running" >&2
  exit 1
}

pass() {
  echo "PASS: $*"
}

# sanitizer_report: prints what AddressSanitizer, LeakSanitizer, UndefinedBehaviorSanitizer or
# the toolbox's count of forgotten bitmaps and regions said in the program's output (every
# *.log of the test), if anything.
sanitizer_report() {
  [ -n "$E2E_DIR" ] || return 1
  grep -E -A40 'ERROR: (Address|Leak|UndefinedBehavior)Sanitizer|runtime error:|was never disposed of' \
    "$E2E_DIR"/*.log 2>/dev/null
}

# The program ends as a session ends it, with SIGTERM, so that the sanitizer build checks its
# way out too (leaks included); whatever the sanitizers said during the test fails it.
e2e_cleanup() {
  local status=$?
  if [ -n "$PROGRAM_PID" ]; then
    kill -TERM "$PROGRAM_PID" 2>/dev/null
    if ! wait_until 30 bash -c "! kill -0 $PROGRAM_PID 2>/dev/null"; then
      echo "FAIL: the program did not end on SIGTERM" >&2
      status=1
    fi
    # Anything the program started goes too.
    kill -KILL -- "-$PROGRAM_PID" 2>/dev/null
    kill -KILL "$PROGRAM_PID" 2>/dev/null
  fi
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2>/dev/null
  if sanitizer_report >"$E2E_DIR/sanitizer.txt"; then
    echo "FAIL: the sanitizers found faults:" >&2
    head -80 "$E2E_DIR/sanitizer.txt" >&2
    status=1
  fi
  exit $status
}

# e2e_init PROGRAM_PATH: a fresh folder for this test (home, settings, screenshots).
e2e_init() {
  PROGRAM="$(readlink -f "$1")"
  [ -x "$PROGRAM" ] || fail "no program at $1"
  local name
  name="$(basename "$0" .sh)"
  E2E_DIR="${E2E_OUT:-/tmp/tintamar-e2e}/$name"
  rm -rf "$E2E_DIR"
  mkdir -p "$E2E_DIR/home" "$E2E_DIR/run"
  chmod 700 "$E2E_DIR/run"
  export HOME="$E2E_DIR/home" XDG_CONFIG_HOME="$E2E_DIR/home/.config" XDG_RUNTIME_DIR="$E2E_DIR/run"
  export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
  # For the sanitizer build: third-party leaks are known and listed; anything else is reported.
  export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
  trap e2e_cleanup EXIT
}

# wait_until TIMEOUT_SECONDS COMMAND...: polls the command until it succeeds.
wait_until() {
  local timeout=$1
  shift
  local deadline=$((SECONDS + timeout))
  while ! "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
  return 0
}

# start_display WxHxDEPTH: an X server of its own on the first free display. It must not reset
# when its last client goes: at every reset Xvfb writes the display number to the -displayfd
# descriptor again and closes it, and by then that descriptor number may belong to a client
# just connecting (the program starting, or an xdotool command), whose connection it breaks.
start_display() {
  local fifo="$E2E_DIR/display.fifo"
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -noreset -screen 0 "$1" -nolisten tcp 3>"$fifo" >"$E2E_DIR/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local number
  read -r -t "$E2E_TIMEOUT" number <"$fifo" || fail "Xvfb did not start"
  rm -f "$fifo"
  export DISPLAY=":$number"
  SCREEN_W=${1%%x*}
  SCREEN_H=${1#*x}
  SCREEN_H=${SCREEN_H%%x*}
  wait_until "$E2E_TIMEOUT" xdpyinfo || fail "display $DISPLAY does not answer"
}

# start_program [ARGUMENTS...]: the program in its own process group, from the test's folder.
# The output of every run of the test goes to one log, which the end of the test reads for
# sanitizer reports.
start_program() {
  (cd "$E2E_DIR" && exec setsid "$PROGRAM" "$@" >>"$E2E_DIR/program.log" 2>&1) &
  PROGRAM_PID=$!
}

program_running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }

# wait_program_exit TIMEOUT: sets PROGRAM_EXIT to the exit code; fails on timeout.
wait_program_exit() {
  local timeout=${1:-$E2E_TIMEOUT}
  wait_until "$timeout" bash -c "! kill -0 $PROGRAM_PID" || fail "program still running after ${timeout}s"
  wait "$PROGRAM_PID"
  PROGRAM_EXIT=$?
  PROGRAM_PID=""
}

# window_ids TITLE: ids of the windows named exactly TITLE (message boxes included, whose
# UTF-8 names xdotool cannot search). While other windows come and go, one listing of the tree
# can leave a window out, so a window missing from it may still be there: to know that a
# window has gone, ask about its id (window_gone).
window_ids() {
  xwininfo -root -tree 2>/dev/null | grep -F "\"$1\":" | awk '{print $1}'
}

window_exists() { [ -n "$(window_ids "$1")" ]; }

# window_count TITLE: how many windows are so named, from two listings together.
window_count() { (window_ids "$1"; window_ids "$1") | sort -u | grep -c .; }

wait_window() {
  wait_until "${2:-$E2E_TIMEOUT}" window_exists "$1" || fail "no window \"$1\" appeared"
}

# window_gone ID: the window no longer exists (or is no longer shown).
window_gone() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 0
  ! grep -q 'IsViewable' <<<"$info"
}

# wait_no_window TITLE [TIMEOUT]: waits until every window so named has gone. The windows are
# those of two listings together, so that one listing leaving a window out cannot pass it.
wait_no_window() {
  local id
  for id in $( (window_ids "$1"; window_ids "$1") | sort -u); do
    wait_until "${2:-$E2E_TIMEOUT}" window_gone "$id" || fail "window \"$1\" did not go away"
  done
}

# window_geometry TITLE: prints WxH+X+Y of the first window with that title.
window_geometry() {
  xwininfo -root -tree | grep -F "\"$1\":" | head -1 | grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' | head -1
}

# box_ready ID: the message box is shown and takes keys. The native (GTK) boxes, whose class is
# the program's, get the keyboard focus from the program once GTK has mapped them: a key sent
# before that can be lost. SDL's own boxes never take the focus; a key sent to them waits in
# their queue.
box_ready() {
  xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 1
  xprop -id "$1" WM_CLASS 2>/dev/null | grep -q '"Tintamar"' || return 0
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(($1))" ]
}

# key_in_window ID KEY: presses and releases the key in the window. A box closes on the press,
# and xdotool then fails to send the release to a window that has gone and stops, leaving the
# key down in the X server: its next press would count as a repeat of the held key and never
# reach the program. So the key is released again, whatever happened.
key_in_window() {
  xdotool key --window "$1" "$2" 2>/dev/null
  xdotool keyup "$2"
}

# answer_box TITLE [KEY]: presses a key (Return by default) in the message box so titled, once
# it takes keys, and waits until it has gone.
answer_box() {
  local id
  wait_window "$1"
  id=$(window_ids "$1" | head -1)
  wait_until "$E2E_TIMEOUT" box_ready "$id" || fail "the box \"$1\" never took keys"
  key_in_window "$id" "${2:-Return}"
  wait_until "$E2E_TIMEOUT" window_gone "$id" || fail "window \"$1\" did not go away"
}

# main_window_id: the id of the program's window that is shown (from two listings together).
main_window_id() {
  local id
  for id in $( (window_ids "Tintamar"; window_ids "Tintamar") | sort -u); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && { echo "$id"; return 0; }
  done
  return 1
}

# wait_window_shown: waits until the program's window is mapped and viewable.
wait_window_shown() {
  wait_until "${1:-$E2E_TIMEOUT}" main_window_id || fail "the program's window did not appear"
}

# wait_main_window: waits until the program's window is shown and its room is there, past the
# intro (see pass_intro).
wait_main_window() {
  wait_window_shown "$@"
  pass_intro
}

# wait_room_drawn: waits until a fresh program has drawn its room (the blank picture's middle is
# white): its window can be shown before its first picture is.
wait_room_drawn() {
  wait_pixel $((SCREEN_W / 2)) $((SCREEN_H / 2)) FFFFFF
}

screenshot() { import -window root "$1" 2>/dev/null || fail "screenshot failed"; }

# region_sum X Y W H: a checksum of what the screen shows there.
region_sum() {
  import -window root -crop "$3x$4+$1+$2" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}
region_changed() { [ "$(region_sum "$1" "$2" "$3" "$4")" != "$5" ]; }
region_is() { [ "$(region_sum "$1" "$2" "$3" "$4")" = "$5" ]; }
# wait_region_change X Y W H SUM WHAT: waits until the screen there is no longer what SUM says;
# fails saying WHAT did not happen.
wait_region_change() {
  wait_until "$E2E_TIMEOUT" region_changed "$1" "$2" "$3" "$4" "$5" || fail "$6"
}

# wait_input_handled X Y: waits until the program has handled all the input sent to it so far,
# and leaves the pointer at screen point (X, Y). The pointer visits the print button, whose
# highlight the program draws when it handles that move, then goes to (X, Y), which takes the
# highlight away again: the program handles its input in order, so once the highlight has come
# and gone, everything sent before has been handled too. The program only lights buttons while
# the mouse button is up and no tool is busy, so use it after a release.
wait_input_handled() {
  # The print button (0, D + 285, 48, D + 325) and its highlight (0, D + 246, 111, D + 337),
  # D = H - 480, in the room's pixels (each ROOM_SCALE x ROOM_SCALE screen pixels).
  local s=$ROOM_SCALE
  local d=$((SCREEN_H / s - 480))
  local top=$(((d + 246) * s)) width=$((111 * s)) height=$((91 * s))
  local unlit
  unlit=$(region_sum 0 "$top" "$width" "$height")
  xdotool mousemove $((24 * s)) $(((d + 305) * s))
  wait_until "$E2E_TIMEOUT" region_changed 0 "$top" "$width" "$height" "$unlit" ||
    fail "the program did not handle its input (the print button never lit)"
  xdotool mousemove "$1" "$2"
  wait_until "$E2E_TIMEOUT" region_is 0 "$top" "$width" "$height" "$unlit" ||
    fail "the program did not handle its input (the print button stayed lit)"
}

# pixel FILE X Y: prints the pixel's colour as RRGGBB.
pixel() {
  convert "$1" -format "%[hex:p{$2,$3}]" info:- 2>/dev/null | cut -c1-6
}

# crop_pixels FILE X Y W H: the region's pixels of a screenshot as RRGGBB, one a line, row by row.
crop_pixels() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- 2>/dev/null | tail -n +2 |
    grep -o '#[0-9A-Fa-f]\{6\}' | cut -c2- | tr 'a-f' 'A-F'
}

# count_colour FILE X Y W H RRGGBB: pixels of that colour in the region of a screenshot.
count_colour() {
  crop_pixels "$@" | grep -ci "^$6$" || true
}

# wait_pixel X Y RRGGBB [TIMEOUT]: waits until the screen shows that colour there.
screen_pixel_is() {
  local shot="$E2E_DIR/poll.png"
  import -window root -crop "1x1+$1+$2" "$shot" 2>/dev/null || return 1
  [ "$(convert "$shot" -format '%[hex:p{0,0}]' info:- 2>/dev/null | cut -c1-6)" = "$3" ]
}
wait_pixel() {
  wait_until "${4:-$E2E_TIMEOUT}" screen_pixel_is "$1" "$2" "$3" ||
    fail "pixel ($1, $2) never became $3 (it is $(import -window root -crop "1x1+$1+$2" png:- | convert - -format '%[hex:p{0,0}]' info:-))"
}

# close_main_window: asks the program's window to close, as a window manager would.
close_main_window() {
  "$(dirname "$PROGRAM")/tests/xclose" "$(main_window_id)" || fail "could not ask the window to close"
}

# focused_window_is TITLE / wait_focus TITLE: the keyboard focus is on the window so named.
focused_window_is() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }
wait_focus() {
  wait_until "${2:-$E2E_TIMEOUT}" focused_window_is "$1" ||
    fail "the keyboard focus never reached \"$1\" (it is on \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\")"
}

# write_preferences SOUND FIT ANIMATED LIGHT: the settings file the program reads at start.
write_preferences() {
  mkdir -p "$XDG_CONFIG_HOME/tintamar"
  python3 -c 'import struct, sys
v = [int(a) for a in sys.argv[2:6]]
open(sys.argv[1], "wb").write(struct.pack("<3i", *v[:3]) + bytes(260) + struct.pack("<i", v[3]))' \
    "$XDG_CONFIG_HOME/tintamar/qoxtmr10.pfs" "$@"
}

# ---- The intro ---------------------------------------------------------------------------

# pixel_now X Y: the screen's colour there now, as RRGGBB.
pixel_now() {
  import -window root -crop "1x1+$1+$2" png:- 2>/dev/null | convert - -format '%[hex:p{0,0}]' info:- 2>/dev/null | cut -c1-6
}

# The intro lies in the middle of the screen while the room is still black; the room's picture
# is white when the program starts.
intro_showing() {
  local c
  c=$(pixel_now $((SCREEN_W / 2)) $((SCREEN_H / 2)))
  [ -n "$c" ] && [ "$c" != 000000 ] && [ "$c" != FFFFFF ]
}

# pass_intro: the intro shows for seven seconds at start-up unless a key or a click ends it:
# waits for it and presses Escape, then waits until the room has handled that key. Should the
# intro have ended by itself first, the Escape reaches the room and shows the room's hint box,
# which is answered. To know the key was handled, the pointer goes to the remote control, whose
# hover label appears in the strip at the bottom (where no box ever covers it) only once the
# program has handled everything sent before; then it goes back to the middle of the picture.
room_or_hint() {
  screen_pixel_is $((SCREEN_W / 2)) $((SCREEN_H / 2)) FFFFFF || window_exists "Attention!"
}

pass_intro() {
  wait_until "$E2E_TIMEOUT" intro_showing || fail "the intro never showed"
  # Over the picture, where the room shows no label.
  xdotool mousemove $((SCREEN_W / 2)) $((SCREEN_H / 2))
  xdotool key Escape
  # The strip and the remote control in the room's pixels, each ROOM_SCALE screen pixels wide.
  local s=$ROOM_SCALE
  local strip_top=$((SCREEN_H - 22 * s))
  local blank
  wait_until "$E2E_TIMEOUT" room_or_hint || fail "the room never came after the intro"
  blank=$(region_sum 0 "$strip_top" $((572 * s)) $((22 * s)))
  xdotool mousemove $((156 * s)) $((SCREEN_H - 40 * s))
  local deadline=$((SECONDS + E2E_TIMEOUT))
  while region_is 0 "$strip_top" $((572 * s)) $((22 * s)) "$blank"; do
    window_exists "Attention!" && answer_box "Attention!"
    [ $SECONDS -ge $deadline ] && fail "the room did not handle its input after the intro"
    sleep 0.1
  done
  xdotool mousemove $((SCREEN_W / 2)) $((SCREEN_H / 2))
  wait_until "$E2E_TIMEOUT" region_is 0 "$strip_top" $((572 * s)) $((22 * s)) "$blank" ||
    fail "the remote control's label stayed after the intro"
}
