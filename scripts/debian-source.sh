#!/usr/bin/env bash
# debian-source.sh PACKAGE DIR: unpacks Debian's source package PACKAGE, with Debian's own
# patches applied, into DIR (unless it is there already) and prints the folder it is in.
# The Windows build cross-builds the libraries Debian packages no mingw build of from the very
# sources the Linux build's packages come from.
set -euo pipefail
package=${1:?usage: debian-source.sh PACKAGE DIR}
dir=${2:?usage: debian-source.sh PACKAGE DIR}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)

found() { find "$dir" -maxdepth 1 -type d -name "$package-*" | head -n 1; }
source_dir=$(found)
if [ -n "$source_dir" ]; then
  echo "$source_dir"
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# apt-get source needs deb-src entries. The machine's own Debian entries for binaries are
# copied as source entries into a list of our own, which is left alone once it is there.
if ! apt-cache showsrc "$package" 2>/dev/null | grep -q '^Package:'; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    list=/etc/apt/sources.list.d/vantrel-src.sources
    entries=$(sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources)
  else
    list=/etc/apt/sources.list.d/vantrel-src.list
    entries=$(sed -n 's/^deb /deb-src /p' /etc/apt/sources.list 2>/dev/null || true)
  fi
  if [ ! -f "$list" ]; then
    [ -n "$entries" ] || { echo "debian-source.sh: no Debian apt entries to take source entries from" >&2; exit 1; }
    printf '%s\n' "$entries" | $sudo tee "$list" >/dev/null
  fi
  $sudo apt-get update -qq
fi

(cd "$dir" && apt-get source -qq "$package" >"$dir/$package-source.log" 2>&1) ||
  { cat "$dir/$package-source.log" >&2; exit 1; }
source_dir=$(found)
[ -n "$source_dir" ] || { echo "debian-source.sh: apt-get source $package unpacked nothing in $dir" >&2; exit 1; }
echo "$source_dir"
