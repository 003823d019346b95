#!/usr/bin/env bash
# Starts Mirel from the release build. Until the window exists, it turns the
# bundled example drawing into pictures with mirel-batch.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -x build/release/src/app/mirel ]; then
  exec build/release/src/app/mirel "$@"
fi
if [ -x build/release/src/batch/mirel-batch ] && [ -f examples/garden.mrl ]; then
  mkdir -p out
  build/release/src/batch/mirel-batch frames examples/garden.mrl --bg-dir examples -o out/garden.jpg
  echo "The drawing window is not built yet. The example's making is in $(pwd)/out/ (garden001.jpg, ...)."
  exit 0
fi
echo "Built the Mirel libraries in build/release; the programs are not built yet."
