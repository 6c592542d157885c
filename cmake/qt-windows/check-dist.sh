#!/usr/bin/env bash
# Unpacks the Windows zip into a scratch folder and starts every program in it under wine, as a
# user would start it from the unpacked folder: each must take its --screenshot, and brinkit.exe
# must answer --version. With --windows the programs draw on Qt's Windows platform under a
# virtual display (xvfb-run); else on the offscreen platform. The pictures are kept in
# OUT_DIR when one is given.
#   check-dist.sh ZIP [--windows] [OUT_DIR]
set -euo pipefail
zip=$(realpath "$1")
shift
platform=offscreen
if [ "${1:-}" = --windows ]; then platform=windows; shift; fi
keep=${1:-}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
# A wine prefix of its own, made once per scratch folder; its server is stopped before the
# folder goes, rather than outliving it.
export BRINKIT_WINEPREFIX="$scratch/wine"
trap '"$here/../wine-run.sh" --stop "$scratch"; rm -rf "$scratch"' EXIT
(cd "$scratch" && unzip -q "$zip")
top=$(ls -d "$scratch"/brinkit-windows-*)
# Qt's offscreen platform on Windows reads its fonts from one folder, and wine's own is empty
# here: the host's fonts serve (wine shows the host's files on drive Z:).
mkdir -p "$scratch/fonts"
for font in /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc; do
  [ -e "$font" ] && ln -s "$font" "$scratch/fonts/"
done
export QT_QPA_FONTDIR="Z:$scratch/fonts"
run() {
  if [ "$platform" = windows ]; then
    env -u QT_QPA_PLATFORM xvfb-run -a "$here/../wine-run.sh" "$@"
  else
    QT_QPA_PLATFORM=offscreen "$here/../wine-run.sh" "$@"
  fi
}
failed=0
"$here/../wine-run.sh" "$top/brinkit.exe" --version >/dev/null || { echo "brinkit.exe --version failed" >&2; failed=1; }
for program in finsplit finwright fernwright gritwright gritpress orbisk netkeeper netkeeper2 scalepaint pelletry; do
  picture="$scratch/$program-$platform.png"
  if run "$top/$program.exe" --screenshot "$picture" >"$scratch/$program.log" 2>&1 && [ -s "$picture" ] &&
    [ "$(head -c 8 "$picture" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ]; then
    size=$(od -An -tu1 -j16 -N8 "$picture" | awk '{print $3*256+$4 "x" $7*256+$8}')
    echo "$program.exe: $size"
    [ -n "$keep" ] && mkdir -p "$keep" && cp "$picture" "$keep/"
  else
    echo "$program.exe took no screenshot:" >&2
    cat "$scratch/$program.log" >&2
    failed=1
  fi
done
exit "$failed"
