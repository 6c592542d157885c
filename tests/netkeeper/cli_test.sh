#!/usr/bin/env bash
# brinkit netkeeper as a script would use it: the kind, the fish and gene edits with the files
# they write, the gene list, exit codes and messages. Offsets are those of the sample tank:
# guppies at N = 16576, 18269, 21655, 25041, 26734; the discus at 19962, the neon at 23348, the
# kingyo at 28427; eggs at E = 30076 (guppy), 30498 (discus), 30920 (guppy).
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

byte() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }        # byte FILE OFFSET
bytes() { od -An -tx1 -j "$2" -N"$3" "$1" | tr -d ' \n'; }  # bytes FILE OFFSET COUNT, as hex

check "samples tank" 0 "$brinkit" samples tank lake.tqn
check "kind" 0 "$brinkit" netkeeper kind lake.tqn
holds "kind line" test "$(cat out.txt)" = "16 Guppy"
printf 'no fish here, only words' > words.fsh
check "kind of another file" 1 "$brinkit" netkeeper kind words.fsh
holds "file differs" test "$(cat err.txt)" = "File differs"
check "kind of a missing file" 1 "$brinkit" netkeeper kind none.tqn
says "missing told" err.txt "does not exist"

check "fish edit" 0 "$brinkit" netkeeper fish lake.tqn --age 1 --health -5 --vigor 250 --courage 77 --power 6 --sex W --eggs 300
says "fish path" out.txt "TEMP.tqn"
holds "same length" test "$(stat -c %s TEMP.tqn)" = "$(stat -c %s lake.tqn)"
for n in 16576 18269 21655 25041 26734; do
  holds "age $n" test "$(bytes TEMP.tqn $((n + 272)) 4)" = "a0050000"
  holds "health $n" test "$(byte TEMP.tqn $((n + 276)))" = 0
  holds "vigor $n" test "$(byte TEMP.tqn $((n + 290)))" = 100
  holds "courage $n" test "$(byte TEMP.tqn $((n + 294)))" = 77
  holds "power $n" test "$(byte TEMP.tqn $((n + 312)))" = 1
  holds "sex $n" test "$(byte TEMP.tqn $((n + 260)))" = 70
  holds "guppy sex $n" test "$(byte TEMP.tqn $((n - 22)))" = 1
  holds "cleared $n" test "$(bytes TEMP.tqn $((n + 266)) 6)$(bytes TEMP.tqn $((n + 298)) 6)" = "000000000000000000000000"
done
holds "first ID counted" test "$(bytes TEMP.tqn $((16576 + 328)) 4)" = "e9030000"
holds "discus untouched" cmp -s <(bytes TEMP.tqn 19962 464) <(bytes lake.tqn 19962 464)
holds "guppy eggs clamped" test "$(byte TEMP.tqn $((30076 + 256)))$(byte TEMP.tqn $((30920 + 256)))" = "255255"
holds "discus egg untouched" test "$(byte TEMP.tqn $((30498 + 256)))" = 3
"$brinkit" samples tank fresh.tqn >/dev/null
holds "opened file untouched" cmp -s lake.tqn fresh.tqn

cp lake.tqn pond.fsh
check "fish file keeps its ending" 0 "$brinkit" netkeeper fish pond.fsh --name edited
holds "edited.fsh written" test -f edited.fsh
check "bad sex" 2 "$brinkit" netkeeper fish lake.tqn --sex X
check "fish on another file" 1 "$brinkit" netkeeper fish words.fsh --age 3
holds "nothing written for it" test "$(cat err.txt)" = "File differs"
cp lake.tqn own.tqn
check "own name" 0 "$brinkit" netkeeper fish own.tqn --name own --health 50
holds "own file rewritten" test "$(byte own.tqn $((16576 + 276)))" = 50
# Any other existing file is replaced only with --yes.
cp TEMP.tqn temp-before.tqn
check "fish over another file" 1 "$brinkit" netkeeper fish lake.tqn --health 9
says "names the file" err.txt "TEMP.tqn  already exists."
says "names --yes" err.txt "Nothing written: the output file exists; give --yes to replace it."
holds "other file kept" cmp -s TEMP.tqn temp-before.tqn
check "fish over another file --yes" 0 "$brinkit" netkeeper fish lake.tqn --health 9 --yes
holds "replaced" test "$(byte TEMP.tqn $((16576 + 276)))" = 9

check "genes" 0 "$brinkit" netkeeper genes lake.tqn --gene 1=9 --gene 14=255 --name spliced
says "genes path" out.txt "spliced.fsh"
holds "no tank written" test ! -e spliced.tqn
# Gene blocks: after the record for the first guppy, the third guppy and the kingyo; before it otherwise.
for g in $((16576 + 1606)) $((18269 - 36)) $((19962 - 36)) $((21655 + 1606)) $((25041 - 36)) $((26734 - 36)) $((28427 + 1606)); do
  holds "gene 1 at $g" test "$(byte spliced.fsh "$g")" = 9
  holds "gene 14 at $g" test "$(byte spliced.fsh $((g + 26)))" = 255
