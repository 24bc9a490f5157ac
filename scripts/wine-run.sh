#!/usr/bin/env bash
# Runs a Windows program under Wine for the cross-built tests: Wine's own folder lives in the
# build folder (WINEPREFIX, when not set), Wine prints nothing of its own, and no window or
# add-on installer is started.
set -euo pipefail
if [ -z "${WINEPREFIX:-}" ]; then
  build=$(cd "$(dirname "$1")" && while [ "$PWD" != / ] && [ ! -f CMakeCache.txt ]; do cd ..; done; pwd)
  if [ "$build" = / ]; then build=${TMPDIR:-/tmp}; fi
  export WINEPREFIX=$build/wine-prefix
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
wine=/usr/lib/wine/wine64
# Tests start side by side; the first makes the folder while the others wait for it.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock "$WINEPREFIX.lock" bash -c "[ -f '$WINEPREFIX/system.reg' ] || '$wine' wineboot -i >/dev/null 2>&1"
fi
exec "$wine" "$@"
