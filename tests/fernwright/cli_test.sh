#!/usr/bin/env bash
# brinkit fernwright as a script would use it: the checks in the window's order with its
# messages, the save name, the file written and the files that let it down.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"


# The bytes of FILE from OFFSET, COUNT of them, as hex pairs separated by spaces.
bytes() { od -An -tx1 -j "$2" -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

check "help" 0 "$brinkit" fernwright --help
for option in --id --latin --scientific --name --redd --icon --top --front --description --out; do
  says "help names $option" out.txt "$option"
done

check "samples" 0 "$brinkit" samples bitmaps in
# The sample files, with any of them swapped: inputs [icon=FILE] [top=FILE] [front=FILE] [description=FILE]
inputs() {
  local icon=in/plant-icon.bmp top=in/plant-top.bmp front=in/plant-front.bmp description=in/plant-description.txt
  local swap
  for swap in "$@"; do local "$swap"; done
  echo --icon "$icon" --top "$top" --front "$front" --description "$description"
}
files=($(inputs))

# The checks, in order, with the window's messages.
check "id below" 1 "$brinkit" fernwright --id 127 --latin ""
says "id below" err.txt "ID is 128-32766"
check "id above" 1 "$brinkit" fernwright --id 32767
says "id above" err.txt "ID is 128-32766"
check "id not a number" 1 "$brinkit" fernwright --id abc
says "id not a number" err.txt "ID is 128-32766"
check "latin empty" 1 "$brinkit" fernwright --latin "" "${files[@]}" --out x.plt
says "latin empty" err.txt "Latin is 1-32 letters"
check "latin 33" 1 "$brinkit" fernwright --latin 123456789012345678901234567890123
says "latin 33" err.txt "Latin is 1-32 letters"
check "latin 17 kanji" 1 "$brinkit" fernwright --latin "金魚金魚金魚金魚金魚金魚金魚金魚藻"
says "latin 17 kanji" err.txt "Latin is 1-32 letters"
check "scientific empty" 1 "$brinkit" fernwright --scientific "" "${files[@]}" --out x.plt
says "scientific empty" err.txt "Scientifique is 1-32 letters"
check "name empty" 1 "$brinkit" fernwright --name ""
says "name empty" err.txt "Name is 1-32 letters"
check "nothing chosen" 1 "$brinkit" fernwright
says "nothing chosen" err.txt "Designate ICON file"
check "no top" 1 "$brinkit" fernwright --icon in/plant-icon.bmp
says "no top" err.txt "Designate TOP file"
check "no front" 1 "$brinkit" fernwright --icon in/plant-icon.bmp --top in/plant-top.bmp
says "no front" err.txt "Designate FRONT file"
check "no description" 1 "$brinkit" fernwright --icon in/plant-icon.bmp --top in/plant-top.bmp --front in/plant-front.bmp
says "no description" err.txt "Designate Description file"
head -c 513 /dev/zero >long.txt
check "description 513" 1 "$brinkit" fernwright $(inputs description=long.txt) --out x.plt
says "description 513" err.txt "Description Size is 1-512 bytes"
: >empty.txt
check "description empty" 1 "$brinkit" fernwright $(inputs description=empty.txt) --out x.plt
says "description empty" err.txt "Description Size is 1-512 bytes"
{ cat in/plant-icon.bmp; printf 'x'; } >icon8051.bmp
check "icon 8051" 1 "$brinkit" fernwright $(inputs icon=icon8051.bmp) --out x.plt
says "icon 8051" err.txt "ICON resolution is 83x83 pixel with 256 color"
holds "nothing written by a refusal" test ! -e x.plt

# Without --out the save dialog is left without a file.
check "no out" 1 "$brinkit" fernwright "${files[@]}"
says "no out" err.txt "use --out"

# The build: ".plt" added, the path printed, sizes as the format gives them.
check "builds" 0 "$brinkit" fernwright "${files[@]}" --out rush
says "builds" out.txt "Wrote rush.plt (28,860 bytes)"
holds "rush.plt length" test "$(wc -c <rush.plt)" -eq 28860
holds "header M" test "$(bytes rush.plt 4 4)" = "de 6f 00 00"        # 2048 + 8050 + 5174 + 13366 = 28,638
holds "header constants" test "$(bytes rush.plt 16 16)" = "6c 50 72 42 dc 05 00 00 01 00 02 00 01 00 ff ff"
holds "plant header" test "$(bytes rush.plt 256 18)" = "0e 00 00 00 00 00 00 00 00 00 00 00 01 00 80 00 00 00"
holds "front view size" test "$(bytes rush.plt 538 4)" = "80 00 60 00"  # height 128, width 96
holds "reduced size" test "$(bytes rush.plt 812 4)" = "54 00 3f 00"     # 84, 63 (63.36)
check "keeps .Plt" 0 "$brinkit" fernwright "${files[@]}" --out rush.Plt
holds "rush.Plt.plt" test -f rush.Plt.plt
check "keeps .PLT" 0 "$brinkit" fernwright "${files[@]}" --out RUSH.PLT
holds "RUSH.PLT" test -f RUSH.PLT -a ! -e RUSH.PLT.plt

# Redd, the ID, a double-byte name; an existing longer file replaced without asking.
head -c 100000 /dev/zero >big.plt
check "replaces" 0 "$brinkit" fernwright "${files[@]}" --id 255 --redd --name "金魚藻" --out big.plt
holds "replaced whole" test "$(wc -c <big.plt)" -eq $((28638 + 208 + 12))
holds "redd and id" test "$(bytes big.plt 270 4)" = "ff 00 00 01"
holds "top view 256" test "$(bytes big.plt $((28638 + 86 + 72)) 2)" = "00 01"
holds "kanji name" test "$(bytes big.plt 278 3)" = "06 8b e0"
check "code page 1252" 1 "$brinkit" --codepage 1252 fernwright "${files[@]}" --name "金魚" --out y.plt
says "code page 1252" err.txt "Name is 1-32 letters"

# Files that let it down: said, nothing written.
printf 'BM' >tiny.bmp
check "short top" 1 "$brinkit" fernwright $(inputs top=tiny.bmp) --out z.plt
says "short top" err.txt "TOP file is 2 bytes long"
check "top gone" 1 "$brinkit" fernwright $(inputs top=gone.bmp) --out z.plt
says "top gone" err.txt "gone.bmp"
check "icon gone" 1 "$brinkit" fernwright $(inputs icon=gone.bmp) --out z.plt
says "icon gone" err.txt "gone.bmp"
cp in/plant-front.bmp topdown.bmp
printf '\x80\xff\xff\xff' | dd of=topdown.bmp bs=1 seek=22 conv=notrunc 2>/dev/null
check "top-down front" 1 "$brinkit" fernwright $(inputs front=topdown.bmp) --out z.plt
says "top-down front" err.txt "FRONT bitmap's height (-128)"
holds "nothing written" test ! -e z.plt
check "out in a missing folder" 1 "$brinkit" fernwright "${files[@]}" --out nowhere/a.plt
holds "no temporary left" test "$(ls -A | grep -v -e "\.txt$" -e "\.bmp$" -e "\.plt$" -e "\.Plt$" -e "\.PLT$" -e "^in$")" = ""

finish
