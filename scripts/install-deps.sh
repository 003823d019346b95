#!/usr/bin/env bash
# Installs the Debian packages Mirel needs to build, test and benchmark, and
# to try the window on a virtual display (Xvfb, xdotool, ImageMagick; jq
# reads what mirel-batch prints).
# Idempotent: does nothing when every package is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev
  libavcodec-dev libavformat-dev libswscale-dev libavutil-dev pkg-config
  libgtest-dev libbenchmark-dev
  fonts-ipafont-gothic
  xvfb xauth xdotool imagemagick jq
  chromium poppler-utils
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  SUDO=(sudo)
else
  echo "Cannot install packages (not root, no sudo). Please run:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
