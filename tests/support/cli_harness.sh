# The checks every command-line test script uses. Source it with the path of brinkit:
#   source "$(dirname "$0")/../support/cli_harness.sh" "$1"
# It runs the script in a fresh folder that is removed afterwards; end the script with `finish`.
set -u
brinkit=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
passed=0
failed=0
# Set when brinkit is a Windows program run under wine, for the checks of what only POSIX has
# (devices under /dev, named pipes, symbolic links).
posix=yes
[ -f "$(dirname "$brinkit")/brinkit.exe" ] && posix=

check() {  # check NAME EXPECTED_STATUS COMMAND...: runs it, keeping out.txt and err.txt
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

holds() {  # holds NAME CONDITION...
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}
