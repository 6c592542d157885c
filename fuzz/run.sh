#!/usr/bin/env bash
# Runs every fuzz target on its seed corpus for SECONDS each (20 by default): four fifths of the
# time on inputs of at most 32 KB, where most targets run fastest and the small structured seeds
# reach as deep as the big samples, the rest with the big samples whole. One target at a time,
# one job. Crashes land in fuzz-out/. The last lines of each run give executions, exec/s and
# coverage.
set -euo pipefail
shopt -s nullglob
build=${1:-build-fuzz}
seconds=${2:-20}
small_len=32768
big_len=300000
corpus=$build/corpus
# A crash's stack is symbolised by the compiler's own symbolizer.
for symbolizer in /usr/lib/llvm-19/bin/llvm-symbolizer "$(command -v llvm-symbolizer-19 || true)"; do
  if [ -n "$symbolizer" ] && [ -x "$symbolizer" ]; then export ASAN_SYMBOLIZER_PATH=$symbolizer UBSAN_SYMBOLIZER_PATH=$symbolizer; break; fi
done
[ -n "${ASAN_SYMBOLIZER_PATH:-}" ] || echo "warning: llvm-symbolizer-19 not found (install llvm-19); stacks stay unsymbolised" >&2
rm -rf "$corpus"
"$build/bin/make_seeds" "$corpus"
for seeds in "$build"/bin/*_seeds; do if [ -x "$seeds" ]; then "$seeds" "$corpus"; fi; done
mkdir -p fuzz-out
small_seconds=$(( seconds * 4 / 5 ))
big_seconds=$(( seconds - small_seconds ))
[ "$small_seconds" -ge 1 ] || small_seconds=1
for binary in "$build"/bin/*_fuzz; do
  target=$(basename "$binary")
  mkdir -p "$corpus/$target"
  for phase in "small $small_seconds $small_len" "big $big_seconds $big_len"; do
    read -r name time len <<<"$phase"
    echo "== $target ($name inputs, ${time} s, -max_len=$len)"
    "$build/bin/$target" "$corpus/$target" -max_total_time="$time" -max_len="$len" \
      -artifact_prefix=fuzz-out/"$target"- -print_final_stats=1 2>&1 | grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' || true
    # A slow input is told but is no failure: some formats let a few bytes ask for a big picture.
    slow=(fuzz-out/"$target"-slow-unit-*)
    failing=(fuzz-out/"$target"-{crash,leak,timeout,oom}-*)
    if [ ${#slow[@]} -gt 0 ]; then echo "$target: slow inputs in fuzz-out/"; fi
    if [ ${#failing[@]} -gt 0 ]; then echo "$target found a failing input in fuzz-out/"; exit 1; fi
  done
done
echo "fuzzing done: no failures"
