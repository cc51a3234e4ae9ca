#!/usr/bin/env bash
# The installed launcher on its own: where it starts the program and what it refuses. The program
# is swapped for a stand-in that prints the folder it was started in.
# Usage: launcher_test.sh BUILD_DIR LAUNCHER PROGRAM VERSION  (LAUNCHER, PROGRAM under the prefix)
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
# In /tmp and open to all: the unwritable-folder case runs as another user when we are root.
tmp=$(mktemp -d /tmp/pv-launcher-test.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
DESTDIR=$tmp/root cmake --install "$1" --prefix /usr >/dev/null
launcher=$tmp/root/usr/$2
cat >"$tmp/root/usr/$3" <<'EOF'
#!/bin/sh
case $1 in
  --check) exit 0 ;;
  --launcher-text) echo "[$2]${3:+ $3}"; exit 0 ;;
  --help) echo "usage: pondivar (stand-in)"; exit 0 ;;
esac
pwd
EOF
h=$tmp/home
mkdir "$tmp/cwd" "$h"

# launch [VAR=value...] -- [ARG...]: runs from $tmp/cwd with HOME=$h; sets rc, out and err.
launch() {
  local vars=()
  while [ "$1" != -- ]; do vars+=("$1"); shift; done
  shift
  rc=0
  (cd "$tmp/cwd" && env -u XDG_DATA_HOME HOME="$h" "${vars[@]}" "$launcher" "$@") \
    >"$tmp/out" 2>"$tmp/err" || rc=$?
  out=$(cat "$tmp/out") err=$(cat "$tmp/err")
}

launch -- --version
[ "$rc/$out" = "0/Pondivar $4" ] || fail "--version: $rc, $out"
launch -- --help
[ "$rc/$out" = "0/usage: pondivar (stand-in)

[where-kept]" ] || fail "--help: $rc, $out"
for args in --frobnicate "--help --version" -x; do
  # shellcheck disable=SC2086 # split on purpose
  launch -- $args
  [ "$rc/$out/$err" = "2//[usage]" ] || fail "$args: $rc, $err"
done
for args in "--player --report" "--report --player" "--player -x"; do
  # shellcheck disable=SC2086 # split on purpose
  launch -- $args
  [ "$rc/$out/$err" = "2//pondivar: [need-name]" ] || fail "$args: $rc, $out, $err"
done
[ ! -e "$h/.local" ] || fail "an option or a refusal made the data folder"

# Unset, empty and relative XDG_DATA_HOME all mean ~/.local/share; each missing level is private.
for value in unset "" relative/data; do
  if [ "$value" = unset ]; then launch --; else launch XDG_DATA_HOME="$value" --; fi
  [ "$rc/$out" = "0/$h/.local/share/pondivar" ] || fail "XDG_DATA_HOME $value: $rc, $out, $err"
done
[ "$(stat -c %a "$h/.local" "$h/.local/share/pondivar" | sort -u)" = 700 ] || fail "not private"
[ -z "$(ls -A "$tmp/cwd")" ] || fail "files left in the current directory"
launch XDG_DATA_HOME="$tmp/data" --
[ "$out" = "$tmp/data/pondivar" ] || fail "XDG_DATA_HOME gave $out"

# A file where the folder belongs, a folder below a file, a folder the player cannot write to.
touch "$tmp/file"
mkdir -p "$tmp/blocked" && touch "$tmp/blocked/pondivar"
mkdir "$tmp/readonly" && mkdir -m 0555 "$tmp/readonly/pondivar"
as_player=()
[ "$(id -u)" != 0 ] || as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
for data in "$tmp/blocked" "$tmp/file" "$tmp/readonly"; do
  run=("$launcher")
  [ "$data" != "$tmp/readonly" ] || run=("${as_player[@]}" "$launcher")
  rc=0
  (cd / && HOME=$h XDG_DATA_HOME=$data "${run[@]}") >"$tmp/out" 2>"$tmp/err" || rc=$?
  [ "$rc/$(wc -c <"$tmp/out")/$(wc -l <"$tmp/err")" = 1/0/1 ] && grep -qF "$data/pondivar" "$tmp/err" ||
    fail "$data was not refused: $rc, $(cat "$tmp/out" "$tmp/err")"
done

# Started by a path relative to where it is started from, or by its name through sh.
for form in "games:./pondivar" ".:games/pondivar" "games:sh pondivar"; do
  rc=0
  # shellcheck disable=SC2086 # split on purpose
  (cd "$tmp/root/usr/${form%%:*}" && env -u XDG_DATA_HOME HOME="$h" ${form#*:}) \
    >"$tmp/out" 2>"$tmp/err" || rc=$?
  [ "$rc/$(cat "$tmp/out")" = "0/$h/.local/share/pondivar" ] ||
    fail "started as ${form#*:}: $rc, $(cat "$tmp/out" "$tmp/err")"
done
