#!/usr/bin/env bash
# brinkit netkeeper2 as a script would use it: the grid printed and written back, the fish
# edits, default names, exit codes and messages.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

bytes() {  # bytes FILE OFFSET COUNT: the bytes as hex pairs
  od -An -v -tx1 -j "$2" -N "$3" "$1" | tr -d ' \n'
}

check "samples wtk" 0 "$brinkit" samples wtk lake.wtk
cp lake.wtk original.wtk

check "grid" 0 "$brinkit" netkeeper2 grid lake.wtk
holds "seven rows" test "$(wc -l < out.txt)" -eq 7
holds "first row" grep -qP '^NEON\tネオン\t30\t87.5\t75\t40.25\t60\tmale\t1.5\t0$' out.txt
holds "egg row" grep -qP '^KUMANOMI\t\t\t\t\t\t\tegg\t\t37$|^KUMANOMI\t\t0\t0\t0\t0\t0\tegg\t0\t37$' out.txt
check "grid json" 0 "$brinkit" netkeeper2 grid lake.wtk --json
says "json row" out.txt '"Fish Kind": "CARDINAL", "Name": "Rosa", "Age": "12.5"'
check "grid json with write" 2 "$brinkit" netkeeper2 grid lake.wtk --json --write
check "set without write" 2 "$brinkit" netkeeper2 grid lake.wtk --set 1:4=5
says "asks for write" err.txt "--write"
check "set outside the grid" 2 "$brinkit" netkeeper2 grid lake.wtk --write --set 9:4=5
says "names the rows" err.txt "rows 1 to 7"
check "set without a column" 2 "$brinkit" netkeeper2 grid lake.wtk --write --set 1=5
holds "nothing written" cmp -s lake.wtk original.wtk

# Row 5 is the KUMANOMI egg (base 2231): 999 is written as 255.
check "egg count" 0 "$brinkit" netkeeper2 grid lake.wtk --write --set 5:10=999 --name eggs
says "path" out.txt "eggs.wtk"
holds "egg 255" test "$(bytes eggs.wtk 2275 4)" = ff000000
holds "opened tank kept" cmp -s lake.wtk original.wtk
# Toggling the sex twice changes nothing; age 1 writes A0 05 00 00 at the first base (630).
check "toggle twice" 0 "$brinkit" netkeeper2 grid lake.wtk --write --toggle-sex 1 --toggle-sex 1 --set 1:3=1
holds "still male" test "$(bytes lake.wtk 630 8)" = 64000000a0050000

check "fish edits" 0 "$brinkit" netkeeper2 fish original.wtk --health 5 --sex F --fullness 50 --name TEMP
says "temp path" out.txt "TEMP.wtk"
holds "female" test "$(bytes TEMP.wtk 630 4)" = 9cffffff
holds "health 5.0" test "$(bytes TEMP.wtk 754 4)" = 0000a040
holds "fullness 4.0 of 8" test "$(bytes TEMP.wtk 762 4)" = 00008040
holds "egg with 100 untouched" test "$(bytes TEMP.wtk 1800 320)" = "$(bytes original.wtk 1800 320)"
cp original.wtk UPPER.WTK
check "default name" 0 "$brinkit" netkeeper2 fish UPPER.WTK --age 2
says "same file" out.txt "UPPER.WTK"
check "bad sex" 2 "$brinkit" netkeeper2 fish original.wtk --sex W
# Another existing file is replaced only with --yes; the tank given is edited in place without it.
cp TEMP.wtk temp-before.wtk
check "fish over another file" 1 "$brinkit" netkeeper2 fish original.wtk --health 7 --name TEMP
says "names the file" err.txt "TEMP.wtk  already exists."
says "names --yes" err.txt "Nothing written: the output file exists; give --yes to replace it."
holds "other file kept" cmp -s TEMP.wtk temp-before.wtk
check "grid over another file" 1 "$brinkit" netkeeper2 grid original.wtk --write --set 1:3=2 --name TEMP
check "fish over another file --yes" 0 "$brinkit" netkeeper2 fish original.wtk --health 7 --name TEMP --yes

head -c 200001 /dev/zero > big.wtk
check "too long" 1 "$brinkit" netkeeper2 fish big.wtk
says "differs" err.txt "File differs"
says "why" err.txt "200,000"
head -c 5000 /dev/zero > none.wtk
check "no fish" 1 "$brinkit" netkeeper2 grid none.wtk
says "differs again" err.txt "File differs"
check "missing" 1 "$brinkit" netkeeper2 grid missing.wtk

# An edit the grid cannot write is refused naming its cell, and nothing is written.
for set in 1:1=GUPPY 1:2=Bob 5:3=4 1:10=4 6:4=5 1:8=boy; do
  check "set $set refused" 2 "$brinkit" netkeeper2 grid original.wtk --write --set "$set" --name refused
done
says "names the cell" err.txt "Row 1, Sex takes male or female, not \"boy\"."
check "toggle row -1" 2 "$brinkit" netkeeper2 grid original.wtk --write --toggle-sex -1 --name refused
says "row -1 as typed" err.txt "--toggle-sex -1: the grid has rows 1 to 7."
check "toggle an egg" 2 "$brinkit" netkeeper2 grid original.wtk --write --toggle-sex 5 --name refused
check "empty name" 1 "$brinkit" netkeeper2 grid original.wtk --write --set 1:3=2 --name ""
holds "nothing written" test -z "$(ls -A | grep -e '^refused' -e '^\.')"
# Fullness 70 of a capacity of 8 reads back as typed.
check "fullness 70" 0 "$brinkit" netkeeper2 fish original.wtk --fullness 70 --name full
check "grid of it" 0 "$brinkit" netkeeper2 grid full.wtk
holds "reads 70" grep -qP '^NEON\tネオン\t30\t87.5\t70\t' out.txt

# Names with bytes the code page does not hold, or a line feed: valid JSON, one line a row.
cp original.wtk odd.wtk
at=$(grep -obUa Rosa odd.wtk | head -n1 | cut -d: -f1)
printf 'R\no\xff' | dd of=odd.wtk bs=1 seek="$at" conv=notrunc 2>/dev/null
check "odd json" 0 "$brinkit" netkeeper2 grid odd.wtk --json
holds "json is UTF-8" iconv -f UTF-8 -t UTF-8 out.txt -o /dev/null
says "escaped in json" out.txt "\"Name\": \"R\\u000ao$(printf '\xef\xbf\xbd')\""
check "odd grid" 0 "$brinkit" netkeeper2 grid odd.wtk
holds "still seven lines" test "$(wc -l < out.txt)" -eq 7
says "escaped line feed" out.txt 'R\no'
"$brinkit" netkeeper2 grid odd.wtk >/dev/full 2>err.txt
holds "grid to a full disk fails" test $? -eq 1
finish
