#!/usr/bin/env bash
# orbisk's scan side by side with a plain read and two file carvers, on one generated pack
# (random bytes with a bitmap, a wave sound and a MIDI file every MiB), all from the page
# cache. Prints the median of each and its throughput, and checks that orbisk finds every
# planted item and nothing else.
#   bash bench/orbisk_compare.sh [BUILD_FOLDER] [MiB]
set -euo pipefail
build=$(realpath "${1:-build-bench}")
mib=${2:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
brinkit=$build/bin/brinkit
read -r _ bitmaps _ waves _ midis < <("$build/bin/orbisk_make_pack" pack.bin "$mib")
bytes=$(stat -c %s pack.bin)
cat pack.bin > /dev/null

for kind in bitmap wave midi; do
  want=$bitmaps
  [ "$kind" = wave ] && want=$waves
  [ "$kind" = midi ] && want=$midis
  got=$("$brinkit" orbisk scan pack.bin --kind "$kind" 2>/dev/null | wc -l)
  if [ "$got" -ne "$want" ]; then echo "orbisk $kind found $got items, $want were planted" >&2; exit 1; fi
  echo "orbisk $kind: $got of $want planted items found"
done

median() {  # median NAME RUNS COMMAND
  hyperfine -N --warmup 1 --runs "$2" --export-json t.json "$3" >/dev/null 2>&1 ||
    hyperfine --warmup 1 --runs "$2" --export-json t.json "$3" >/dev/null
  python3 - "$1" "$bytes" <<'PY'
import json, sys
r = json.load(open('t.json'))['results'][0]
m = r['median']
print('%-34s median %9.1f ms  %8.2f GB/s' % (sys.argv[1], m * 1000, int(sys.argv[2]) / m / 1e9))
PY
}

echo "pack: $mib MiB ($bytes bytes), from the page cache"
median "cat FILE > /dev/null" 15 "bash -c 'cat pack.bin > /dev/null'"
median "grep -c -a BM" 9 "bash -c 'grep -c -a BM pack.bin > count.txt'"
for kind in bitmap wave midi; do
  median "brinkit orbisk scan --kind $kind" 15 "bash -c '$brinkit orbisk scan pack.bin --kind $kind > /dev/null 2>&1'"
done

# The carvers: foremost with a bitmap, a wave and a MIDI rule; binwalk with only these three
# signatures, and with its default signatures (slow: fewer runs).
printf 'bmp\ty\t20000000\tBM??\\x00\\x00\\x00\\x00\nwav\ty\t20000000\tRIFF????WAVE\nmid\ty\t20000000\tMThd\\x00\\x00\\x00\\x06\n' > foremost.conf
cat > three.magic <<'MAGIC'
0	string	BM	PC bitmap
>14	ulelong	<100	header size %d
0	string	RIFF	RIFF data
>8	string	WAVE	WAVE audio
0	string	MThd	Standard MIDI data
>4	belong	6	header length 6
MAGIC
if command -v foremost > /dev/null; then
  median "foremost (bmp, wav, MIDI rules)" 3 "bash -c 'rm -rf fm; foremost -q -c foremost.conf -o fm pack.bin > /dev/null 2>&1'"
else echo "foremost: not installed (make bench installs it)"; fi
if command -v binwalk > /dev/null; then
  median "binwalk (three signatures)" 3 "bash -c 'binwalk -m three.magic pack.bin > /dev/null 2>&1'"
  median "binwalk (default signatures)" 1 "bash -c 'binwalk pack.bin > /dev/null 2>&1'"
else echo "binwalk: not installed (make bench installs it)"; fi
