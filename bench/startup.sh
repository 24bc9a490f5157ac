#!/usr/bin/env bash
# Times ivgen from launch to its first shown window against a bare Qt window with the same number
# of tabs, the two runs interleaved, and prints both medians and their ratio. Runs under Qt's
# offscreen platform, and on X: the display when one is set, else a virtual one (Xvfb).
#   bench/startup.sh [BUILD_DIR] [RUNS]      (default: build, 21 runs each)
# Build first with: cmake -S . -B build -DIVGEN_BUILD_BENCH=ON && cmake --build build
set -euo pipefail
build=${1:-build}
runs=${2:-21}
ivgen="$build/bin/ivgen"
bare="$build/bin/bare_window"
for program in "$ivgen" "$bare"; do
  [ -x "$program" ] || { echo "missing $program: build with -DIVGEN_BUILD_BENCH=ON" >&2; exit 2; }
done

elapsed_ms() {
  local start end
  start=$(date +%s%N)
  IVGEN_QUIT_WHEN_SHOWN=1 "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'; }

measure() {
  local platform=$1 a b
  a=$(mktemp) b=$(mktemp)
  # One warm-up of each, so both start from a warm file cache.
  QT_QPA_PLATFORM=$platform elapsed_ms "$ivgen" >/dev/null
  QT_QPA_PLATFORM=$platform elapsed_ms "$bare" >/dev/null
  for _ in $(seq "$runs"); do
    QT_QPA_PLATFORM=$platform elapsed_ms "$ivgen" >>"$a"
    QT_QPA_PLATFORM=$platform elapsed_ms "$bare" >>"$b"
  done
  local ma mb
  ma=$(median <"$a") mb=$(median <"$b")
  echo "$platform: ivgen median ${ma} ms, bare window median ${mb} ms, ratio $(awk -v a="$ma" -v b="$mb" 'BEGIN { printf "%.2f", a / b }') (goal: 1.25 or less)"
  rm -f "$a" "$b"
}

measure offscreen
if [ -n "${DISPLAY:-}" ]; then
  measure xcb
elif command -v Xvfb >/dev/null; then
  # No display: a virtual X server of our own, so the X start-up is measured too.
  Xvfb :97 -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  sleep 1
  DISPLAY=:97 measure xcb
else
  echo "xcb: not measured (no display, and no Xvfb: apt-get install xvfb)"
fi
