#!/bin/sh
# Which texts would no longer fit the 1x window were every text 40 % longer: builds the
# pseudo-language, runs the fitting test with it in place of every catalogue and lists what
# overflows. A guide for translators, not a verdict: some fixed labels are expected to overflow.
#
# Usage: tools/translations/pseudo_fit.sh [BUILD_DIR]   (a release build with tests; default build)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
lrelease=${LRELEASE:-/usr/lib/qt6/bin/lrelease}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

python3 "$root/tools/translations/make_pseudo.py" "$scratch/pondivar_xx.ts"
"$lrelease" -silent "$scratch/pondivar_xx.ts" -qm "$scratch/pondivar_xx.qm"

# The game writes its settings where it runs: never inside the repository.
cd "$scratch"
PONDIVAR_CATALOGUE="$scratch/pondivar_xx.qm" LANGUAGE=en QT_QPA_PLATFORM=offscreen \
    SDL_AUDIODRIVER=dummy "$build/pondivar_qt_tests" --gtest_filter='TextsFit.*' \
    >"$scratch/run.txt" 2>&1 || true

# Every language shows the same pseudo texts: one line per screen and text is enough.
sed -n 's/^[a-z][a-z], \(.*\)$/\1/p' "$scratch/run.txt" | sort -u >"$scratch/overflows.txt"
if [ -s "$scratch/overflows.txt" ]; then
    echo "Texts that would overflow at 1x, 40 % longer:"
    cat "$scratch/overflows.txt"
else
    echo "Every text still fits at 1x, 40 % longer."
fi
