#!/bin/bash
# Takes the README's pictures again from the sample files: bash docs/screenshots/take.sh [BIN]
# BIN is the folder of the built programs (build/bin). The samples go to /tmp/aquarium, a short
# path that reads well in the pictures; the programs remember nothing of the person's own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/bin}" && pwd)
work=/tmp/aquarium
rm -rf "$work"
mkdir -p "$work/tanks" "$work/fish" "$work/settings"
export XDG_CONFIG_HOME="$work/settings" QT_QPA_PLATFORM=offscreen
cd "$work"

"$bin/brinkit" samples frames fish/frames >/dev/null
"$bin/brinkit" samples bitmaps art >/dev/null
"$bin/brinkit" samples fish tanks/guppies.fsh >/dev/null
"$bin/brinkit" samples tank tanks/lake.tqn >/dev/null
"$bin/brinkit" samples wtk tanks/lake.wtk >/dev/null
cp tanks/lake.tqn "tanks/living room.tqn"
# A file with bitmaps inside, as orbisk finds them in any file.
cat art/plant-icon.bmp fish/frames/0000.bmp art/food-picture.bmp art/gravel-surface.bmp fish/frames/0001.bmp >content.dat

shot() {  # shot NAME PROGRAM ARGS…
  local name=$1 program=$2
  shift 2
  "$bin/$program" "$@" >/dev/null 2>&1 || echo "$program could not take $name.png" >&2
}
out=$here
shot finwright finwright --frames fish/frames --icon fish/frames/0000.bmp --screenshot "$out/finwright.png"
shot fernwright fernwright --icon art/plant-icon.bmp --top art/plant-top.bmp --front art/plant-front.bmp \
  --description art/plant-description.txt --screenshot "$out/fernwright.png"
frames=()
for n in 1 2 3 4 5 6 7 8; do frames+=(--frame "art/food-frame-0$n.bmp"); done
shot pelletry pelletry --name Flakes --id 7 --picture art/food-picture.bmp "${frames[@]}" --screenshot "$out/pelletry.png"
shot pelletry-preview pelletry "${frames[@]}" --preview --screenshot "$out/pelletry-preview.png"
shot gritwright gritwright --surface art/gravel-surface.bmp --aspect art/gravel-aspect.bmp --screenshot "$out/gritwright.png"
shot gritpress gritpress --top art/gravel-surface.bmp --side art/gravel-aspect.bmp --screenshot "$out/gritpress.png"
shot gritpress-english gritpress --language english --top art/gravel-surface.bmp --side art/gravel-aspect.bmp \
  --screenshot "$out/gritpress-english.png"
shot orbisk orbisk --file "$work/content.dat" --find --screenshot "$out/orbisk.png"
shot orbisk-preview-bitmap orbisk --file "$work/content.dat" --find --preview 1 --preview-screenshot "$out/orbisk-preview-bitmap.png"
shot netkeeper netkeeper --file "$work/tanks/lake.tqn" --screenshot "$out/netkeeper.png"
shot netkeeper-fish netkeeper --file "$work/tanks/lake.tqn" --show fish --tick Age,Sex --screenshot "$out/netkeeper-fish.png"
shot netkeeper-splicing netkeeper --file "$work/tanks/lake.tqn" --show splicing --tick 1,8 --screenshot "$out/netkeeper-splicing.png"
shot netkeeper-water netkeeper --tank --file "$work/tanks/lake.tqn" --show water --screenshot "$out/netkeeper-water.png"
shot netkeeper-option netkeeper --file "$work/tanks/lake.tqn" --show option --screenshot "$out/netkeeper-option.png"
shot netkeeper2 netkeeper2 --file "$work/tanks/lake.wtk" --screenshot "$out/netkeeper2.png"
shot netkeeper2-grid netkeeper2 --file "$work/tanks/lake.wtk" --detail-screenshot "$out/netkeeper2-grid.png"
shot scalepaint scalepaint --source "$work/tanks/lake.tqn" --screenshot "$out/scalepaint.png"
shot finsplit finsplit --screenshot "$out/finsplit.png"
