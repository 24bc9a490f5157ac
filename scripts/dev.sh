#!/usr/bin/env bash
# Builds ivgen on a Debian 12 machine, installing what the build needs first.
#   scripts/dev.sh run           build, then start the generator on the bundled catalogs
#   scripts/dev.sh test          build, then run every test
#   scripts/dev.sh test-windows  cross-build the core, ivgen-batch and their tests for Windows,
#                                run the tests under Wine, and pack and check the Windows zip
# Run as root (or with sudo) the first time, so missing packages can be installed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ qt6-base-dev qt6-qpa-plugins liblitehtml-dev poppler-utils libgtest-dev libgmock-dev libbenchmark-dev clang-format nlohmann-json3-dev python3-jsonschema)
# What test-windows needs instead: the cross compiler, Wine, GoogleTest's source and ccache.
windows_packages=(cmake make g++-mingw-w64-x86-64-posix wine64 googletest ccache)

install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

# The Windows build in build-windows/ (CMakePresets.json), its tests under Wine in a Wine folder of
# its own there, and the zip, unpacked and run as a player would.
test_windows() {
  install_missing "${windows_packages[@]}"
  local build=build-windows
  mkdir -p "$build"
  export WINEPREFIX=$PWD/$build/wine-prefix
  # Wine's server and services start once, away from the build's and the tests' output, which
  # they would otherwise hold open, and stay until this script ends (a server already running
  # for this folder is used as it is).
  mkdir -p "$WINEPREFIX"
  /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true
  trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true' EXIT
  scripts/wine-run.sh wineboot </dev/null >/dev/null 2>&1
  export CCACHE_BASEDIR=$PWD
  cmake --preset windows-mingw -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
  cmake --build --preset windows-mingw -j"$(nproc)"
  (cd "$build" && ctest --output-on-failure -j"$(nproc)" </dev/null)

  rm -f "$build"/ivgen-batch-*-win64.zip
  (cd "$build" && cpack -G ZIP >/dev/null)
  local zip
  zip=$(ls "$build"/ivgen-batch-*-win64.zip)
  local unpacked=$build/zip-check
  rm -rf "$unpacked" && mkdir -p "$unpacked"
  (cd "$unpacked" && cmake -E tar xf "../$(basename "$zip")")
  local folder
  folder=$(ls -d "$unpacked"/ivgen-batch-*-win64)
  for file in ivgen-batch.exe ivgen.ini books.dat skills.dat gear.dat cyber.dat guide.md batch.md samples/razorback.iv3; do
    [ -f "$folder/$file" ] || { echo "$zip lacks $file" >&2; exit 1; }
  done
  # Unpacked alone, with no DLL beside it: its catalogs check clean and a sample opens.
  (cd "$folder" && ../../../scripts/wine-run.sh ./ivgen-batch.exe --check-data </dev/null | grep -q "^no problems found in ") ||
    { echo "the zip's ivgen-batch.exe does not run on its own catalogs" >&2; exit 1; }
  printf 'answer samples/razorback.iv3\nopen\nprint StreetName\n' >"$folder/check.ivb"
  (cd "$folder" && ../../../scripts/wine-run.sh ./ivgen-batch.exe check.ivb </dev/null | grep -q "^StreetName=Razorback") ||
    { echo "the zip's ivgen-batch.exe does not open its sample" >&2; exit 1; }
  echo "$zip: $(stat -c %s "$zip") bytes"
}

if [ "${1:-run}" = test-windows ]; then
  test_windows
  exit 0
fi

install_missing "${packages[@]}"

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
    echo "usage: scripts/dev.sh [run|test|test-windows]" >&2
    exit 2
    ;;
esac
