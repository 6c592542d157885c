#!/usr/bin/env bash
# netkeeper on a 10 MB tank: the fish edit and the gene list in process, then end to end as
# brinkit runs them (read, edit, write the whole image; list every guppy's genes).
#   bash bench/netkeeper.sh [BUILD_FOLDER]
set -euo pipefail
build=$(realpath "${1:-build-bench}")
"$build/bin/netkeeper_bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E 'median|Benchmark|---'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$build/bin/netkeeper_make_tank" big.tqn
brinkit=$build/bin/brinkit
median() {  # median NAME COMMAND
  hyperfine -N --warmup 3 --runs 30 --export-json t.json "$2" >/dev/null
  python3 -c "import json; r=json.load(open('t.json'))['results'][0]; print('$1 median: %.1f ms' % (r['median']*1000))"
}
median "brinkit netkeeper fish (10 MB tank)" "$brinkit netkeeper fish big.tqn --age 30 --sex M --eggs 9"
median "brinkit netkeeper genes (10 MB tank)" "$brinkit netkeeper genes big.tqn --gene 1=7 --gene 14=200"
median "brinkit netkeeper gene-list (10 MB tank)" "$brinkit netkeeper gene-list big.tqn --json"
