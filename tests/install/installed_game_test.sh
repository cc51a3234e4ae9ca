#!/usr/bin/env bash
# Installs into a temporary DESTDIR as the package does, validates what the desktop reads, then
# starts the game through its desktop entry's Exec line, closes its window and expects the scores
# in the player's data folder and nothing in the current directory. On Xvfb, not offscreen: only
# a real X server lets the window be closed from outside, and a signal kills the game unsaved.
# Usage: installed_game_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(dirname "$0")
for tool in desktop-file-validate appstreamcli Xvfb; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "SKIP: python3-xlib is not installed"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

tmp=$(mktemp -d)
xvfb=""
trap '[ -z "$xvfb" ] || kill "$xvfb"; rm -rf "$tmp"' EXIT
root=$tmp/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

entry=$root/usr/share/applications/org.pondivar.Pondivar.desktop
# --no-hints: listing both Education and Game earns a hint about two main categories.
out=$(desktop-file-validate --no-hints "$entry" 2>&1) && [ -z "$out" ] || fail "$out"
out=$(appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml 2>&1) || fail "$out"
! grep -E '^(E|W):' <<<"$out" || fail "appstreamcli warns"
# The menu and software centres show these texts in each language a catalogue is made for
# (English is their source): an English text edited or added without its translations would
# show English to those desktops.
langs=()
for catalogue in "$here"/../../translations/pondivar_*.ts; do
  code=${catalogue##*/pondivar_}
  [ "${code%.ts}" = en ] || langs+=("${code%.ts}")
done
[ ${#langs[@]} -gt 0 ] || fail "no catalogues beside the tests"
for key in GenericName Comment Keywords; do
  for lang in "${langs[@]}"; do
    grep -q "^$key\[$lang\]=." "$entry" || fail "the desktop entry has no ${key}[${lang}]"
  done
done
out=$(/usr/bin/python3 - "$root"/usr/share/metainfo/*.metainfo.xml "${langs[@]}" <<'EOF'
import itertools, sys, xml.etree.ElementTree as ET
LANG = '{http://www.w3.org/XML/1998/namespace}lang'
def walk(node):
    if node.get('translate') == 'no':
        return
    kids = list(node)
    for i, kid in enumerate(kids):
        texts = ('summary', 'developer_name', 'caption', 'p', 'li')
        if kid.tag in texts and LANG not in kid.attrib:
            after = itertools.takewhile(lambda k: k.tag == kid.tag and LANG in k.attrib,
                                        kids[i + 1:])
            if sorted(k.get(LANG) for k in after) != sorted(sys.argv[2:]):
                print(kid.tag, ' '.join(''.join(kid.itertext()).split()[:6]))
        walk(kid)
walk(ET.parse(sys.argv[1]).getroot())
EOF
) && [ -z "$out" ] || fail "untranslated in the metainfo: $out"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 32x32 48x48 64x64 128x128 256x256; do
  [ -f "$root/usr/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon $icon"
done
exec_line=$root$(sed -n 's/^Exec=//p' "$entry")
launcher=$root/usr/games/pondivar
header="player,operation,question,answer,asked,right_first_time,wrong_clicks,median_first_click_ms,last_asked"

# The real program judges --player names for the launcher: refused ones make nothing.
for name in "a/b" "" ".." ".x" " x" "$(printf 'tab\tx')" "abcdefghijklmnopqrstuvwxy"; do
  rc=0
  HOME=$tmp/home XDG_DATA_HOME=$tmp/names "$launcher" --player "$name" >"$tmp/out" 2>"$tmp/err" || rc=$?
  [ "$rc/$(wc -l <"$tmp/err")/$(wc -c <"$tmp/out")" = 2/1/0 ] || fail "name '$name': $rc, $(cat "$tmp/err")"
done
[ ! -e "$tmp/names" ] || fail "a refused name made the data folder"
# The report opens no window and makes nothing.
out=$(XDG_DATA_HOME=$tmp/names "$launcher" --report | tr -d '\r') || fail "report: $?"
[ "$out" = "$header" ] || fail "report without players: $out"
rc=0
XDG_DATA_HOME=$tmp/names "$launcher" --report --player Nobody >"$tmp/out" 2>"$tmp/err" || rc=$?
[ "$rc/$(wc -l <"$tmp/err")/$(wc -c <"$tmp/out")" = 1/1/0 ] || fail "unknown player: $rc"
[ ! -e "$tmp/names" ] || fail "the report made the data folder"

# The launcher's own lines come in the desktop's language, from the program's catalogues.
LANGUAGE=de "$launcher" --frobnicate 2>"$tmp/err" && fail "--frobnicate was taken"
grep -q '^Aufruf: pondivar' "$tmp/err" || fail "a German refusal: $(cat "$tmp/err")"
LANGUAGE=fr "$launcher" --player 2>"$tmp/err" && fail "a forgotten name was taken"
[ "$(cat "$tmp/err")" = "pondivar: --player attend un nom" ] || fail "French: $(cat "$tmp/err")"
LANGUAGE=es "$launcher" --help | grep -q '^Los ajustes' || fail "the Spanish help's last lines"
"$launcher" --help | grep -q '^Settings, high scores' || fail "the English help's last lines"

# A link in players/ is no player: the program refuses to play through it, and the launcher
# passes its exit status on.
mkdir -p "$tmp/links/pondivar/players" "$tmp/elsewhere"
ln -s "$tmp/elsewhere" "$tmp/links/pondivar/players/Eve"
rc=0
XDG_DATA_HOME=$tmp/links timeout 30 "$launcher" --player Eve >"$tmp/out" 2>"$tmp/err" || rc=$?
[ "$rc/$(wc -l <"$tmp/err")/$(wc -c <"$tmp/out")" = 1/1/0 ] || fail "a link played: $rc, $(cat "$tmp/err")"
[ -z "$(ls -A "$tmp/elsewhere")" ] || fail "written through a link: $(ls -A "$tmp/elsewhere")"

mkdir -m 0700 "$tmp/home" "$tmp/cwd" "$tmp/run"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$tmp/display")"
export DISPLAY
(cd "$tmp/cwd" && HOME=$tmp/home XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/run \
  QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$exec_line") &
game=$!
"$here/close_window.py" Pondivar 30 || { kill "$game"; fail "the window did not close"; }
wait "$game" || fail "the game exited with $?"

[ -s "$tmp/data/pondivar/players/Player 1/pv2.pv2" ] || fail "no pv2.pv2 in the first player's folder"
out=$(XDG_DATA_HOME=$tmp/data "$launcher" --report --player "player 1" | tr -d '\r')
[ "$out" = "$header" ] || fail "a player without answers: $out"
[ "$(stat -c %a "$tmp/data/pondivar")" = 700 ] || fail "the data folder is not private"
[ -z "$(ls -A "$tmp/cwd")" ] || fail "left in the current directory: $(ls -A "$tmp/cwd")"
