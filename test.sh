#!/usr/bin/env bash
# Installs what is missing, builds the game and runs the whole test suite: once in Release with
# the real window offscreen, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

cmake --preset release -DPV_BUILD_TESTS=ON >/dev/null
cmake --build --preset release
ctest --preset release -j2

# The Debian package; lintian, when present, must find no errors in it.
rm -f build/pondivar_*.deb
cmake --build --preset release --target package
if command -v lintian >/dev/null; then lintian --fail-on error build/pondivar_*.deb; fi

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize -j2

# The settings file reader under libFuzzer for a minute; any crash fails the run.
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus
./build-fuzz/settings_reader_fuzz -max_total_time=60 -print_final_stats=1 \
  -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus
