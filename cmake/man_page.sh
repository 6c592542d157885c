#!/bin/sh
# Writes a man page with help2man from a command's --help, run as it will be run once
# installed: by its bare name from the build's bin folder, without a display.
#   man_page.sh BINDIR VERSION OUT.1 DESCRIPTION COMMAND [ARGUMENT...]
# The page is named after OUT.1 (brinkit-orbisk.1 documents "brinkit-orbisk").
set -eu
bindir=$1 version=$2 out=$3 description=$4
shift 4
name=$(basename "$out" .1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
  echo '#!/bin/sh'
  printf 'PATH="%s:$PATH" QT_QPA_PLATFORM=offscreen exec' "$bindir"
  for argument in "$@"; do printf " '%s'" "$argument"; done
  echo ' "$@"'
} > "$work/$name"
chmod +x "$work/$name"
help2man --no-info --section=1 --version-string="$version" --name="$description" \
  --output="$out" "$work/$name"
