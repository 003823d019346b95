#!/usr/bin/env bash
# Runs each fuzz target (the data file reader; replaying what it reads) for a
# fixed time, seeded with the golden data files.
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
