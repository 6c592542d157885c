#!/usr/bin/env bash
# brinkit inspect as a script would use it: the kind first, the JSON alone on stdout, the exit codes.
source "$(dirname "$0")/../support/cli_harness.sh" "$1"

check "samples tank" 0 "$brinkit" samples tank lake.tqn
check "inspect a tank" 0 "$brinkit" inspect lake.tqn
says "kind first" out.txt "lake.tqn: tank file, "
says "water as the dialog shows it" out.txt "Temp           26.5   [26500]    at 0x000108 (4)"
check "inspect --json" 0 "$brinkit" inspect --json lake.tqn --codepage 1252
holds "one JSON document" test "$(head -c 1 out.txt)$(tail -c 2 out.txt)" = "{}"
says "json kind" out.txt '"kind": "tank"'

printf 'not a content file at all\n' > notes.txt
check "inspect something else" 1 "$brinkit" inspect notes.txt
says "names what it looked for" err.txt "notes.txt is none of the files brinkit knows. It looked for a resource container"
holds "nothing on stdout" test ! -s out.txt
check "inspect a missing file" 1 "$brinkit" inspect missing.fsh
says "names the file" err.txt "missing.fsh"
check "inspect without a file" 2 "$brinkit" inspect

finish
