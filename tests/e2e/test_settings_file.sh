#!/usr/bin/env bash
# Where the settings go, as the speaker on the table changes them: a settings file that is a
# link to a file kept elsewhere is written through and stays a link; a link to a device is left
# alone; with neither HOME nor XDG_CONFIG_HOME the settings go to the home folder of the user's
# account, and without an account entry they stay in memory, nothing written anywhere.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

folder="$XDG_CONFIG_HOME/tintamar"
settings="$folder/qoxtmr10.pfs"

# The file of the default settings: 1, 1, 1, 260 zero bytes, 1.
write_defaults() {
  { printf '\001\000\000\000\001\000\000\000\001\000\000\000'; head -c 260 /dev/zero; printf '\001\000\000\000'; } >"$1"
}
first_byte() { od -An -tu1 -N1 "$1" 2>/dev/null | tr -d ' '; }
first_byte_is() { [ "$(first_byte "$1")" = "$2" ]; }

start_room() {
  start_program
  wait_main_window
  wait_room_drawn
}
# The speaker turns the sound off or on and saves the settings.
click_speaker() {
  xdotool mousemove 626 $((SCREEN_H - 10)) click 1
  wait_input_handled 400 300
}
end_program() {
  kill -TERM "$PROGRAM_PID"
  wait_program_exit
}

start_display 800x600x24

# A link to a file kept in another folder.
mkdir -p "$folder" "$HOME/dotfiles"
write_defaults "$HOME/dotfiles/tintamar.pfs"
ln -s ../../dotfiles/tintamar.pfs "$settings"
start_room
click_speaker
wait_until "$E2E_TIMEOUT" first_byte_is "$HOME/dotfiles/tintamar.pfs" 0 || fail "the linked file was not written"
[ -L "$settings" ] && [ "$(readlink "$settings")" = ../../dotfiles/tintamar.pfs ] || fail "the link was replaced"
[ "$(ls -A "$folder")" = qoxtmr10.pfs ] || fail "beside the link: $(ls -A "$folder")"
[ "$(ls -A "$HOME/dotfiles")" = tintamar.pfs ] || fail "beside the linked file: $(ls -A "$HOME/dotfiles")"
[ "$(stat -c %s "$HOME/dotfiles/tintamar.pfs")" = 276 ] || fail "the linked file is not 276 bytes"
end_program
pass "a linked settings file is written through and stays a link"

# A link to a device, at start-up and at every save.
rm "$settings"
ln -s /dev/null "$settings"
start_room
click_speaker
[ -L "$settings" ] && [ "$(readlink "$settings")" = /dev/null ] || fail "the link to /dev/null was replaced"
[ -c /dev/null ] || fail "/dev/null is no longer a device"
[ "$(ls -A "$folder")" = qoxtmr10.pfs ] || fail "beside the link: $(ls -A "$folder")"
end_program
pass "a settings link to a device is left alone"

# Without HOME and XDG_CONFIG_HOME: the account's home folder, from an account table of our own.
start_without_home() {
  local saved_home=$HOME saved_config=$XDG_CONFIG_HOME saved_asan=${ASAN_OPTIONS:-}
  unset HOME XDG_CONFIG_HOME
  export LD_PRELOAD=libnss_wrapper.so NSS_WRAPPER_PASSWD="$E2E_DIR/passwd" NSS_WRAPPER_GROUP="$E2E_DIR/group"
  # The sanitizer build's runtime must come first; the account table only swaps name lookups.
  # The wrapper opens the C library with RTLD_DEEPBIND by default, which AddressSanitizer
  # refuses (the program aborts at start).
  export ASAN_OPTIONS="${saved_asan:+$saved_asan:}verify_asan_link_order=0" NSS_WRAPPER_DISABLE_DEEPBIND=1
  start_room
  unset LD_PRELOAD NSS_WRAPPER_PASSWD NSS_WRAPPER_GROUP NSS_WRAPPER_DISABLE_DEEPBIND
  export HOME=$saved_home XDG_CONFIG_HOME=$saved_config ASAN_OPTIONS=$saved_asan
}
echo "kids:x:$(id -g):" >"$E2E_DIR/group"

echo "kid:x:$(id -u):$(id -g):Kid:$E2E_DIR/account:/bin/sh" >"$E2E_DIR/passwd"
mkdir -p "$E2E_DIR/account"
start_without_home
account_settings="$E2E_DIR/account/.config/tintamar/qoxtmr10.pfs"
wait_until "$E2E_TIMEOUT" first_byte_is "$account_settings" 1 || fail "no settings file in the account's home"
click_speaker
wait_until "$E2E_TIMEOUT" first_byte_is "$account_settings" 0 || fail "the account's settings file was not saved"
end_program
pass "without HOME the settings live in the account's home folder"

echo "someone:x:4242:4242:Someone:/nonexistent:/bin/sh" >"$E2E_DIR/passwd"
touch "$E2E_DIR/before-no-account"
start_without_home
speaker_on=$(region_sum 618 $((SCREEN_H - 21)) 16 21)
click_speaker
region_changed 618 $((SCREEN_H - 21)) 16 21 "$speaker_on" || fail "the speaker did not turn the sound off"
end_program
written=$(find "$E2E_DIR" /tmp/.config -name 'qoxtmr10.pfs*' -newer "$E2E_DIR/before-no-account" 2>/dev/null)
[ -z "$written" ] || fail "settings written without a home: $written"
pass "without a home folder the settings stay in memory"
