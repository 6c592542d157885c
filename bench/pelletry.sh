#!/usr/bin/env bash
# pelletry: the in-memory build, then `brinkit pelletry` with 25 frames as a whole program.
set -euo pipefail
build=${1:-build-bench}
"$build/bin/pelletry_bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E 'median|Benchmark|---'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
brinkit=$(realpath "$build/bin/brinkit")
cd "$work"
"$brinkit" samples bitmaps in >/dev/null
frames=()
for k in 1 2 3 4 5 6 7 8 1 2 3 4 5 6 7 8 1 2 3 4 5 6 7 8 1; do frames+=(--frame "in/food-frame-0$k.bmp"); done
hyperfine -N --warmup 3 --runs 30 --export-json pelletry.json \
  "$brinkit pelletry --name Flakes --picture in/food-picture.bmp ${frames[*]} --out food.fd --yes" | sed -n '1,3p'
python3 -c "import json; r=json.load(open('pelletry.json'))['results'][0]; print('brinkit pelletry (25 frames) median: %.1f ms' % (r['median']*1000))"
