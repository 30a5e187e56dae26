#!/usr/bin/env bash
# The Debian package, made by cpack from a build folder, looked at as apt and a desktop would see
# it (it is never installed here): its control fields name the libraries, fonts and opener the
# program needs and the version its change log and metainfo announce; it holds the program, the
# data the program reads, the menu entry, the icon drawn at every size, the metainfo, the manual
# page and the notices, all under /usr; the menu entry, the metainfo and the manual page pass
# their checkers, and lintian finds no error and no warning.
# Usage: tests/package/test_package.sh BUILD_FOLDER
set -u
build="$(readlink -f "$1")"
source_dir="$(readlink -f "$(dirname "$0")/../..")"
work="${PACKAGE_OUT:-/tmp/tintamar-package}"
rm -rf "$work"
mkdir -p "$work"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
pass() { echo "PASS: $*"; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -5 "$work/cpack.log")"
debs=("$work"/tintamar_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no tintamar_*.deb"
deb="${debs[0]}"
root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb cannot unpack $deb"
field() { dpkg-deb -f "$deb" "$1"; }

# --- The control fields ---
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] && [ "$(field Version)" = "$version" ] ||
  fail "the package's version $(field Version) is not the program's $version"
[ "$(basename "$deb")" = "tintamar_${version}_$(dpkg --print-architecture).deb" ] ||
  fail "the package is named $(basename "$deb")"
zcat "$root/usr/share/doc/tintamar/changelog.gz" | head -1 | grep -qF "tintamar ($version)" ||
  fail "the change log does not begin with version $version"
grep -qF "<release version=\"$version\"" "$root/usr/share/metainfo/org.tintamar.Tintamar.metainfo.xml" ||
  fail "the metainfo announces no release $version"
depends=$(field Depends)
depended=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')  # the names, one a line
for needed in libc6 libstdc++6 libsdl2-2.0-0 libgtk-3-0 libfreetype6 libfontconfig1 libx11-6 \
  fonts-liberation2 fonts-urw-base35 xdg-utils; do
  grep -qxF "$needed" <<<"$depended" || fail "Depends lacks $needed: $depends"
done
grep -qw xdg-user-dirs <<<"$(field Recommends)" || fail "Recommends lacks xdg-user-dirs"
pass "version $version, Depends: $depends"

# --- What it holds ---
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -vE '^\./(usr/.*)?$')
[ -z "$outside" ] || fail "files outside /usr: $outside"
pages=$(sed -n 's/^page \([^ ]*\) .*/\1/p' "$source_dir/resources/pages.manifest")
for file in usr/bin/tintamar usr/share/tintamar/Help_tmr.html \
  $(printf 'usr/share/tintamar/Pages/%s ' $pages) \
  usr/share/applications/org.tintamar.Tintamar.desktop \
  usr/share/metainfo/org.tintamar.Tintamar.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/org.tintamar.Tintamar.svg \
  usr/share/man/man1/tintamar.1.gz usr/share/doc/tintamar/copyright; do
  [ -s "$root/$file" ] || fail "the package lacks /$file"
done
for size in 16 22 24 32 48 64 128 256 512; do
  icon="$root/usr/share/icons/hicolor/${size}x$size/apps/org.tintamar.Tintamar.png"
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size" ] ||
    fail "no ${size}x$size icon in /${icon#"$root"/}"
done
# The emoji font's licence travels with the stamps drawn from it.
grep -q "^License: OFL-1.1$" "$root/usr/share/doc/tintamar/copyright" &&
  grep -q "SIL OPEN FONT LICENSE Version 1.1" "$root/usr/share/doc/tintamar/copyright" ||
  fail "the copyright file lacks the emoji font's licence"
pass "the program, its data, menu entry, icons, metainfo, manual page and notices, under /usr"

# --- The checkers ---
entry="$root/usr/share/applications/org.tintamar.Tintamar.desktop"
# Hints are advice (a program in two menus gets one); errors and warnings are faults.
desktop-file-validate "$entry" >"$work/desktop.log" 2>&1 && ! grep -qE ': (error|warning): ' "$work/desktop.log" ||
  fail "desktop-file-validate: $(cat "$work/desktop.log")"
appstreamcli validate-tree --no-net "$root/usr" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli: $(cat "$work/appstream.log")"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$root/usr/share/man/man1/tintamar.1.gz" \
  2>"$work/man.log" >/dev/null && [ ! -s "$work/man.log" ] || fail "man: $(cat "$work/man.log")"
pass "the menu entry, the metainfo and the manual page pass their checkers"

lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(grep -E '^[EW]: ' "$work/lintian.log")"
pass "lintian finds no error and no warning"
