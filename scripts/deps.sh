#!/usr/bin/env bash
# Installs what building and testing Vantrel needs on Debian 12, for Linux and for the Windows
# cross build tested under Wine.
set -euo pipefail
# ccache keeps the test script's compiles between runs; the window reads fontconfig's files
# ahead of Qt, with libfontconfig-dev's header; clang is the sanitizer build's compiler
# and builds the fuzz targets; dpkg-dev computes the
# .deb's dependencies; desktop-file-utils and appstream validate the installed menu entry and
# metainfo; libarchive reads patch archives, and its bsdtar is the archive benchmark's yardstick.
# The Windows build: the posix flavour of mingw-w64 is the one whose libstdc++ has std::thread
# and std::mutex; googletest brings the source in /usr/src/googletest that the Windows build
# compiles with the cross compiler; wine64 runs the 64-bit test programs, and wine provides
# the wine command that ctest calls. Debian packages no libjpeg for mingw: dpkg-dev unpacks
# the source of libjpeg-turbo that apt-get source fetches, and nasm assembles its SIMD parts;
# nor libarchive, which is cross-built the same way from its source and xz-utils', with zlib
# from libz-mingw-w64-dev.
# The Windows package step needs zip and unzip for the zip and nsis for the installer.
# strace strikes system calls with I/O errors in the tests of what a failed look does.
# lintian checks the .deb as Debian's maintainers do.
# The desktop tests run the window on Xvfb under openbox, a small window manager, press real
# keys with xdotool, read where the window is with x11-utils (xwininfo, xprop) and take
# screenshots with ImageMagick's import.
packages=(cmake ccache g++ clang make qt6-base-dev libfontconfig-dev libjpeg-dev libgtest-dev libgl-dev xvfb xauth
          openbox xdotool x11-utils imagemagick
          dpkg-dev desktop-file-utils appstream libarchive-dev libarchive-tools strace lintian
          g++-mingw-w64-x86-64-posix libz-mingw-w64-dev googletest wine wine64 nasm zip unzip nsis)
exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
