#!/usr/bin/env bash
# Start-up time (process launch to window shown) and resident memory once shown, over N runs of
# the real program offscreen. Usage: bench/startup.sh [runs]   (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
cmake --preset release -DPV_BUILD_BENCH=ON >/dev/null
cmake --build --preset release --target pondivar_startup_probe >/dev/null
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for _ in $(seq "$runs"); do
  # A fresh directory each time, so no settings file from an earlier run is read.
  (cd "$work" && PV_LAUNCH_NS=$(date +%s%N) "$OLDPWD/build/pondivar_startup_probe" 2>/dev/null)
done >"$work/runs.txt"
ms=$(sed -n 's/.*shown_ms=\([0-9.]*\).*/\1/p' "$work/runs.txt" | sort -n)
kb=$(sed -n 's/.*rss_kb=\([0-9]*\).*/\1/p' "$work/runs.txt" | sort -n)
n=$(echo "$ms" | wc -l)
median=$(echo "$ms" | awk -v n="$n" '{ v[NR] = $1 } END { print (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2 }')
printf 'runs %d: window shown after median %s ms (min %s, max %s); resident memory once shown %s MB (max over runs)\n' \
  "$n" "$median" "$(echo "$ms" | head -1)" "$(echo "$ms" | tail -1)" \
  "$(echo "$kb" | tail -1 | awk '{ printf "%.1f", $1 / 1024 }')"
