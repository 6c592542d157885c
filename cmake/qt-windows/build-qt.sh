#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows (MinGW-w64) from Debian's own source of qtbase, once, into a
# cache folder outside the build tree, and prints that folder. The folder's name carries a hash
# of the recipe (this script, the toolchain file, the patches and the Qt version), so a changed
# recipe builds a new Qt and an unchanged one is reused.
#
# Only what the suite's window programs need: Core, Gui, Widgets and Test, the `windows` and
# `offscreen` platform plugins, the GIF and ICO image formats and the Windows style; no OpenGL,
# D-Bus, ICU, SQL, network or printing, no Direct2D platform plugin (no-direct2d-plugin.patch),
# and none of the widgets and writers the programs do not use. Optimised with -O1: it compiles a good deal faster than -O2 on a small machine, and the
# programs draw small pictures. moc, rcc and uic come from Debian's Qt of the same version
# (QT_HOST_PATH=/usr).
#
# Environment: JOBS (default 2), BRINKIT_QT_CACHE (default $XDG_CACHE_HOME/brinkit, else
# ~/.cache/brinkit). Progress goes to stderr, the folder to stdout.
set -euo pipefail
shopt -s nullglob
here=$(cd "$(dirname "$0")" && pwd)
qt_version=6.4.2
jobs=${JOBS:-2}
cache=${BRINKIT_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/brinkit}
recipe=$( { echo "$qt_version"; cat "$here/build-qt.sh" "$here/toolchain.cmake" "$here"/*.patch; } \
  | sha256sum | cut -c1-12)
prefix="$cache/qt6-windows-$recipe"
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
log() { echo "build-qt: $*" >&2; }
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# Debian's source of qtbase: needs a deb-src entry for the mirror the system already uses.
work="$cache/qt6-windows-work"
mkdir -p "$work"
src=$(ls -d "$work"/qt6-base-"$qt_version"*/ 2>/dev/null | head -n1 || true)
if [ -z "$src" ]; then
  if ! (cd "$work" && apt-get source --print-uris "qt6-base" >/dev/null 2>&1); then
    mirror=$(grep -hoE '^URIs: *[^ ]+' /etc/apt/sources.list.d/*.sources 2>/dev/null \
      | awk '{print $2}' | grep -v security | head -n1 || true)
    [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $2 !~ /^\[/ {print $2; exit}' \
      /etc/apt/sources.list 2>/dev/null || true)
    [ -n "$mirror" ] || mirror=http://deb.debian.org/debian
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    log "adding the source entry $mirror $codename (/etc/apt/sources.list.d/brinkit-deb-src.sources)"
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$mirror" "$codename" | $sudo tee /etc/apt/sources.list.d/brinkit-deb-src.sources >/dev/null
    $sudo apt-get update -q >&2
  fi
  log "fetching Debian's source of qtbase $qt_version"
  (cd "$work" && apt-get source -q qt6-base >&2)
  src=$(ls -d "$work"/qt6-base-"$qt_version"*/ | head -n1)
fi
src=${src%/}

# The working tree and build folder are kept between recipes, so a changed patch or option
# rebuilds only what it touches: the files the previous recipe patched are restored from the
# pristine source (with a new time, so they compile again) before this recipe's patches apply.
tree="$work/src"
if [ ! -d "$tree" ]; then
  cp -a "$src" "$tree"
  : >"$tree/.patched-files"
fi
if [ "$(cat "$tree/.recipe" 2>/dev/null)" != "$recipe" ]; then
  while read -r f; do
    [ -n "$f" ] && cp "$src/$f" "$tree/$f"
  done <"$tree/.patched-files"
  : >"$tree/.patched-files"
  for p in "$here"/*.patch; do
    [ -e "$p" ] || continue
    log "applying $(basename "$p")"
    patch -d "$tree" -p1 --forward --batch <"$p" >&2
    grep -E '^\+\+\+ ' "$p" | awk '{print $2}' | cut -d/ -f2- >>"$tree/.patched-files"
  done
  echo "$recipe" >"$tree/.recipe"
fi

build="$work/build"
# Installed into a folder of a fixed name, then moved to the recipe's: a changed recipe then
# leaves Qt's install prefix, which QtCore carries, as it was, and rebuilds no more than it must.
stage="$work/install"
log "configuring (build folder $build)"
cmake -G Ninja -S "$tree" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DQT_USE_DEFAULT_CMAKE_OPTIMIZATION_FLAGS=ON \
  -DCMAKE_C_FLAGS_RELEASE="-O1 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" \
  -DCMAKE_INSTALL_PREFIX="$stage" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
  -DFEATURE_pkg_config=OFF \
  -DINPUT_opengl=no -DFEATURE_opengl=OFF \
  -DFEATURE_vulkan=OFF \
  -DFEATURE_dbus=OFF -DFEATURE_icu=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_jpeg=OFF -DFEATURE_gif=ON -DFEATURE_ico=ON \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_accessibility=ON \
  -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF \
  -DFEATURE_textmarkdownwriter=OFF -DFEATURE_raster_fp=OFF -DFEATURE_movie=OFF \
  -DFEATURE_sessionmanager=OFF -DFEATURE_systemtrayicon=OFF \
  -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_calendarwidget=OFF \
  -DFEATURE_wizard=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF -DFEATURE_splashscreen=OFF \
  -DFEATURE_fontcombobox=OFF -DFEATURE_keysequenceedit=OFF -DFEATURE_commandlinkbutton=OFF \
  >&2
log "building with $jobs jobs"
start=$(date +%s)
nice -n 10 cmake --build "$build" -j "$jobs" >&2
rm -rf "$stage"
cmake --install "$build" >&2
log "built in $(( $(date +%s) - start )) s"
touch "$stage/.complete"
rm -rf "$prefix"
mv "$stage" "$prefix"
# The prefix moved: Qt's CMake files find themselves relative to their own folder, but the
# build's absolute install prefix may linger in a few generated files; point them here.
grep -rlF "$stage" "$prefix" 2>/dev/null | while read -r f; do sed -i "s|$stage|$prefix|g" "$f"; done || true
echo "$prefix"
