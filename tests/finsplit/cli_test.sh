#!/usr/bin/env bash
# brinkit finsplit's pictures of the frames: the sheet and the GIF written, nothing cut, an
# existing file kept without --yes, an animation the file does not hold named with the count.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

check "samples fish" 0 "$brinkit" samples fish sample.fsh
check "sheet and gif" 0 "$brinkit" finsplit sample.fsh --sheet sheet.png --gif swim.gif --animation 17 --delay 80
says "sheet written" out.txt "Wrote sheet.png ("
says "gif written" out.txt "Wrote swim.gif ("
holds "nothing cut" test ! -e 0000.bmp
holds "a PNG" test "$(head -c 4 sheet.png | tail -c 3)" = PNG
holds "a GIF89a" test "$(head -c 6 swim.gif)" = GIF89a

cp swim.gif before.gif
check "gif exists" 1 "$brinkit" finsplit sample.fsh --gif swim.gif --animation 2
says "names --yes" err.txt "Nothing written: the output file exists; give --yes to replace it."
holds "gif kept" cmp -s swim.gif before.gif
check "one of two exists" 1 "$brinkit" finsplit sample.fsh --sheet other.png --gif swim.gif
holds "neither written" test ! -e other.png
check "replaced with --yes" 0 "$brinkit" finsplit sample.fsh --gif swim.gif --animation 2 --yes
holds "gif replaced" test "$(cmp -s swim.gif before.gif; echo $?)" = 1

check "animation past the end" 1 "$brinkit" finsplit sample.fsh --gif late.gif --animation 18
says "count named" err.txt "There is no animation 18: sample.fsh holds 18 animations, numbered 0 to 17."
check "negative animation" 1 "$brinkit" finsplit sample.fsh --gif late.gif --animation -1
says "negative named" err.txt "There is no animation -1:"
holds "no gif" test ! -e late.gif
check "animation without --gif" 2 "$brinkit" finsplit sample.fsh --sheet s.png --animation 1
check "delay too short" 2 "$brinkit" finsplit sample.fsh --gif fast.gif --delay 5
check "one file for both" 1 "$brinkit" finsplit sample.fsh --sheet same --gif ./same
says "same file" err.txt "Nothing written: --sheet and --gif name the same file."

finish
