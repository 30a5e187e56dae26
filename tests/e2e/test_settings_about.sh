#!/usr/bin/env bash
# The preferences dialog, About and Help on an 800 x 600 screen: sound switched off in the
# preferences stays off after a restart (the speaker and the settings file say so); the About
# box's link and the Help command hand the home page and the help page to the desktop's opener
# (a stand-in that notes what it got), and a notice says so when nothing can show them.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/documents_lib.sh"
e2e_init "$1"

SETTINGS="$XDG_CONFIG_HOME/tintamar/qoxtmr10.pfs"
# The speaker on the table, and the preferences dialog's points (420 x 319, centred).
SPEAKER="618 579 16 21"
PREFS_LEFT=190
PREFS_TOP=140

stub_opener

start_display 800x600x24
start_program
wait_main_window
speaker_on=$(region_sum $SPEAKER)
run_from_remote preferences
wait_until "$E2E_TIMEOUT" screen_pixel_is $((PREFS_LEFT + 5)) $((PREFS_TOP + 5)) C27C3E ||
  fail "the preferences did not open"
xdotool mousemove $((PREFS_LEFT + 84)) $((PREFS_TOP + 187)) click 1  # sound: off
xdotool mousemove $((PREFS_LEFT + 300)) $((PREFS_TOP + 250)) click 1  # OK
wait_until "$E2E_TIMEOUT" region_changed $SPEAKER "$speaker_on" || fail "the speaker did not turn off"
speaker_off=$(region_sum $SPEAKER)
[ "$(od -An -tu4 -N4 "$SETTINGS" | tr -d ' ')" = 0 ] || fail "the settings file still has sound on"
close_main_window
wait_program_exit
start_program
wait_main_window
region_is $SPEAKER "$speaker_off" || fail "sound is on again after a restart"
pass "sound switched off in the preferences stays off after a restart"

# About: the link, then the opener's answer when no browser can show the page.
ABOUT_LEFT=$(((800 - 431) / 2))
ABOUT_TOP=$(((600 - 276) / 2))
run_from_remote about
wait_until "$E2E_TIMEOUT" screen_pixel_is $((ABOUT_LEFT + 1)) $((ABOUT_TOP + 1)) 7A4820 ||
  fail "the About box did not open"
xdotool mousemove $((ABOUT_LEFT + 5 + 200)) $((ABOUT_TOP + 27 + 134)) click 1
wait_until "$E2E_TIMEOUT" opened_has "https://tintamar.org/" || fail "the home page was not opened"
wait_input_handled 400 300
window_exists "Attention!" && fail "a notice after the home page opened"
pass "the About link hands the home page to the desktop"

run_from_remote help
wait_until "$E2E_TIMEOUT" opened_has "$(dirname "$PROGRAM")/Help_tmr.html" ||
  fail "the help page was not opened (opened: $(cat "$STUB/opened"))"
echo 3 >"$STUB/status"
run_from_remote help
answer_box "Attention!"
pass "Help hands the help page to the desktop, and says so when nothing can show it"
close_main_window
wait_program_exit
