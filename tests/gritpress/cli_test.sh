#!/usr/bin/env bash
# brinkit gritpress as a script would use it: each bitmap's check, the refusals, the overwrite
# rule and the gravel file written.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

# bytes FILE OFFSET COUNT: those bytes as hexadecimal pairs
bytes() { od -An -tx1 -j "$2" -N "$3" "$1" | tr -d ' \n'; }

check "help" 0 "$brinkit" gritpress --help
says "help names --depth" out.txt "--depth"
check "samples" 0 "$brinkit" samples bitmaps .

# 160 x 90 and 160 x 57 bitmaps of 15,478 and 10,198 bytes.
check "builds" 0 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --height 57.5 --depth 56.5
says "top's result" out.txt "上面: OK  W/H=160/90 pixels=5.6/3.2cm Size=15478bytes"
says "side's result" out.txt "側面: OK  W/H=160/57 pixels=5.6/2.0cm Size=10198bytes"
says "done" out.txt "完了"
holds "default output in the current folder" test -f temp.grv
holds "file length 276 + 15478 + 10198 + 109" test "$(stat -c %s temp.grv)" -eq 26061
holds "header: 256, map at 25952, 25696, 109" test "$(bytes temp.grv 0 16)" = "0001000060650000606400006d000000"
holds "header text" test "$(dd if=temp.grv bs=1 skip=16 count=25 2>/dev/null)" = "Version 2.0 Resource File"
holds "byte 41 stays zero" test "$(bytes temp.grv 41 1)" = "00"
holds "dimension block: 8, 58, 56" test "$(bytes temp.grv 256 12)" = "080000003a00380000000000"
holds "map's type codes" test "$(dd if=temp.grv bs=1 skip=$((25952 + 30)) count=4 2>/dev/null)" = "lvrG"
holds "surface copied at 272" test "$(dd if=temp.grv bs=1 skip=272 count=15478 2>/dev/null | cmp - gravel-surface.bmp && echo same)" = same

check "no overwrite without --yes" 1 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --height 1
says "asks" err.txt "temp.grv は既にあります。"
holds "file kept" test "$(bytes temp.grv 260 2)" = "3a00"
check "overwrite with --yes" 0 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --height 1 --yes
holds "file replaced" test "$(bytes temp.grv 260 2)" = "0100"

check "height abc" 1 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --height abc --out a.grv
says "height abc" err.txt "高さが数字じゃないよ"
check "depth 12abc" 1 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --depth 12abc --out a.grv
says "depth 12abc" err.txt "奥行が数字じゃないよ"
check "height -1" 1 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --height -1 --out a.grv
says "height -1" err.txt "マイナス値はだめよ"
check "height 70000" 1 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --height 70000 --out a.grv
says "height 70000" err.txt "65535"
check "no top" 1 "$brinkit" gritpress --side gravel-aspect.bmp --out a.grv
says "no top" err.txt "上面ファイルが正しくありません"

# A 24-bit copy, an RLE copy, a bitmap cut short and a file that is no bitmap.
cp gravel-aspect.bmp wide.bmp && printf '\x18' | dd of=wide.bmp bs=1 seek=28 conv=notrunc 2>/dev/null
cp gravel-aspect.bmp rle.bmp && printf '\x01' | dd of=rle.bmp bs=1 seek=30 conv=notrunc 2>/dev/null
head -c 20 gravel-aspect.bmp >short.bmp
echo "hello" >text.bmp
check "24-bit side" 1 "$brinkit" gritpress --top gravel-surface.bmp --side wide.bmp --out a.grv
says "24-bit NG" out.txt "側面: NG"
says "24-bit message" err.txt "not 256 color"
says "24-bit refused" err.txt "側面ファイルが正しくありません"
check "RLE top" 1 "$brinkit" gritpress --top rle.bmp --side gravel-aspect.bmp --out a.grv
says "RLE message" err.txt "Compress BMP"
says "RLE refused" err.txt "上面ファイルが正しくありません"
check "short top" 1 "$brinkit" gritpress --top short.bmp --side gravel-aspect.bmp --out a.grv
says "short message" err.txt "not BMP type"
check "text top" 1 "$brinkit" gritpress --top text.bmp --side gravel-aspect.bmp --out a.grv
says "text message" err.txt "not BMP type"
check "missing top" 1 "$brinkit" gritpress --top gone.bmp --side gravel-aspect.bmp --out a.grv
says "missing message" err.txt "Error Check FileName error"
check "short output name" 1 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --out .grv
says "short output name" err.txt "FileName short"
check "output in a missing folder" 1 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --out no/a.grv
says "missing folder" err.txt "出力ファイルが正しくありません"
holds "nothing written by the refusals" test ! -e a.grv

# English on request, by option or environment; the composed question too.
check "english" 0 "$brinkit" --language english gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --out e.grv
says "english result" out.txt "Top view: OK  W/H=160/90 pixels=5.6/3.2cm Size=15478bytes"
says "english done" out.txt "Done"
BRINKIT_LANGUAGE=english check "english question" 1 "$brinkit" gritpress --top gravel-surface.bmp --side gravel-aspect.bmp --out e.grv
says "english question" err.txt "e.grv already exists."
BRINKIT_LANGUAGE=english check "option over environment" 1 "$brinkit" gritpress --language as-designed --height abc --out a.grv
says "as designed" err.txt "高さが数字じゃないよ"
BRINKIT_LANGUAGE=klingon check "unknown language" 2 "$brinkit" gritpress
says "names the value" err.txt 'BRINKIT_LANGUAGE is "klingon": give english or as-designed.'

# The window program: as designed unless the option or the environment says otherwise.
window="$(dirname "$brinkit")/gritpress"
if [ -x "$window" ]; then
  export QT_QPA_PLATFORM=offscreen
  check "window as designed" 0 "$window" --describe
  says "window as designed" out.txt '"text": "出力"'
  BRINKIT_LANGUAGE=english check "window in english" 0 "$window" --describe
  says "window in english" out.txt '"text": "Output"'
  BRINKIT_LANGUAGE=english check "window option first" 0 "$window" --describe --language as-designed
  says "window option first" out.txt '"text": "出力"'
  check "window unknown language" 2 "$window" --describe --language klingon
  says "window names the value" err.txt '--language is "klingon": give english or as-designed.'
fi

finish
