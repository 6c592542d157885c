#!/usr/bin/env bash
# Runs the benchmarks and reports medians: the in-process ones with Google Benchmark, the
# whole command line with hyperfine.
set -euo pipefail
build=${1:-build-bench}
"$build/bin/fish_bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
  --benchmark_filter='.*' 2>/dev/null | grep -E 'median|Benchmark|---'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
brinkit=$OLDPWD/$build/bin/brinkit
"$brinkit" samples fish sample.fsh >/dev/null
"$brinkit" samples frames frames >/dev/null
"$brinkit" samples library fish.lib >/dev/null
mkdir -p cut

median() {  # median NAME COMMAND
  hyperfine -N --warmup 3 --runs 30 --export-json "$1.json" "$2" | sed -n '1,3p'
  python3 -c "import json; r=json.load(open('$1.json'))['results'][0]; print('$1 median: %.1f ms' % (r['median']*1000))"
}
median "brinkit finsplit" "$brinkit finsplit sample.fsh --out cut"
median "brinkit finwright" "$brinkit finwright --icon frames/icon.bmp --frames frames --out built.fsh --id 42"

# orbisk: the scan's throughput in process, then side by side with a plain read and the carvers.
cd "$OLDPWD"
"$build/bin/orbisk_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E 'median|Benchmark|---'
bash bench/orbisk_compare.sh "$build"

# inspect beside a plain read of the same 10 MB tank and 14 MB archive.
"$build/bin/inspect_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E 'median|Benchmark|---'
for script in bench/netkeeper.sh bench/scalepaint.sh bench/pelletry.sh; do
  if [ -f "$script" ]; then bash "$script" "$build"; fi
done
