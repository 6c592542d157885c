#!/usr/bin/env bash
# Runs the benchmarks and reports medians: the in-process ones with Google Benchmark, the
# whole command line with hyperfine.
set -euo pipefail
build=${1:-build-bench}
"$build/bin/fish_bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
  --benchmark_filter='.*' 2>/dev/null | grep -E 'median|Benchmark|---'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/brinkit" samples fish "$work/sample.fsh" >/dev/null
mkdir -p "$work/cut"
hyperfine --warmup 3 --runs 30 --export-json "$work/finsplit.json" \
  "$build/bin/brinkit finsplit $work/sample.fsh --out $work/cut" | sed -n '1,4p'
python3 -c "import json,sys; r=json.load(open('$work/finsplit.json'))['results'][0]; print('brinkit finsplit median: %.1f ms' % (r['median']*1000))"
