#!/usr/bin/env bash
# scalepaint's MAKE on a 10 MB tank of many fish: in process, then the whole command line
# (read, recolour, atomic write) with hyperfine. Target: under 50 ms end to end.
set -euo pipefail
build=${1:-build-bench}
"$build/bin/scalepaint_bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E 'median|Benchmark|---'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
brinkit=$(realpath "$build/bin/brinkit")
"$build/bin/scalepaint_make_tank" "$work/tank.tqn" 10
cd "$work"
awk 'BEGIN { for (i = 0; i < 256; i++) printf " %d \r\n", 255 - i }' >reverse.dat
hyperfine -N --warmup 3 --runs 30 --export-json make.json \
  "$brinkit scalepaint make tank.tqn --palette reverse.dat --out out.tqn --yes" | sed -n '1,3p'
python3 -c "import json; r=json.load(open('make.json'))['results'][0]; print('brinkit scalepaint make (10 MB tank) median: %.1f ms' % (r['median']*1000))"
