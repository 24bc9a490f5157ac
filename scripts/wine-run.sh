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
# Tests start side by side; the first makes the folder while the others wait for it. Ready is a
# mark of our own: Wine writes its registry files only when its server ends, which a server kept
# running never does. The services Wine leaves running must not inherit the lock (-o), or the
# others wait for them for good.
ready=$WINEPREFIX/.ivgen-ready
if [ ! -f "$ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock -o "$WINEPREFIX.lock" bash -c "[ -f '$ready' ] || { '$wine' wineboot -i </dev/null >/dev/null 2>&1 && touch '$ready'; }"
fi
exec "$wine" "$@"
