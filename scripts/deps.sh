#!/usr/bin/env bash
# Installs what building and testing Vantrel needs on Debian 12.
set -euo pipefail
# clang is the sanitizer build's compiler and builds the fuzz targets; dpkg-dev computes the
# .deb's dependencies; desktop-file-utils and appstream validate the installed menu entry and
# metainfo; libarchive reads patch archives, and its bsdtar is the archive benchmark's yardstick.
packages=(cmake g++ clang make qt6-base-dev libjpeg-dev libgtest-dev libgl-dev xvfb xauth
          dpkg-dev desktop-file-utils appstream libarchive-dev libarchive-tools)
exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
