#!/usr/bin/env bash
# What the synthesiser alone costs while music plays, with the game's settings and with one
# setting changed at a time. Usage: bench/synth.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release -DPV_BUILD_BENCH=ON >/dev/null
cmake --build --preset release --target pondivar_synth_probe >/dev/null
QT_QPA_PLATFORM=offscreen ./build/pondivar_synth_probe 2>/dev/null