done
check "genes over another file" 1 "$brinkit" netkeeper genes lake.tqn --gene 1=8 --name spliced
says "genes refusal names --yes" err.txt "give --yes to replace it."
check "genes over another file --yes" 0 "$brinkit" netkeeper genes lake.tqn --gene 1=9 --name spliced --yes
holds "neon has no genes written" test "$(bytes spliced.fsh $((23348 - 36)) 28)" = "$(bytes lake.tqn $((23348 - 36)) 28)"
check "gene out of range" 1 "$brinkit" netkeeper genes lake.tqn --gene 3=256 --name refused
says "range message" err.txt "Gene 3 must be a number from 0 to 255"
holds "nothing written" test ! -e refused.fsh
check "gene number out of range" 2 "$brinkit" netkeeper genes lake.tqn --gene 15=1
check "gene without value" 2 "$brinkit" netkeeper genes lake.tqn --gene 3
check "genes on a neon-less file" 1 "$brinkit" netkeeper genes words.fsh --gene 1=1

check "gene list" 0 "$brinkit" netkeeper gene-list lake.tqn
holds "first line is a space" test "$(head -n1 out.txt)" = " "
holds "six lines" test "$(wc -l < out.txt)" = 6
holds "japanese nickname" test "$(sed -n 2p out.txt)" = "ひかり                    5    24   43   62   81   100  119    138  157  176  195  214  233  252  "
holds "long nickname" test "$(sed -n 5p out.txt)" = "Captain Sparkles190  209  228  247  10   29   48     67   86   105  124  143  162  181  "
check "gene list json" 0 "$brinkit" netkeeper gene-list lake.tqn --json
says "json fish" out.txt '{"offset": 18269, "nickname": "Dash", "genes": [42, 61, 80, 99, 118, 137, 156, 175, 194, 213, 232, 251, 14, 33]}'
check "gene list of another file" 1 "$brinkit" netkeeper gene-list words.fsh
holds "no lines" test ! -s out.txt
says "no fish told" err.txt "No fish found in words.fsh: there is no gene list to show."
check "gene list of a missing file" 1 "$brinkit" netkeeper gene-list none.tqn

# A tank cut anywhere: a message or an edit, never a crash.
for length in 0 100 16580 16900 17000 18300 20000 30100 31000; do
  head -c "$length" lake.tqn > cut.tqn
  "$brinkit" netkeeper fish cut.tqn --sex M --name cutout --yes >out.txt 2>err.txt
  status=$?
  holds "cut $length ends cleanly ($status)" test "$status" -le 1
  [ "$status" -eq 1 ] && says "cut $length told" err.txt "File differs"
  [ "$length" -eq 16900 ] && says "cut 16900 says what it left" err.txt "fish at offset 16576"
  "$brinkit" netkeeper gene-list cut.tqn >/dev/null 2>&1
  holds "cut $length gene list ends cleanly" test $? -le 1
done

# Watter Settings: the sample tank's water block starts at 260 (its marker at 256).
check "sample tank for water" 0 "$brinkit" samples tank water.tqn
cp water.tqn water-original.tqn
check "water show" 0 "$brinkit" netkeeper water water.tqn --show
holds "fifteen lines" test "$(wc -l < out.txt)" -eq 15
holds "temp line" grep -qP '^Temp\t26.5$' out.txt
holds "carbo hydrate line" grep -qP '^Carbo hydrate\t0.015$' out.txt
holds "show writes nothing" cmp -s water.tqn water-original.tqn
check "show with a box" 2 "$brinkit" netkeeper water water.tqn --show --temp 3
check "update unchanged" 0 "$brinkit" netkeeper water water.tqn --name same
holds "byte-identical" cmp -s same.tqn water-original.tqn
check "water over another tank" 1 "$brinkit" netkeeper water water.tqn --temp 30 --name same
says "water refusal names --yes" err.txt "give --yes to replace it."
holds "still identical" cmp -s same.tqn water-original.tqn
check "water temp" 0 "$brinkit" netkeeper water water.tqn --temp 27
says "default name is the file" out.txt "water.tqn"
holds "temp 27000" test "$(bytes water.tqn 264 4)" = 78690000
holds "no other byte changed" test "$(cmp -l water.tqn water-original.tqn | wc -l)" -le 4
check "water negative" 1 "$brinkit" netkeeper water water-original.tqn --temp -5 --name neg
says "names the box" err.txt "Temp"
holds "nothing written" test ! -e neg.tqn
check "init and volume" 0 "$brinkit" netkeeper water water-original.tqn --init --vol 30 --name fresh --yes
holds "volume 30000" test "$(bytes fresh.tqn 260 4)" = 30750000
holds "O2 7.9 at 30 litres" test "$(bytes fresh.tqn 276 4)" = c89d0300
holds "Mg 10 at 30 litres" test "$(bytes fresh.tqn 300 4)" = "e0930400"
head -c 6000 /dev/zero > dry.tqn
check "no water block" 1 "$brinkit" netkeeper water dry.tqn --temp 20
says "other version" err.txt "Tank of this version is not able to change"

