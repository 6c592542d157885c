#!/bin/sh
# Runs a Windows program (PROGRAM.exe ARGS...) under wine, quietly, in a wine prefix of the
# build's own: BRINKIT_WINEPREFIX, else wine/ in the build folder found above the program.
# `--fresh FOLDER` and `--stop FOLDER` start and end a test run in the build FOLDER: ctest calls
# them before and after its tests, so that no run meets the server of an earlier one.
set -e
case "$1" in
  --fresh | --stop) mode=$1; shift ;;
  *) mode=run ;;
esac
if [ -z "$BRINKIT_WINEPREFIX" ]; then
  start=$1
  [ "$mode" = run ] && start=$(dirname "$1")
  dir=$(cd "$start" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" = / ] && dir=$(cd "$start" && pwd)
  BRINKIT_WINEPREFIX="$dir/wine"
fi
export WINEPREFIX="$BRINKIT_WINEPREFIX" WINEARCH=win64 WINEDEBUG=-all
# No .NET or HTML runtimes: nothing here needs them, and wine would offer to fetch them.
export WINEDLLOVERRIDES="mscoree,mshtml="

# A server still quitting after an earlier run may leave the first programs of the next one
# hanging: a run begins and ends with none.
if [ "$mode" != run ]; then
  if [ -f "$WINEPREFIX/system.reg" ]; then wineserver -k 2>/dev/null || true; wineserver -w || true; fi
  [ "$mode" = --stop ] && exit 0
fi

# Tests start in parallel: one of them makes the prefix, the others wait for it. The prefix
# counts as made only once wineboot has finished (.made), not when its first files appear.
# (flock -o: the servers and services started meanwhile must not inherit the lock.)
if [ ! -f "$WINEPREFIX/.made" ]; then
  mkdir -p "$WINEPREFIX"
  flock -o "$WINEPREFIX/.making" sh -c '[ -f "$WINEPREFIX/.made" ] && exit 0
    wineboot -i >/dev/null 2>&1; wineserver -w; touch "$WINEPREFIX/.made"' || true
fi
# One server for the whole run, kept 30 s past its last program: one that wine starts itself
# quits the moment its last program ends, and a program starting just then is cut off
# ("wine client error: … Connection reset by peer"). The first program of a new server also
# starts wine's own services, which live as long as the server and keep the output they were
# given: a program of our own starts them with no output, lest they hold a test's pipes open
# and the test seem never to end. Nothing to do when a server is running.
flock -o "$WINEPREFIX/.server" sh -c 'wineserver -p30 </dev/null >/dev/null 2>&1 &&
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1' || true
[ "$mode" = --fresh ] && exit 0
exec wine "$@"
