#!/usr/bin/env bash
# brinkit orbisk as a script would use it: listing, JSON, saving, exit codes and messages.
source "$(dirname "$0")/../cli/harness.sh" "$1"

check "samples bitmaps" 0 "$brinkit" samples bitmaps in
# A pack: 5 bytes, the 8,050-byte icon, 3 bytes, a 44-byte wave, the 64 × 64 top view.
{ printf 'xyz\0\0'; cat in/plant-icon.bmp; printf 'abc'
  printf 'RIFF\044\0\0\0WAVEfmt \020\0\0\0\001\0\001\0\100\037\0\0\100\037\0\0\001\0\010\0data\0\0\0\0'
  cat in/plant-top.bmp; } > pack.dat

check "scan lists bitmaps" 0 "$brinkit" orbisk scan pack.dat
printf 'pack0000.BMP\t00000005\t00001F76\t     8,050\n' > expected.txt
printf 'pack0001.BMP\t00001FA6\t000033DB\t     5,174\n' >> expected.txt
holds "scan lines" cmp -s out.txt expected.txt
says "scan report" err.txt "2個のファイルが見つかりました"
check "scan waves" 0 "$brinkit" orbisk scan pack.dat --kind wave
holds "wave line" grep -qP '^pack0000.WAV\t00001F7A\t00001FA5\t        44$' out.txt
check "scan midi" 0 "$brinkit" orbisk scan pack.dat --kind midi
holds "nothing listed" test ! -s out.txt
says "nothing found" err.txt "ファイルは見つかりませんでした"
check "scan json" 0 "$brinkit" orbisk scan pack.dat --json
says "json record" out.txt '{"name": "pack0000.BMP", "start": 5, "end": 8054, "size": 8050, "kind": "bitmap"}'
check "scan missing file" 1 "$brinkit" orbisk scan none.dat
says "bad file name" err.txt "ファイル名が正しくありません。"
check "scan folder" 1 "$brinkit" orbisk scan in
check "scan bad kind" 2 "$brinkit" orbisk scan pack.dat --kind gif

mkdir out
check "save one" 0 "$brinkit" orbisk save pack.dat --out out --index 0
holds "saved icon" cmp -s out/pack0000.BMP in/plant-icon.bmp
check "save all, one exists" 1 "$brinkit" orbisk save pack.dat --out out --all
says "asked" err.txt "はすでに存在します。上書きしますか？"
says "skipped said" err.txt "Skipped out/pack0000.BMP"
holds "other written" cmp -s out/pack0001.BMP in/plant-top.bmp
printf 'old' > out/pack0000.BMP
check "save --yes replaces" 0 "$brinkit" orbisk save pack.dat --out out --index 0 1 --yes
holds "replaced" cmp -s out/pack0000.BMP in/plant-icon.bmp
check "save wave to the current folder" 0 "$brinkit" orbisk save pack.dat --kind wave --all
holds "wave saved here" test "$(stat -c %s pack0000.WAV)" = 44
check "save without a choice" 2 "$brinkit" orbisk save pack.dat --out out
check "save index out of range" 2 "$brinkit" orbisk save pack.dat --out out --index 2
check "save missing folder" 1 "$brinkit" orbisk save pack.dat --out nowhere --all
says "missing folder" err.txt "保存先フォルダが存在しません。"
check "save missing file" 1 "$brinkit" orbisk save none.dat --out out --all
says "bad file name on save" err.txt "ファイル名が正しくありません。"

# A wave whose header overstates its size: saved with the bytes there, and said.
printf 'RIFF\144\0\0\0WAVEdata' > cut.bin
check "save truncated" 0 "$brinkit" orbisk save cut.bin --kind wave --all --out out
says "truncated said" err.txt "only 16 of its 108 bytes"
holds "truncated bytes" cmp -s out/cut0000.WAV cut.bin

finish
