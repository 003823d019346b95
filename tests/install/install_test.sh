#!/usr/bin/env bash
# Installs the build into a scratch root and checks the files a desktop needs:
# the menu entry and the metainfo pass their validators, the MIME data makes
# a drawing (by name and by its header alone) application/x-mirel, and the
# installed program answers. With "package", builds the Debian package and
# checks its contents and dependencies instead.
# usage: install_test.sh BUILD_DIR [package]
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

need() {
  # The tools come with scripts/install-deps.sh; without them the check cannot run.
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
      exit 77
    fi
  done
}

expect_files() {
  local root=$1
  for f in usr/bin/mirel usr/bin/mirel-batch usr/lib/mirel/mirel-batch-qt usr/lib/mirel/mirel-video.so usr/share/applications/org.mirel.Mirel.desktop \
           usr/share/metainfo/org.mirel.Mirel.metainfo.xml usr/share/mime/packages/org.mirel.Mirel.xml \
           usr/share/icons/hicolor/scalable/apps/org.mirel.Mirel.svg \
           usr/share/icons/hicolor/scalable/mimetypes/application-x-mirel.svg \
           usr/share/mirel/examples/garden.mrl usr/share/mirel/examples/garden-sky.jpg; do
    [ -e "$root/$f" ] || { echo "missing from the installation: $f"; exit 1; }
  done
}

if [ "${2:-}" = package ]; then
  need cpack dpkg-deb dpkg-shlibdeps
  (cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null)
  deb=$(ls "$scratch"/out/mirel_*.deb)
  dpkg-deb -x "$deb" "$scratch/root"
  expect_files "$scratch/root"
  depends=$(dpkg-deb -f "$deb" Depends)
  # FFmpeg's libraries come in through the video module.
  for dep in libqt6widgets6 libjpeg62-turbo fonts-ipafont-gothic qt6-qpa-plugins libavcodec59; do
    grep -q "$dep" <<<"$depends" || { echo "the package does not depend on $dep: $depends"; exit 1; }
  done
  # Every dependency must be a package Debian has (apt-cache knows it).
  if command -v apt-cache >/dev/null; then
    for dep in $(tr ',' '\n' <<<"$depends" | sed 's/(.*)//; s/ //g'); do
      apt-cache show "$dep" >/dev/null 2>&1 || { echo "no Debian package $dep"; exit 1; }
    done
  fi
  echo "package $(basename "$deb") OK: $depends"
  exit 0
fi

need desktop-file-validate appstreamcli update-mime-database xdg-mime mimetype
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
expect_files "$scratch/root"
share="$scratch/root/usr/share"
# Silent: hints too mean a menu shows the entry wrongly (twice, for one).
hints=$(desktop-file-validate "$share/applications/org.mirel.Mirel.desktop" 2>&1) || true
[ -z "$hints" ] || { echo "desktop-file-validate: $hints"; exit 1; }
appstreamcli validate --no-net "$share/metainfo/org.mirel.Mirel.metainfo.xml"
"$scratch/root/usr/bin/mirel" --version | grep -q '^mirel '
# FFmpeg's libraries come with the video module, not at every start.
for program in mirel mirel-batch; do
  if ldd "$scratch/root/usr/bin/$program" | grep -q libavcodec; then echo "$program loads FFmpeg at start"; exit 1; fi
done

# A user's own data folder, as after installing into ~/.local, over a system
# folder with Debian's own MIME data only (which also claims *.mrl).
export XDG_DATA_HOME="$scratch/home-data" XDG_DATA_DIRS="$scratch/system"
mkdir -p "$XDG_DATA_HOME/mime/packages" "$XDG_DATA_DIRS/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$XDG_DATA_DIRS/mime/packages/"
update-mime-database "$XDG_DATA_DIRS/mime"
cp "$share/mime/packages/org.mirel.Mirel.xml" "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime"
cp "$share/mirel/examples/garden.mrl" "$scratch/garden.mrl"
# No extension: only the header can tell.
printf 'MIREL FILE FORMAT 1.3\r\n' >"$scratch/drawing-without-extension"
for file in "$scratch/garden.mrl" "$scratch/drawing-without-extension"; do
  type=$(XDG_CURRENT_DESKTOP= xdg-mime query filetype "$file")
  [ "$type" = application/x-mirel ] || { echo "xdg-mime says $type for $file"; exit 1; }
done
echo "installation OK"
