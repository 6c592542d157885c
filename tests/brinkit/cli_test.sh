#!/usr/bin/env bash
# The command line as a script would use it: exit codes, messages and files.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

check "help" 0 "$brinkit" --help
says "help lists finsplit" out.txt "finsplit"
check "version" 0 "$brinkit" --version
says "version" out.txt "brinkit 1.0.0"
check "no verb" 2 "$brinkit"
check "unknown verb" 2 "$brinkit" frobnicate
says "unknown tool named" err.txt 'brinkit has no tool "frobnicate". The tools are: finwright, finsplit,'
check "unknown verb of a tool" 2 "$brinkit" netkeeper frobnicate
says "unknown verb named" err.txt 'brinkit netkeeper has no verb "frobnicate". Its verbs are: kind, fish,'
check "unknown option" 2 "$brinkit" finsplit --bogus
check "bad code page" 2 "$brinkit" --codepage 437 finsplit x.fsh
check "finsplit help" 0 "$brinkit" finsplit --help
says "finsplit help" out.txt "--out"

check "samples fish" 0 "$brinkit" samples fish sample.fsh
mkdir frames
check "finsplit cuts" 0 "$brinkit" finsplit sample.fsh --out frames
says "finsplit count" out.txt "144 bitmaps written to frames"
[ -f frames/0000.bmp ] && [ -f frames/0143.bmp ] && [ ! -e frames/0144.bmp ] && passed=$((passed + 1)) || {
  failed=$((failed + 1)); echo "FAIL: frames 0000-0143"; }
check "finsplit over an earlier cut" 1 "$brinkit" finsplit sample.fsh --out frames
says "asks once" err.txt "All 144 frame files (0000.bmp to 0143.bmp) already exist in frames."
says "names --yes" err.txt "Nothing written: the frame files exist; give --yes to replace them."
check "codepage after the verb" 0 "$brinkit" finsplit sample.fsh --out frames --codepage 1252 --yes

