#!/usr/bin/env bash
# brinkit gritwright as a script would use it: exit codes, messages and the files written.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

is() {  # is NAME ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1))
    echo "FAIL: $1: \"$2\", expected \"$3\""
  fi
}

u16() {  # u16 FILE OFFSET: the little-endian 16-bit number there
  od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '
}

check "help" 0 "$brinkit" gritwright --help
says "help names --surface" out.txt "--surface"
says "help names --yes" out.txt "--yes"
check "unknown option" 2 "$brinkit" gritwright --bogus

check "samples" 0 "$brinkit" samples bitmaps in
check "no surface" 1 "$brinkit" gritwright --aspect in/gravel-aspect.bmp
says "no surface message" err.txt "Designate Surface file"
check "no aspect" 1 "$brinkit" gritwright --surface in/gravel-surface.bmp
says "no aspect message" err.txt "Designate Aspect file"
[ ! -e temp.grv ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: written without bitmaps"; }

check "default output" 0 "$brinkit" gritwright --surface in/gravel-surface.bmp --aspect in/gravel-aspect.bmp
says "prints the path" out.txt "temp.grv"
s=$(wc -c <in/gravel-surface.bmp)
a=$(wc -c <in/gravel-aspect.bmp)
is "file length" "$(wc -c <temp.grv)" "$((276 + s + a + 109))"
is "preset height" "$(u16 temp.grv 260)" 57
is "preset length" "$(u16 temp.grv 262)" 90
is "signature" "$(head -c 20 temp.grv | tail -c 4)" "rGrB"

check "asks before replacing" 1 "$brinkit" gritwright --surface in/gravel-surface.bmp --aspect in/gravel-aspect.bmp
says "the question" err.txt "temp.grv  already exists."
says "the question's second line" err.txt "Do you want to replace it?"
check "--yes replaces" 0 "$brinkit" gritwright --surface in/gravel-surface.bmp --aspect in/gravel-aspect.bmp \
  --height 57.5 --length 70000 --yes
is "height 57.5" "$(u16 temp.grv 260)" 58
is "length 70000" "$(u16 temp.grv 262)" 65535
check "vanished bitmap" 1 "$brinkit" gritwright --surface gone.bmp --aspect in/gravel-aspect.bmp --out gone.grv
says "names the file" err.txt "gone.bmp"
printf 'BM\001' >short.bmp
check "short bitmap" 1 "$brinkit" gritwright --surface in/gravel-surface.bmp --aspect short.bmp --out short.grv
says "short bitmap message" err.txt "short.bmp is 3 bytes long"
[ ! -e gone.grv ] && [ ! -e short.grv ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: written from bad bitmaps"; }
check "missing folder" 1 "$brinkit" gritwright --surface in/gravel-surface.bmp --aspect in/gravel-aspect.bmp \
  --out nowhere/x.grv
says "missing folder message" err.txt "nowhere"

finish
