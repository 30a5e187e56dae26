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

e2e_cleanup() {
  if [ -n "$PROGRAM_PID" ]; then
    # The program and a message box it forked ignore SIGTERM: end the whole group for sure.
    kill -KILL -- "-$PROGRAM_PID" 2>/dev/null
    kill -KILL "$PROGRAM_PID" 2>/dev/null
  fi
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2>/dev/null
  return 0
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
start_program() {
  (cd "$E2E_DIR" && exec setsid "$PROGRAM" "$@" >"$E2E_DIR/program.log" 2>&1) &
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

# answer_box TITLE [KEY]: presses a key (Return by default) in the message box so titled, once
# it takes keys, and waits until it has gone.
answer_box() {
  local id
  wait_window "$1"
  id=$(window_ids "$1" | head -1)
  wait_until "$E2E_TIMEOUT" box_ready "$id" || fail "the box \"$1\" never took keys"
  xdotool key --window "$id" "${2:-Return}"
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

# wait_main_window: waits until the program's window is mapped and viewable.
wait_main_window() {
  wait_until "${1:-$E2E_TIMEOUT}" main_window_id || fail "the program's window did not appear"
}

screenshot() { import -window root "$1" 2>/dev/null || fail "screenshot failed"; }

# region_sum X Y W H: a checksum of what the screen shows there.
region_sum() {
  import -window root -crop "$3x$4+$1+$2" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}
region_changed() { [ "$(region_sum "$1" "$2" "$3" "$4")" != "$5" ]; }
region_is() { [ "$(region_sum "$1" "$2" "$3" "$4")" = "$5" ]; }

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
