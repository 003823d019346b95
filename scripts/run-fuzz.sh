#!/usr/bin/env bash
# Runs the data file reader's fuzz target for a fixed time, seeded with the
# golden data files.
set -euo pipefail
dir=${1:-build/fuzz}
seconds=${2:-60}
corpus=$dir/fuzz-corpus
mkdir -p "$corpus"
"$dir/fuzz/mirel_fuzz_reader" -max_total_time="$seconds" -max_len=262144 \
  "$corpus" "$(dirname "$0")/../tests/data"
