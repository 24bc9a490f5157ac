#!/usr/bin/env bash
# Builds ivgen on a Debian 12 machine, installing what the build needs first.
#   scripts/dev.sh run    build, then start the generator on the bundled catalogs
#   scripts/dev.sh test   build, then run every test
# Run as root (or with sudo) the first time, so missing packages can be installed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ qt6-base-dev qt6-qpa-plugins liblitehtml-dev poppler-utils libgtest-dev libgmock-dev libbenchmark-dev clang-format)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

build=${IVGEN_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DIVGEN_WERROR="${IVGEN_WERROR:-OFF}" >/dev/null
cmake --build "$build" -j"$(nproc)"

case "${1:-run}" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      echo "No display found. Start the generator from a desktop session, or in a virtual display:" >&2
      echo "  apt-get install -y xvfb && xvfb-run $build/bin/ivgen" >&2
      exit 1
    fi
    exec "$build/bin/ivgen" "${@:2}"
    ;;
  test)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: scripts/dev.sh [run|test]" >&2
    exit 2
    ;;
esac
