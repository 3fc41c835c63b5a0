#!/usr/bin/env bash
# libarchive-windows.sh CACHE: cross-builds a static libarchive for 64-bit Windows into CACHE
# (unless it is there already), with the compressors the patch archives need, and prints the
# path of a CMake initial cache (for cmake -C) that names the libraries.
# Debian packages no libarchive for mingw. It is built from Debian's own source of it, as the
# Linux build's libarchive13 is, with zlib from Debian's mingw package (zip's deflate, gzip)
# and liblzma cross-built from Debian's xz-utils (7z's LZMA). The other filters and the
# crypto, XML and ACL parts read nothing a patch archive holds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cache=${1:?usage: libarchive-windows.sh CACHE}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
prefix="$cache/prefix"
settings="$cache/archive.cmake"
zlib=/usr/x86_64-w64-mingw32

if [ -f "$prefix/lib/libarchive.a" ] && [ -f "$settings" ]; then
  echo "$settings"
  exit 0
fi

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$cache"
fi
# step NAME COMMAND...: runs a configure or build step, its output kept in CACHE/NAME.log
# and shown when it fails.
step() {
  local name=$1
  shift
  "$@" >"$cache/$name.log" 2>&1 || { cat "$cache/$name.log" >&2; exit 1; }
}
configure() {  # SOURCE BUILD OPTIONS...
  local source=$1 build=$2
  shift 2
  step "configure-$(basename "$build")" cmake -S "$source" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@"
}
mkdir -p "$prefix/include" "$prefix/lib"

xz=$("$top/scripts/debian-source.sh" xz-utils "$cache")
configure "$xz" "$cache/build-lzma" -DBUILD_SHARED_LIBS=OFF
step build-lzma cmake --build "$cache/build-lzma" -j2 --target liblzma
cp -r "$xz/src/liblzma/api/lzma.h" "$xz/src/liblzma/api/lzma" "$prefix/include/"
cp "$cache/build-lzma/liblzma.a" "$prefix/lib/liblzma.a"

archive=$("$top/scripts/debian-source.sh" libarchive "$cache")
configure "$archive" "$cache/build-archive" -DPOSIX_REGEX_LIB=NONE \
  -DENABLE_OPENSSL=OFF -DENABLE_CNG=OFF -DENABLE_LIBB2=OFF -DENABLE_LZ4=OFF -DENABLE_ZSTD=OFF \
  -DENABLE_BZip2=OFF -DENABLE_LIBXML2=OFF -DENABLE_EXPAT=OFF -DENABLE_PCREPOSIX=OFF -DENABLE_LIBGCC=OFF \
  -DENABLE_XATTR=OFF -DENABLE_ACL=OFF -DENABLE_ICONV=OFF -DENABLE_TAR=OFF -DENABLE_CPIO=OFF -DENABLE_CAT=OFF \
  -DENABLE_TEST=OFF -DENABLE_INSTALL=OFF \
  -DZLIB_INCLUDE_DIR="$zlib/include" -DZLIB_LIBRARY="$zlib/lib/libz.a" \
  -DLIBLZMA_INCLUDE_DIR="$prefix/include" -DLIBLZMA_LIBRARY="$prefix/lib/liblzma.a"
step build-archive cmake --build "$cache/build-archive" -j2 --target archive_static
cp "$archive"/libarchive/{archive.h,archive_entry.h} "$prefix/include/"
cp "$cache/build-archive/libarchive/libarchive_static.a" "$prefix/lib/libarchive.a"

cat >"$settings" <<EOF_SETTINGS
set(LIBARCHIVE_INCLUDE_DIR "$prefix/include" CACHE PATH "libarchive's headers, cross-built for Windows")
set(LIBARCHIVE_STATIC_LIBRARIES "$prefix/lib/libarchive.a;$prefix/lib/liblzma.a;$zlib/lib/libz.a"
    CACHE STRING "libarchive and its compressors, cross-built for Windows")
EOF_SETTINGS
echo "$settings"
