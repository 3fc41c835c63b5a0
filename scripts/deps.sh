#!/usr/bin/env bash
# Installs what building and testing Vantrel needs on Debian 12.
set -euo pipefail
# clang is the sanitizer build's compiler and builds the fuzz targets; dpkg-dev computes the
# .deb's dependencies; desktop-file-utils and appstream validate the installed menu entry and
# metainfo; libarchive reads patch archives, and its bsdtar is the archive benchmark's yardstick.
packages=(cmake g++ clang make qt6-base-dev libjpeg-dev libgtest-dev libgl-dev xvfb xauth
          dpkg-dev desktop-file-utils appstream libarchive-dev libarchive-tools)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "${missing[@]}"
