#!/usr/bin/env bash
# The command line as a script would use it: exit codes, messages and files.
set -u
brinkit=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
passed=0
failed=0

check() {  # check NAME EXPECTED_STATUS COMMAND...
  local name=$1 expected=$2
  shift 2
  "$@" >out.txt 2>err.txt
  local status=$?
  if [ "$status" -eq "$expected" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name: exit $status, expected $expected"
    sed 's/^/  stdout: /' out.txt
    sed 's/^/  stderr: /' err.txt
  fi
}

says() {  # says NAME FILE TEXT
  if grep -qF -- "$3" "$2"; then passed=$((passed + 1)); else
    failed=$((failed + 1))
    echo "FAIL: $1: $2 lacks \"$3\""
    sed 's/^/  /' "$2"
  fi
}

check "help" 0 "$brinkit" --help
says "help lists finsplit" out.txt "finsplit"
check "version" 0 "$brinkit" --version
says "version" out.txt "brinkit 1.0.0"
check "no verb" 2 "$brinkit"
check "unknown verb" 2 "$brinkit" frobnicate
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
check "codepage after the verb" 0 "$brinkit" finsplit sample.fsh --out frames --codepage 1252

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
check "finsplit no sets" 0 "$brinkit" finsplit empty.fsh --out frames
says "no sets" out.txt "0 bitmaps written"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
