#!/bin/sh
# Runs a Windows program (PROGRAM.exe ARGS...) under wine, quietly, in a wine prefix of the
# build's own: BRINKIT_WINEPREFIX, else wine/ in the build folder found above the program.
set -e
if [ -z "$BRINKIT_WINEPREFIX" ]; then
  dir=$(cd "$(dirname "$1")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" = / ] && dir=$(cd "$(dirname "$1")" && pwd)
  BRINKIT_WINEPREFIX="$dir/wine"
fi
export WINEPREFIX="$BRINKIT_WINEPREFIX" WINEARCH=win64 WINEDEBUG=-all
# No .NET or HTML runtimes: nothing here needs them, and wine would offer to fetch them.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # Tests start in parallel: one of them makes the prefix, the others wait for it.
  flock "$WINEPREFIX/.making" sh -c '[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1; wineserver -w' || true
fi
exec wine "$@"
