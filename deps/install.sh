#!/usr/bin/env bash
# Installs the Debian packages named in the given list files, only those not yet installed.
set -euo pipefail
packages=()
for list in "$@"; do
  while read -r name _; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    packages+=("$name")
  done < "$list"
done
if ! command -v apt-get >/dev/null 2>&1; then
  echo "This system has no apt-get. Install these packages with your package manager:" >&2
  printf '  %s\n' "${packages[@]}" >&2
  exit 1
fi
missing=()
for name in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' || missing+=("$name")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
