#!/bin/sh
# help2man reads a program's --help and --version; this stands in as that program for one of
# brinkit's tools, printing the tool's help followed by that of each of its own verbs, so a
# tool's man page lists every option.
#   help_for_man.sh BRINKIT TOOL (--help | --version)
set -eu
brinkit=$1 tool=$2
if [ "$3" = --version ]; then
  "$brinkit" --version 2>/dev/null
  exit 0
fi
help=$("$brinkit" "$tool" --help 2>/dev/null)
printf '%s\n' "$help"
# The verbs are the lines under "Subcommands:" up to the next empty line.
printf '%s\n' "$help" | sed -n '/^Subcommands:/,/^$/p' | awk 'NR > 1 && $1 != "" { print $1 }' |
  while read -r verb; do
    printf '\nbrinkit %s %s:\n' "$tool" "$verb"
    "$brinkit" "$tool" "$verb" --help 2>/dev/null | sed -e '/^Usage:/d' -e 's/^\([A-Z][a-z]*\):$/\1 of '"$verb"':/' 
  done
