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

source_dir=$("$top/scripts/debian-source.sh" libjpeg-turbo "$cache")

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
