#!/usr/bin/env bash
# brinkit scalepaint as a script would use it: MAKE with and without a palette file, the
# refusals in their order, the overwrite rule, palette files as SAVE writes them, and PreView
# into a PNG.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

# palette FILE RULE: writes 256 lines " N \r\n", N given by the awk expression RULE of i (0-255)
palette() { awk "BEGIN { for (i = 0; i < 256; i++) printf \" %d \\r\\n\", $2 }" >"$1"; }

check "help" 0 "$brinkit" scalepaint --help
says "help names make" out.txt "make"
check "make help" 0 "$brinkit" scalepaint make --help
says "make help names --palette" out.txt "--palette"
check "samples" 0 "$brinkit" samples fish sample.fsh

# The identity table (as after INIT) gives a byte-identical copy in temp.tqn.
check "make identity" 0 "$brinkit" scalepaint make sample.fsh
says "four sets" out.txt "Recoloured 4 animation sets (144 frames)."
holds "temp.tqn is a copy" cmp -s sample.fsh temp.tqn

# An existing destination is replaced only with --yes.
palette all-zero.dat 0
check "no overwrite without --yes" 1 "$brinkit" scalepaint make sample.fsh --palette all-zero.dat
says "asks" err.txt "temp.tqn  already exists."
says "asks to replace" err.txt "Do you want to replace it?"
holds "temp.tqn kept" cmp -s sample.fsh temp.tqn

# 5 (the belly) becomes 9: exactly the literal pixel bytes 5 change, each to 9.
palette five-to-nine.dat 'i == 5 ? 9 : i'
check "make 5 to 9" 0 "$brinkit" scalepaint make sample.fsh --palette five-to-nine.dat --out belly.fsh
holds "same length" test "$(stat -c %s belly.fsh)" -eq "$(stat -c %s sample.fsh)"
holds "some bytes changed" test "$(cmp -l sample.fsh belly.fsh | wc -l)" -gt 100
holds "only 5 to 9" test "$(cmp -l sample.fsh belly.fsh | awk '$2 != 5 || $3 != 11' | wc -l)" -eq 0
holds "header unchanged" cmp -s <(head -c 256 sample.fsh) <(head -c 256 belly.fsh)

# Entry 0 is taken as 0 whatever line 1 says.
palette zero-to-seven.dat 'i == 0 ? 7 : i'
check "entry 0 stays 0" 0 "$brinkit" scalepaint make sample.fsh --palette zero-to-seven.dat --out seven.fsh
holds "index 0 unchanged" cmp -s sample.fsh seven.fsh

# Every entry to 0, replacing with --yes.
check "overwrite with --yes" 0 "$brinkit" scalepaint make sample.fsh --palette all-zero.dat --yes
holds "temp.tqn replaced" test "$(cmp -l sample.fsh temp.tqn | wc -l)" -gt 1000

# Refusals in order: no source, a bad palette, an unreadable source, map offset 0.
head -n 100 five-to-nine.dat >short.dat
check "no source" 1 "$brinkit" scalepaint make --palette short.dat --out a.fsh
says "no source" err.txt "Source Aquarium ?"
check "short palette" 1 "$brinkit" scalepaint make gone.fsh --palette short.dat --out a.fsh
says "short palette" err.txt "it ends after 100 lines, but it must hold 256, one entry each."
palette wide.dat 'i == 9 ? 256 : i'
check "entry 256" 1 "$brinkit" scalepaint make sample.fsh --palette wide.dat --out a.fsh
says "entry 256" err.txt "line 10 holds 256, but every entry must be from 0 to 255"
check "missing source" 1 "$brinkit" scalepaint make gone.fsh --out a.fsh
says "missing source" err.txt "Cannot read gone.fsh: the file does not exist."
cp sample.fsh flat.fsh && printf '\0\0\0' | dd of=flat.fsh bs=1 seek=4 conv=notrunc 2>/dev/null
check "map offset 0" 1 "$brinkit" scalepaint make flat.fsh --out a.fsh
says "map offset 0" err.txt "flat.fsh is not a fish or tank file"
holds "nothing written by the refusals" test ! -e a.fsh

