#!/usr/bin/env bash
# Starts Mirel from the release build: scripts/run.sh [FILE]. A drawing is
# opened from its own folder, as a double click in a file manager does, so
# the background pictures it names without a folder are found beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
program="$PWD/build/release/src/app/mirel"
if [ ! -x "$program" ]; then
  echo "mirel is not built yet: run 'make run'." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Mirel is a window and needs a display. On a machine without one, try: xvfb-run -a make run" >&2
  exit 1
fi
if [ $# -gt 0 ] && [ -n "$1" ]; then
  file="$(realpath -m -- "$1")"
  cd "$(dirname -- "$file")"
  exec "$program" "$file"
fi
exec "$program"
