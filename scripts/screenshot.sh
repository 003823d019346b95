#!/usr/bin/env bash
# Takes the README's picture of the window: Mirel with the example drawing on
# a virtual display (Xvfb), driven with xdotool, captured with ImageMagick.
#   scripts/screenshot.sh [OUT.png]     (default docs/mirel-window.png)
# Uses build/release/src/app/mirel (make build), or $MIREL.
set -euo pipefail
cd "$(dirname "$0")/.."
program="$(realpath "${MIREL:-build/release/src/app/mirel}")"
out="$(realpath -m "${1:-docs/mirel-window.png}")"
mkdir -p "$(dirname "$out")"
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done

export MIREL_PROGRAM="$program" MIREL_SHOT="$out"
timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" bash -euo pipefail -c '
  cd examples
  "$MIREL_PROGRAM" garden.mrl >/dev/null 2>&1 &
  mirel=$!
  trap "kill $mirel 2>/dev/null || true" EXIT
  # Opened from its own folder, the drawing finds its background there.
  xdotool search --sync --name "Mirel Ver.1.31 - " >/dev/null
  sleep 1
  # No window manager: the window lies at (0, 0), 800 x 580, unframed.
  import -window root -crop 800x580+0+0 +repage "$MIREL_SHOT"
'
echo "Wrote $out"