check "finsplit default folder" 0 "$brinkit" finsplit sample.fsh
[ -f 0000.bmp ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: default folder is the current one"; }

check "finsplit without a file" 1 "$brinkit" finsplit --out frames
says "cancelled dialog explained" err.txt "OPEN"
check "finsplit missing folder" 1 "$brinkit" finsplit sample.fsh --out nowhere
says "missing folder" err.txt "does not exist"
check "finsplit file as folder" 1 "$brinkit" finsplit sample.fsh --out sample.fsh
says "file as folder" err.txt "is not a folder"
check "finsplit missing fish" 1 "$brinkit" finsplit none.fsh --out frames
says "missing fish" err.txt "none.fsh"

head -c 700 /dev/zero > empty.fsh
check "finsplit no sets" 1 "$brinkit" finsplit empty.fsh --out frames
says "no sets" err.txt "No animation sets found in empty.fsh."
if [ -n "$posix" ]; then
  check "finsplit of /dev/null" 1 "$brinkit" finsplit /dev/null --out frames
  says "nothing in /dev/null" err.txt "No animation sets found in /dev/null."
fi

# finwright: the checks in the window's order, then the build.
check "samples frames" 0 "$brinkit" samples frames in
check "samples library" 0 "$brinkit" samples library fish.lib
check "finwright nothing set" 1 "$brinkit" finwright
says "no icon" err.txt "You must set Icon image."
check "finwright no folder" 1 "$brinkit" finwright --icon in/icon.bmp
says "no folder" err.txt "Please set Image Folder"
check "finwright id 128" 1 "$brinkit" finwright --icon in/icon.bmp --frames in --id 128 --out x.fsh
says "id range" err.txt "ID is 0 - 127"
check "finwright empty name" 1 "$brinkit" finwright --icon in/icon.bmp --frames in --name "" --out x.fsh
says "no name" err.txt "Please set Fish Name"
check "finwright no out" 1 "$brinkit" finwright --icon in/icon.bmp --frames in
says "cancelled MAKE FISH" err.txt "MAKE FISH"
check "finwright long name" 1 "$brinkit" finwright --icon in/icon.bmp --frames in --out x.fsh --name 123456789012345678901234567890123
says "name limit" err.txt "at most 32"
check "finwright builds" 0 "$brinkit" finwright --icon in/icon.bmp --frames in --out built.fsh --id 42 \
  --name "Sample Goldfish" --latin "Carassius exemplar" --genre Cyprinid --habitat "Garden ponds" \
  --description "A sample fish drawn by brinkit for its demo and tests. It turns from left to right over its eighteen animations."
says "finwright wrote" out.txt "Wrote built.fsh (214,860 bytes)"
cmp -s built.fsh sample.fsh && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: finwright's fish differs from the sample fish"; }
[ ! -e x.fsh ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: a refused build wrote x.fsh"; }
check "finwright japanese name" 1 "$brinkit" finwright --icon in/icon.bmp --frames in --out x.fsh --name "金魚"
says "double-byte refused" err.txt "金"
check "finwright wrong library" 1 "$brinkit" finwright --icon in/icon.bmp --frames in --out x.fsh --library sample.fsh
says "library differs" err.txt "Library File differs"

# Success means the output was written too: a full standard output fails every verb, told.
for verb in "--help" "--version" "finsplit --help" "finsplit sample.fsh --out frames --yes"; do
  # shellcheck disable=SC2086
  "$brinkit" $verb >/dev/full 2>err.txt
  holds "$verb to a full disk fails ($?)" test $? -eq 1
  says "$verb told" err.txt "Cannot write the output to standard output"
done

# A reason quoted in a message keeps its one full stop.
cp -r in notbmp && echo hello >notbmp/0000.bmp
check "finwright frame not a bitmap" 1 "$brinkit" finwright --icon in/icon.bmp --frames notbmp --out x.fsh
says "one full stop" err.txt 'cannot be used: The file is not a bitmap (it does not start with "BM").'
holds "never two" test -z "$(grep -F '..' err.txt)"

# A number too large for a double is too large, never 0.
nines=$(printf '9%.0s' $(seq 310))
check "finwright 310-digit id" 1 "$brinkit" finwright --icon in/icon.bmp --frames in --id "$nines" --out x.fsh
says "310-digit id" err.txt "ID is 0 - 127"

# A pipe (or anything else that is not a file) is refused at once, named, never waited on.
mkfifo pipe.bin
mkdir pipes && cp in/*.bmp pipes/ && rm pipes/0007.bmp && mkfifo pipes/0007.bmp
refuses_pipe() {  # refuses_pipe NAME ARGS...
  local name=$1
  shift
  check "$name" 1 timeout 20 "$brinkit" "$@"
  says "$name names the pipe" err.txt "pipe"
}
refuses_pipe "netkeeper pipe" netkeeper kind pipe.bin
refuses_pipe "netkeeper water pipe" netkeeper water pipe.bin --temp 20
refuses_pipe "netkeeper2 pipe" netkeeper2 grid pipe.bin
refuses_pipe "scalepaint pipe" scalepaint make pipe.bin --out p.fsh
refuses_pipe "pelletry pipe" pelletry --name food --picture pipe.bin --frame in/0000.bmp --out p.fd
refuses_pipe "pelletry frame pipe" pelletry --name food --picture in/0000.bmp --frame pipe.bin --out p.fd
refuses_pipe "gritwright pipe" gritwright --surface pipe.bin --aspect in/0000.bmp --out p.grv
refuses_pipe "gritpress pipe" gritpress --top pipe.bin --side in/0000.bmp --out p.grv
refuses_pipe "finwright icon pipe" finwright --icon pipe.bin --frames in --out p.fsh
refuses_pipe "finwright library pipe" finwright --icon in/icon.bmp --frames in --library pipe.bin --out p.fsh
[ -n "$posix" ] && refuses_pipe "finwright frame pipe" finwright --icon in/icon.bmp --frames pipes --out p.fsh
ln -s loop.fsh loop.fsh
check "link loop" 1 "$brinkit" netkeeper kind loop.fsh
says "link loop named" err.txt "loop of symbolic links"

# The demo's folder behind a dangling link is made where the link points.
if [ -n "$posix" ]; then
  mkdir linked && cd linked && ln -s made demo-out
  check "demo through a dangling link" 0 "$brinkit" demo
  holds "demo wrote behind the link" test -L demo-out -a -f made/sample.fsh
  cd ..
fi

finish
