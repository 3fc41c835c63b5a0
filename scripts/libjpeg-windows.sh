#!/usr/bin/env bash
# libjpeg-windows.sh CACHE: cross-builds a static libjpeg for 64-bit Windows from Debian's own
# source of libjpeg-turbo into CACHE (unless it is there already) and prints the path of a
# CMake initial cache (for cmake -C) that points FindJPEG at it.
# Debian packages no libjpeg for mingw; its source package is the one the Linux build's
# libjpeg62-turbo comes from, so both builds decode with the same library.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cache=${1:?usage: libjpeg-windows.sh CACHE}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
prefix="$cache/prefix"
settings="$cache/jpeg.cmake"

if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$settings" ]; then
  echo "$settings"
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# apt-get source needs deb-src entries. The machine's own Debian entries for binaries are
# copied as source entries into a list of our own, which is left alone once it is there.
if ! apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Package:'; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    list=/etc/apt/sources.list.d/vantrel-src.sources
    entries=$(sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources)
  else
    list=/etc/apt/sources.list.d/vantrel-src.list
    entries=$(sed -n 's/^deb /deb-src /p' /etc/apt/sources.list 2>/dev/null || true)
  fi
  if [ ! -f "$list" ]; then
    [ -n "$entries" ] || { echo "libjpeg-windows.sh: no Debian apt entries to take source entries from" >&2; exit 1; }
    printf '%s\n' "$entries" | $sudo tee "$list" >/dev/null
  fi
  $sudo apt-get update -qq
fi

# The unpacked source is kept, so a cache emptied of its build fetches nothing again.
source_dir=$(find "$cache" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
if [ -z "$source_dir" ]; then
  (cd "$cache" && apt-get source -qq libjpeg-turbo >"$cache/source.log" 2>&1) ||
    { cat "$cache/source.log" >&2; exit 1; }
  source_dir=$(find "$cache" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
fi

# Only the static library is built: the programs beside it (cjpeg, djpeg, ...) and the
# TurboJPEG API are not needed. The SIMD parts are assembled with nasm.
build="$cache/build"
# Through ccache where there is one, with paths taken from the cache folder on, so that a
# build into another folder (a fresh clone, another DIR) finds the same objects.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$cache"
fi
cmake -S "$source_dir" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
      -DWITH_SIMD=ON -DREQUIRE_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm -DCMAKE_INSTALL_PREFIX="$prefix" \
      "${launcher[@]}" >"$cache/configure.log" 2>&1 ||
  { cat "$cache/configure.log" >&2; exit 1; }
cmake --build "$build" -j2 --target jpeg-static >"$cache/build.log" 2>&1 ||
  { cat "$cache/build.log" >&2; exit 1; }

mkdir -p "$prefix/include" "$prefix/lib"
cp "$source_dir"/{jpeglib.h,jmorecfg.h,jerror.h} "$build/jconfig.h" "$prefix/include/"
cp "$build/libjpeg.a" "$prefix/lib/libjpeg.a"
cat >"$settings" <<EOF
set(JPEG_INCLUDE_DIR "$prefix/include" CACHE PATH "libjpeg's headers, cross-built for Windows")
set(JPEG_LIBRARY "$prefix/lib/libjpeg.a" CACHE FILEPATH "libjpeg, cross-built for Windows")
EOF
echo "$settings"
