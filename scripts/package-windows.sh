#!/usr/bin/env bash
# package-windows.sh DIR: from the Windows build in DIR, makes what a Windows user installs,
# in DIR/package: vantrel-VERSION-windows-x64.zip (the programs with README.txt,
# LICENSE.txt and NOTICE.txt, in a folder of the same name) and vantrel-VERSION-setup.exe (the NSIS
# installer of packaging/windows/vantrel.nsi), and checks both with
# scripts/check-windows-package.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(cd "${1:?usage: package-windows.sh DIR}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
version4=$(sed -n 's/^VANTREL_WINDOWS_VERSION:INTERNAL=//p' "$dir/CMakeCache.txt")
[ -n "$version" ] && [ -n "$version4" ] || { echo "package-windows.sh: $dir is no configured Windows build" >&2; exit 1; }

name="vantrel-$version-windows-x64"
out="$dir/package"
stage="$out/$name"
rm -rf "$out"
mkdir -p "$stage"
# The programs without their debugging information, which is most of a RelWithDebInfo
# build's bytes. The window's program joins them once the build makes it.
programs=(vantrel-cli.exe)
window=()
if [ -f "$dir/bin/vantrel.exe" ]; then
  programs+=(vantrel.exe)
  window=(-DHAVE_WINDOW)
fi
# The last commit's time on every file and in the stripped programs' headers (strip writes
# the time of day there otherwise), so the same commit gives the same zip.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
for program in "${programs[@]}"; do
  SOURCE_DATE_EPOCH=$stamp x86_64-w64-mingw32-strip -o "$stage/$program" "$dir/bin/$program"
done
# Text files with CR LF, as Notepad and every Windows editor read them.
sed 's/$/\r/' README.md >"$stage/README.txt"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
# Our notice, then the terms of each library the programs link in, from the copyright file
# of the Debian package whose source (or build) it comes from.
notices=("libjpeg-turbo:libjpeg62-turbo" "libarchive:libarchive13" "liblzma (XZ Utils):liblzma5"
         "zlib:libz-mingw-w64" "the MinGW-w64 runtime and winpthreads:mingw-w64-common"
         "the GCC runtime libraries (libstdc++, libgcc):gcc-mingw-w64-base")
{
  cat packaging/windows/NOTICE.txt
  for notice in "${notices[@]}"; do
    copyright="/usr/share/doc/${notice##*:}/copyright"
    [ -f "$copyright" ] || { echo "package-windows.sh: no $copyright for ${notice%%:*}" >&2; exit 1; }
    printf '\n\n==== %s ====\n\n' "${notice%%:*}"
    cat "$copyright"
  done
} | sed 's/$/\r/' >"$stage/NOTICE.txt"
find "$stage" -exec touch -d "@$stamp" {} +

(cd "$out" && zip -q -X -r "$name.zip" "$name")
makensis -V2 -WX -DVERSION="$version" -DVERSION4="$version4" -DSTAGE="$stage" \
  -DICON="$PWD/src/win32ui/resources/vantrel.ico" -DOUTFILE="$out/vantrel-$version-setup.exe" \
  "${window[@]}" packaging/windows/vantrel.nsi

scripts/check-windows-package.sh "$dir"