# Palette files: the form SAVE writes, commas and missing blanks read back.
check "palette --init" 0 "$brinkit" scalepaint palette init.dat --init
palette expected-init.dat i
holds "init file" cmp -s init.dat expected-init.dat
check "palette --fill 3.7" 0 "$brinkit" scalepaint palette fill.dat --fill 3.7
palette expected-fill.dat 4
holds "fill file: 3.7 saved as 4" cmp -s fill.dat expected-fill.dat
check "palette exists" 1 "$brinkit" scalepaint palette fill.dat --fill 12abc
says "palette asks" err.txt "fill.dat  already exists."
holds "palette kept" cmp -s fill.dat expected-fill.dat
check "palette --yes" 0 "$brinkit" scalepaint palette fill.dat --fill 12abc --yes
palette expected-12.dat 12
holds "12abc is 12" cmp -s fill.dat expected-12.dat
check "palette --fill 300" 1 "$brinkit" scalepaint palette big.dat --fill 300
says "fill 300" err.txt "Row 1 of the palette holds \"300\""
holds "no big.dat" test ! -e big.dat
check "palette without a choice" 2 "$brinkit" scalepaint palette x.dat
check "palette with both" 2 "$brinkit" scalepaint palette x.dat --init --fill 3
awk 'BEGIN { for (i = 0; i < 256; i++) printf "%d, note %d\n", (i == 5 ? 9 : i), i }' >commas.dat
check "make with commas" 0 "$brinkit" scalepaint make sample.fsh --palette commas.dat --out commas.fsh
holds "commas read as five-to-nine" cmp -s belly.fsh commas.fsh

# PreView into a PNG.
check "preview" 0 "$brinkit" scalepaint preview sample.fsh --palette five-to-nine.dat --png fish.png
says "kind" out.txt "Kind: \"Sample Goldfish\" (column offset 0)"
says "frame" out.txt "First frame: 96 x 64 pixels"
holds "a PNG" test "$(head -c 8 fish.png | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a"
holds "350 x 350" test "$(od -An -tx1 -j 16 -N 8 fish.png | tr -d ' \n')" = "0000015e0000015e"
check "preview of no fish" 0 "$brinkit" scalepaint preview five-to-nine.dat --png none.png
says "nothing drawn" err.txt "nothing drawn"
check "preview without --png" 2 "$brinkit" scalepaint preview sample.fsh
check "preview without source" 1 "$brinkit" scalepaint preview --png x.png
says "preview without source" err.txt "Source Aquarium ?"

# MAKE never changes its source, by whatever name; a file without animation sets writes nothing.
cp sample.fsh sample-kept.fsh
ln -s sample.fsh link.fsh
for out in sample.fsh ./sample.fsh link.fsh; do
  check "make into its source as $out" 1 "$brinkit" scalepaint make sample.fsh --palette all-zero.dat --out "$out" --yes
  says "source refused as $out" err.txt "is the source file: MAKE never changes its source."
done
holds "source kept" cmp -s sample.fsh sample-kept.fsh
"$brinkit" samples bitmaps in >/dev/null
"$brinkit" pelletry --name Flakes --picture in/food-picture.bmp --frame in/food-frame-01.bmp --out setless >/dev/null
check "make with no sets" 1 "$brinkit" scalepaint make setless.fd --out setless-out.fd
says "no sets told" err.txt "No animation sets found in setless.fd"
holds "no sets: nothing written" test ! -e setless-out.fd
check "make says how many" 0 "$brinkit" scalepaint make sample.fsh --out counted.fsh
says "count told" out.txt "Recoloured 4 animation sets"

# --fill: a number too large is refused as out of range, never 0; an empty value is told.
check "palette --fill 310 digits" 1 "$brinkit" scalepaint palette huge.dat --fill "$(printf '9%.0s' $(seq 310))"
says "too large" err.txt "Row 1 of the palette holds \"9999999999"
holds "no huge.dat" test ! -e huge.dat
check "palette --fill empty" 2 "$brinkit" scalepaint palette empty.dat --fill ""
says "empty fill told" err.txt "--fill is empty"

finish
