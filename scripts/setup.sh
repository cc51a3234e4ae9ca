#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the game need, when any are
# missing. Sourced by run.sh and test.sh.
set -euo pipefail

pv_packages=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libsdl2-mixer-dev
  libfluidsynth-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation2 timgm6mb-soundfont
  clang libclang-rt-14-dev
  dpkg-dev file lintian desktop-file-utils appstream xvfb python3-xlib
)

pv_install() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

pv_install "${pv_packages[@]}"
