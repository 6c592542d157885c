#!/usr/bin/env bash
# brinkit pelletry as a script would use it: exit codes, messages, the name fix-up and the
# files written.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

is() {  # is NAME ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1))
    echo "FAIL: $1: \"$2\", expected \"$3\""
  fi
}
u16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
size() { wc -c <"$1" | tr -d ' '; }

check "help" 0 "$brinkit" pelletry --help
for option in --name --memo --id --kind --picture --frame --out --yes; do says "help names $option" out.txt "$option"; done
check "unknown option" 2 "$brinkit" pelletry --bogus
check "kind 13" 2 "$brinkit" pelletry --kind 13

check "samples" 0 "$brinkit" samples bitmaps in
for k in 01 02 03 04 05 06 07 08; do holds "frame $k written" test -s "in/food-frame-$k.bmp"; done
pic=in/food-picture.bmp
is "the picture is 83 x 83" "$(size $pic)" 8050
frames=()
for k in 01 02 03 04 05 06 07 08 01 02 03 04 05 06 07 08 01 02 03 04 05 06 07 08 01; do frames+=(--frame "in/food-frame-$k.bmp"); done
check "26 frames" 2 "$brinkit" pelletry --name a --picture $pic "${frames[@]}" --frame in/food-frame-02.bmp --out many
holds "nothing written for 26 frames" test ! -e many.fd

# The checks in order, and the quiet stops said in the command line's words.
check "no name" 1 "$brinkit" pelletry --id 500 --picture $pic --frame in/food-frame-01.bmp --out x
says "no name message" err.txt "You must enter an food name."
check "long name" 1 "$brinkit" pelletry --name "エエエエエエエエエエエエエエエエエ" --out x
says "long name message" err.txt "The food name is 34 bytes long in code page 932"
check "no picture" 1 "$brinkit" pelletry --name Flakes --id 500 --frame in/food-frame-01.bmp --out x
says "no picture" err.txt "No picture chosen"
check "ID 128" 1 "$brinkit" pelletry --name Flakes --id 128 --picture $pic --frame in/food-frame-01.bmp --out x
says "ID message" err.txt "ID is 0 - 127"
check "ID -1" 1 "$brinkit" pelletry --name Flakes --id -1 --picture $pic --frame in/food-frame-01.bmp --out x
check "no frame" 1 "$brinkit" pelletry --name Flakes --picture $pic --out x
says "no frame" err.txt "No animation frame chosen"
check "no out" 1 "$brinkit" pelletry --name Flakes --picture $pic --frame in/food-frame-01.bmp
says "no out" err.txt "use --out"
holds "nothing written by refusals" test ! -e x.fd

# One frame: the single-frame layout, 1034 + P + F bytes; --out gets ".fd".
check "one frame" 0 "$brinkit" pelletry --name Flakes --memo "Sinks slowly." --id 127 --kind 4 --picture $pic \
  --frame in/food-frame-01.bmp --out one
says "prints the path" out.txt "one.fd"
F=$(size in/food-frame-01.bmp)
is "single length" "$(size one.fd)" $((1034 + 8050 + F))
is "single map offset" "$(u32 one.fd 4)" $((864 + 8050 + F))
is "single map length" "$(u32 one.fd 12)" 170
is "XXXX" "$(head -c 20 one.fd | tail -c 4)" XXXX
is "R in the header" "$(u16 one.fd $((260 + 546)))" 22700
is "R in the parameters" "$(u16 one.fd $((812 + 20)))" 22700
is "kind 4 byte 0" "$(od -An -tu1 -j 812 -N1 one.fd | tr -d ' ')" 5
is "kind 4 bytes 2-3" "$(u16 one.fd 814)" 25000
is "name length" "$(od -An -tu1 -j 260 -N1 one.fd | tr -d ' ')" 6
is "FdVe 160" "$(u16 one.fd 848)" 160
cmp -s $pic <(tail -c +861 one.fd | head -c 8050) && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: picture copied"; }

# Twenty-five frames: the multi-frame layout; the 25th frame carries 22724.
check "25 frames" 0 "$brinkit" pelletry --name Flakes --id 127 --picture $pic "${frames[@]}" --out many.xy
holds "many.xy became many.fd" test -e many.fd
M=$(u32 many.fd 4)
is "map length" "$(u32 many.fd 12)" $((158 + 12 * 25))
is "25th frame number" "$(u16 many.fd $((M + 86 + 12 * 30)))" 22724
is "FdVe 150" "$(u16 many.fd 290)" 150
is "multi length" "$(size many.fd)" $((1018 + 16 * 25 + 8050 + 25 * F))

# Replacing asks; --yes answers Yes. a.bmp becomes a.bmp.fd.
check "exists" 1 "$brinkit" pelletry --name Flakes --picture $pic --frame in/food-frame-01.bmp --out one.fd
says "the question" err.txt "one.fd  already exists."
says "the question's second line" err.txt "Do you want to replace it?"
check "--yes" 0 "$brinkit" pelletry --name Other --picture $pic --frame in/food-frame-01.bmp --frame in/food-frame-02.bmp \
  --out one.fd --yes
is "replaced" "$(od -An -tu1 -j 302 -N1 one.fd | tr -d ' ')" 5
check "a.bmp" 0 "$brinkit" pelletry --name Flakes --picture $pic --frame in/food-frame-01.bmp --out a.bmp
holds "a.bmp.fd" test -e a.bmp.fd

# Unusable bitmaps are named; nothing is written.
printf 'BM\001' >short.bmp
check "short frame" 1 "$brinkit" pelletry --name Flakes --picture $pic --frame in/food-frame-01.bmp --frame short.bmp --out bad
says "short message" err.txt "short.bmp is 3 bytes long"
check "vanished picture" 1 "$brinkit" pelletry --name Flakes --picture gone.bmp --frame in/food-frame-01.bmp --out bad
says "vanished message" err.txt "gone.bmp"
holds "nothing written from bad bitmaps" test ! -e bad.fd
check "code page 1252" 0 "$brinkit" --codepage 1252 pelletry --name "Café" --picture $pic --frame in/food-frame-01.bmp --out cafe
is "é as one byte" "$(od -An -tx1 -j 261 -N4 cafe.fd | tr -d ' ')" 436166e9

# A folder is no file name: "DIR/" would write the hidden DIR/.fd.
mkdir -p dir
check "out is a folder" 1 "$brinkit" pelletry --name Flakes --picture $pic --frame in/food-frame-01.bmp --out dir/
says "folder named" err.txt "dir/ names a folder, not a file"
holds "no hidden food" test ! -e dir/.fd

finish
