#!/usr/bin/env bash
# What the synthesiser alone costs while music plays, with the game's settings and with one
# setting changed at a time. Usage: bench/synth.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build_probes pondivar_synth_probe
QT_QPA_PLATFORM=offscreen ./build/pondivar_synth_probe 2>/dev/null