# Two UPDATEs at once on one tank: each either lands or says the tank changed; none is lost.
lost=0
for round in 1 2 3 4 5 6; do
  cp water-original.tqn race.tqn
  "$brinkit" netkeeper water race.tqn --temp 20 >/dev/null 2>race-a.txt & a=$!
  "$brinkit" netkeeper water race.tqn --ph 6.5 >/dev/null 2>race-b.txt & b=$!
  wait $a; sa=$?
  wait $b; sb=$?
  if [ $sa -eq 0 ]; then [ "$(bytes race.tqn 264 4)" = 204e0000 ] || lost=1; else grep -q "changed since it was read" race-a.txt || lost=1; fi
  if [ $sb -eq 0 ]; then [ "$(bytes race.tqn 268 4)" = 64190000 ] || lost=1; else grep -q "changed since it was read" race-b.txt || lost=1; fi
done
holds "no update lost" test $lost = 0
holds "no temporary left" test -z "$(ls -A | grep '^\.')"

# Option: Erase and Undo with the backup beside the archive.
mkdir game
head -c 600000 /dev/urandom > game/Brinmoor.rez
cp game/Brinmoor.rez pristine.rez
check "erase without a range" 2 "$brinkit" netkeeper erase game/Brinmoor.rez
check "undo before any erase" 1 "$brinkit" netkeeper undo game/Brinmoor.rez
says "no original" err.txt "There is not original file"
check "erase filter" 0 "$brinkit" netkeeper erase game/Brinmoor.rez --filter
holds "backup made" cmp -s game/Brinmoor.org pristine.rez
holds "filter blank" test "$(cmp -l game/Brinmoor.rez pristine.rez | awk '$2 != 0 { bad = 1 } END { print (NR > 0 && !bad) }')" = 1
holds "only the filter range" test "$(cmp -l game/Brinmoor.rez pristine.rez | awk 'NR == 1 { first = $1 } { last = $1 } END { print (first >= 164551 && last <= 192662) }')" = 1
check "erase heater" 0 "$brinkit" netkeeper erase game/Brinmoor.rez --heater
holds "filter back" test "$(cmp -l game/Brinmoor.rez pristine.rez | awk 'NR == 1 { first = $1 } END { print (first >= 210779) }')" = 1
check "undo" 0 "$brinkit" netkeeper undo game/Brinmoor.rez
holds "restored" cmp -s game/Brinmoor.rez pristine.rez
cp pristine.rez game/other.rez
check "another name" 1 "$brinkit" netkeeper erase game/other.rez --heater
check "another name forced" 0 "$brinkit" netkeeper erase game/other.rez --heater --force

# Numbers and names mean what was typed.
nines=$(printf '9%.0s' $(seq 310))
check "310-digit gene" 1 "$brinkit" netkeeper genes lake.tqn --gene 1="$nines" --name huge
says "310-digit gene refused" err.txt "Gene 1 must be a number from 0 to 255"
holds "no gene 0 written" test ! -e huge.fsh
for temp in 0 14.999 40.001; do
  check "water --temp $temp" 1 "$brinkit" netkeeper water water-original.tqn --temp "$temp" --name cold
  says "temp $temp refused" err.txt "in Temp cannot be stored: the temperature must lie between 15 and 40 °C."
done
holds "no tank the version test refuses" test ! -e cold.tqn
check "water --vol in litres" 1 "$brinkit" netkeeper water water-original.tqn --vol 4294968 --name big
says "litres" err.txt "it must lie between 0 and 4,294,967.295 litres."
check "empty name" 1 "$brinkit" netkeeper water water-original.tqn --temp 20 --name ""
says "empty name told" err.txt "The File Name box is empty"
check "empty fish name" 1 "$brinkit" netkeeper fish lake.tqn --age 3 --name ""
holds "no hidden files" test -z "$(ls -A | grep '^\.')"
check "absolute name" 0 "$brinkit" netkeeper water water-original.tqn --temp 20 --name "$PWD/abs" --yes
holds "one separator" test "$(cat out.txt)" = "$PWD/abs.tqn"
check "gene list without a fish" 1 "$brinkit" netkeeper gene-list dry.tqn
says "no fish told" err.txt "No fish found in dry.tqn"
"$brinkit" netkeeper water water-original.tqn --show >/dev/full 2>err.txt
holds "water --show to a full disk fails" test $? -eq 1

check "erase again" 0 "$brinkit" netkeeper erase game/Brinmoor.rez --heater
head -c 600000 /dev/urandom > game/Brinmoor.rez
cp game/Brinmoor.rez update.rez
check "erase a new version" 1 "$brinkit" netkeeper erase game/Brinmoor.rez --filter
says "new version told" err.txt "no longer matches its backup game/Brinmoor.org"
holds "new version kept" cmp -s game/Brinmoor.rez update.rez
mkdir short
head -c 20000 /dev/urandom > short/Brinmoor.rez
check "erase too short" 1 "$brinkit" netkeeper erase short/Brinmoor.rez --heater --filter
says "nothing erased" err.txt "Nothing was erased: the archive short/Brinmoor.rez is 20,000 bytes long"
holds "no Erased line" test ! -s out.txt
finish
