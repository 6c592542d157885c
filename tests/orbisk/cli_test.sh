#!/usr/bin/env bash
# brinkit orbisk as a script would use it: listing, JSON, saving, previewing bitmaps as PNG,
# rendering MIDI files to waves, exit codes and messages.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

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
# Indexes are decimal as the list's zero-padded names are, and told as typed.
check "save zero-padded index" 0 "$brinkit" orbisk save pack.dat --out out --index 01 --yes
says "decimal index" out.txt "pack0001.BMP"
check "save index 0009" 2 "$brinkit" orbisk save pack.dat --out out --index 0009
says "told as typed" err.txt "--index 0009 is out of range"
check "save negative index" 2 "$brinkit" orbisk save pack.dat --out out --index -1
says "negative told as typed" err.txt "--index -1 is not an index"
check "preview huge index" 2 "$brinkit" orbisk preview pack.dat --index 99999999999999999999999
says "huge told as typed" err.txt "--index 99999999999999999999999 is out of range"
# JSON is UTF-8 whatever bytes the scanned file's name holds.
cp pack.dat $'\xff\xfepack.dat'
check "scan json of a name not UTF-8" 0 "$brinkit" orbisk scan $'\xff\xfepack.dat' --json
says "replacement characters" out.txt $'"name": "\xef\xbf\xbd\xef\xbf\xbdpa0000.BMP"'
holds "valid UTF-8" iconv -f UTF-8 -t UTF-8 out.txt -o /dev/null
check "save missing folder" 1 "$brinkit" orbisk save pack.dat --out nowhere --all
says "missing folder" err.txt "保存先フォルダが存在しません。"
check "save missing file" 1 "$brinkit" orbisk save none.dat --out out --all
says "bad file name on save" err.txt "ファイル名が正しくありません。"

# A wave whose header overstates its size: saved with the bytes there, and said.
printf 'RIFF\144\0\0\0WAVEdata' > cut.bin
check "save truncated" 0 "$brinkit" orbisk save cut.bin --kind wave --all --out out
says "truncated said" err.txt "only 16 of its 108 bytes"
holds "truncated bytes" cmp -s out/cut0000.WAV cut.bin

# Preview: a listed bitmap decoded and written as PNG.
check "preview the top view" 0 "$brinkit" orbisk preview pack.dat --index 1 --png top.png
says "preview said" out.txt "Wrote top.png (64 x 64 pixels"
holds "a PNG" test "$(head -c 8 top.png | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a"
check "preview named after the bitmap" 0 "$brinkit" orbisk preview pack.dat --index 0
holds "pack0000.png" test -s pack0000.png
# A 4 × 2 bitmap, run-length compressed (8 bits, 2 colours), and a 2 × 2 one of 7 bits a pixel.
{ printf 'BMH\0\0\0\0\0\0\0>\0\0\0(\0\0\0\004\0\0\0\002\0\0\0\001\0\010\0\001\0\0\0\012\0\0\0'
  printf '\0\0\0\0\0\0\0\0\002\0\0\0\0\0\0\0\0\0\0\0\377\377\377\0\004\001\0\0\004\0\0\0\0\001'
  printf 'BMF\0\0\0\0\0\0\0006\0\0\0(\0\0\0\002\0\0\0\002\0\0\0\001\0\007\0\0\0\0\0\020\0\0\0'
  printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'; } > rle.bin
check "scan finds both" 0 "$brinkit" orbisk scan rle.bin
says "listed as run-length" out.txt "rle0000.RLE"
check "preview run-length" 0 "$brinkit" orbisk preview rle.bin --index 0 --png rle.png
says "decoded" out.txt "(4 x 2 pixels"
check "preview undecodable" 1 "$brinkit" orbisk preview rle.bin --index 1 --png bad.png
says "preview failed" err.txt "プレビューに失敗しました"
holds "nothing written" test ! -e bad.png
check "preview without index" 2 "$brinkit" orbisk preview pack.dat
says "index asked for" err.txt "Give --index N"
check "preview index out of range" 2 "$brinkit" orbisk preview pack.dat --index 2
check "preview missing file" 1 "$brinkit" orbisk preview none.dat --index 0
says "bad file name on preview" err.txt "ファイル名が正しくありません。"

# Render: C, E, G and high C, a quarter note each at 120 beats a minute (96 ticks a quarter).
{ printf 'junk'; printf 'MThd\0\0\0\006\0\0\0\001\0\140MTrk\0\0\0\043\0\300\0'
  for note in '\074' '\100' '\103' '\110'; do printf "\\0\\220${note}d\\140${note}\\0"; done
  printf '\0\377\057\0'; } > song.bin
check "song listed" 0 "$brinkit" orbisk scan song.bin --kind midi
says "midi line" out.txt "song0000.MID"
# On Windows the synthesiser is a DLL beside the program; without it every render says which
# file is missing and where it was looked for.
if [ -z "$posix" ] && [ ! -f "$(dirname "$brinkit")/libfluidsynth-3.dll" ]; then
  check "render without FluidSynth" 1 "$brinkit" orbisk render song.bin --index 0 --soundfont none.sf2 --wav x.wav
  says "names the DLL and its folder" err.txt "libfluidsynth-3.dll (with the libraries it needs) was looked for beside the program, in "
  holds "no wave written" test ! -e x.wav
else
  if [ -n "$posix" ] && { compgen -G "/usr/share/sounds/sf2/*.sf2" >/dev/null || compgen -G "/usr/share/soundfonts/*.sf2" >/dev/null; }; then
    check "render" 0 "$brinkit" orbisk render song.bin --kind midi --index 0 --wav song.wav
    says "render said" out.txt "Wrote song.wav (0分02秒, 2.00 s, 88,200 frames"
    holds "two seconds of 16-bit stereo" test "$(stat -c %s song.wav)" = 352844
    # RIFF, 36 + 352,800; "WAVEfmt ", 16; PCM, 2 channels, 44,100 Hz, 176,400 bytes a second,
    # 4-byte frames, 16 bits; "data", 352,800.
    holds "wave header" test "$(head -c 44 song.wav | od -An -tx1 | tr -d ' \n')" = \
      "524946464462050057415645666d74201000000001000200""44ac000010b102000400100064617461""20620500"
    check "render named after the MIDI file" 0 "$brinkit" orbisk render song.bin --index 0
    holds "song0000.wav" test -s song0000.wav
  else
    echo "no SoundFont installed: rendering not checked"
  fi
  check "render with a missing SoundFont" 1 "$brinkit" orbisk render song.bin --index 0 --soundfont none.sf2 --wav x.wav
  says "cannot load" err.txt "Cannot load the SoundFont none.sf2"
  holds "no wave written" test ! -e x.wav
fi
check "render a wave kind" 2 "$brinkit" orbisk render song.bin --kind wave --index 0
check "render without index" 2 "$brinkit" orbisk render song.bin

finish
