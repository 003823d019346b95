#!/usr/bin/env bash
# Runs every benchmark program of a build folder.
set -euo pipefail
dir=${1:-build/bench}
found=0
for b in "$dir"/bench/mirel_bench_*; do
  [ -x "$b" ] || continue
  found=1
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.2
done
[ "$found" -eq 1 ] || echo "No benchmarks built in $dir/bench"
