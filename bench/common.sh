# Shared by the benchmark scripts, sourced from the repository's root: a scratch folder and an X
# server that both go when the script ends, and the build of the probes a script runs.

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The median of numbers, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# A probe's "name=value" field, from each line of a file.
field() { sed -n "s/.*\<$1=\([0-9.]*\).*/\1/p" "$2"; }

# Builds the given targets of the release build, with the benchmarks on.
build_probes() {
  cmake --preset release -DPV_BUILD_BENCH=ON >/dev/null
  cmake --build --preset release --target "$@" >/dev/null
}

# Starts Xvfb with a screen of the given geometry (WxHxDEPTH); sets display to its number.
start_xvfb() {
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 10 display <&"$fd"
}

# Runs the function named by $1 offscreen, then on an X server when Xvfb is installed; the
# function is given the label "offscreen" or "Xvfb".
offscreen_and_xvfb() {
  QT_QPA_PLATFORM=offscreen "$1" offscreen
  if command -v Xvfb >/dev/null; then
    start_xvfb 1280x1024x24
    DISPLAY=:$display QT_QPA_PLATFORM=xcb "$1" Xvfb
  else
    echo "Xvfb is not installed (apt-get install xvfb): no measurement on an X server"
  fi
}
