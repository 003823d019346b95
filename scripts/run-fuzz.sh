#!/usr/bin/env bash
# Runs each fuzz target for a fixed time: the data file reader and replaying
# what it reads, seeded with the golden data files, and the background
# picture decoder, seeded with small pictures made on the spot and held to a
# memory limit (no single allocation above 128 MiB, 1 GiB in all).
set -euo pipefail
dir=${1:-build/fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
for target in reader replay; do
  corpus=$dir/fuzz-corpus-$target
  mkdir -p "$corpus"
  echo "== mirel_fuzz_$target for $seconds s"
  "$dir/fuzz/mirel_fuzz_$target" -max_total_time="$seconds" -max_len=262144 \
    "$corpus" "$root/tests/data"
done
seeds=$dir/fuzz-seeds-background
corpus=$dir/fuzz-corpus-background
mkdir -p "$seeds" "$corpus"
"$dir/fuzz/mirel_make_picture_seeds" "$seeds"
echo "== mirel_fuzz_background for $seconds s"
"$dir/fuzz/mirel_fuzz_background" -max_total_time="$seconds" -max_len=65536 \
  -malloc_limit_mb=128 -rss_limit_mb=1024 "$corpus" "$seeds"
