#!/usr/bin/env bash
# Runs every fuzz target for a short while on its seed corpus. Crashes land in fuzz-out/.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-20}
corpus=$build/corpus
rm -rf "$corpus"
"$build/bin/make_seeds" "$corpus"
for seeds in "$build"/bin/*_seeds; do if [ -x "$seeds" ]; then "$seeds" "$corpus"; fi; done
mkdir -p fuzz-out
for binary in "$build"/bin/*_fuzz; do
  target=$(basename "$binary")
  echo "== $target ($seconds s)"
  mkdir -p "$corpus/$target"
  "$build/bin/$target" "$corpus/$target" -max_total_time="$seconds" -max_len=300000 \
    -artifact_prefix=fuzz-out/"$target"- -print_final_stats=1 2>&1 | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' || true
  if ls fuzz-out/"$target"-* >/dev/null 2>&1; then echo "$target found a failing input in fuzz-out/"; exit 1; fi
done
echo "fuzzing done: no failures"
