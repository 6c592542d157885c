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
# Tests start in parallel: one of them makes the prefix, the others wait for it. The prefix
# counts as made only once wineboot has finished (.made), not when its first files appear.
if [ ! -f "$WINEPREFIX/.made" ]; then
  mkdir -p "$WINEPREFIX"
  flock "$WINEPREFIX/.making" sh -c '[ -f "$WINEPREFIX/.made" ] && exit 0
    wineboot -i >/dev/null 2>&1; wineserver -w; touch "$WINEPREFIX/.made"' || true
fi
# One server for the whole run, kept 30 s past its last program: one that wine starts itself
# quits the moment its last program ends, and a program starting just then is cut off
# ("wine client error: … Connection reset by peer"). Fails harmlessly when one is running.
# Its output goes nowhere: holding the test's pipes open would keep the test from ending.
wineserver -p30 </dev/null >/dev/null 2>&1 || true
exec wine "$@"
