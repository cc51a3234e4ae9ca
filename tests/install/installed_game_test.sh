#!/usr/bin/env bash
# Installs the game into a temporary DESTDIR as the package does, validates what the desktop reads,
# then starts the game through its desktop entry's Exec line on a headless X server, closes its
# window and expects the scores in the player's data folder and nothing in the current directory.
# The offscreen platform cannot be asked to close a window from outside, and a signal kills the
# game before it saves, so this runs on Xvfb.
# Usage: installed_game_test.sh BUILD_DIR CLOSE_WINDOW_HELPER
set -euo pipefail
build=$1
close_window=$2
for tool in desktop-file-validate appstreamcli Xvfb; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }

tmp=$(mktemp -d)
xvfb=""
trap '[ -z "$xvfb" ] || kill "$xvfb"; rm -rf "$tmp"' EXIT
root=$tmp/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

entry=$root/usr/share/applications/org.pondivar.Pondivar.desktop
# --no-hints: listing both Education and Game earns a hint about two main categories.
out=$(desktop-file-validate --no-hints "$entry" 2>&1) || true
[ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net "$root"/usr/share/metainfo/org.pondivar.Pondivar.metainfo.xml 2>&1) ||
  fail "appstreamcli: $out"
! grep -E '^(E|W):' <<<"$out" || fail "appstreamcli found the above"

icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 32x32 48x48 64x64 128x128 256x256; do
  [ -f "$root/usr/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon named $icon"
done
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ -x "$root$exec_line" ] || fail "Exec=$exec_line is not an installed program"

mkdir -m 0700 "$tmp/home" "$tmp/cwd" "$tmp/run"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"

(cd "$tmp/cwd" && HOME=$tmp/home XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/run \
  DISPLAY=":$(cat "$tmp/display")" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$root$exec_line") &
game=$!
DISPLAY=":$(cat "$tmp/display")" "$close_window" Pondivar 30 || { kill "$game"; fail "no window"; }
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && { kill "$game"; fail "the game did not leave when its window was closed"; }
wait "$game" || fail "the game exited with $?"

[ -s "$tmp/data/pondivar/pv2.pv2" ] || fail "no pv2.pv2 in the data folder"
[ "$(stat -c %a "$tmp/data/pondivar")" = 700 ] || fail "the data folder is not private"
[ -z "$(ls -A "$tmp/cwd")" ] || fail "files left in the current directory: $(ls -A "$tmp/cwd")"
echo "installed game started from its menu entry and kept its scores in $tmp/data/pondivar"
