#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over every source file in src/, two at a time, with
# the release build's compile commands. Prints what it finds; exits 1 when it finds anything.
# Takes about two minutes on two cores, so it is not part of ./test.sh.
# Usage: scripts/lint.sh [file...]   (default: every .cpp under src/)
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-tidy >/dev/null || { echo "clang-tidy is not installed (apt-get install clang-tidy)"; exit 2; }
if [ ! -f build/compile_commands.json ]; then
  cmake --preset release >/dev/null
fi
# The embedded resources and Qt's generated sources must exist for the Qt files to parse.
cmake --build --preset release >/dev/null
if [ $# -eq 0 ]; then
  set -- $(find src -name '*.cpp' | sort)
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
printf '%s\n' "$@" | xargs -P 2 -n 1 clang-tidy -p build --quiet 2>/dev/null >"$out" || true
# Only findings in the game's own files count: the analyzer does not follow Qt's ownership of
# the objects its headers allocate (timers' and queued calls' functors) and reports them there.
findings=$(grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' "$out" | grep -v '^/usr/' | sort -u || true)
if [ -n "$findings" ]; then
  echo "$findings"
  echo "clang-tidy: $(wc -l <<<"$findings") findings"
  exit 1
fi
echo "clang-tidy: no findings in $# files"
