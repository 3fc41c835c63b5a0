#!/usr/bin/env bash
# Installs what cross-building Vantrel for Windows and testing it under Wine needs on Debian 12.
set -euo pipefail
# The posix flavour of mingw-w64 is the one whose libstdc++ has std::thread and std::mutex;
# googletest brings the source in /usr/src/googletest that the Windows build compiles with the
# cross compiler; wine64 runs the 64-bit test programs, and wine provides the wine command
# that ctest calls. Debian packages no libjpeg for mingw: dpkg-dev unpacks the source of
# libjpeg-turbo that apt-get source fetches, and nasm assembles its SIMD parts. The package
# step needs zip and unzip for the zip and nsis for the installer.
packages=(cmake make g++-mingw-w64-x86-64-posix googletest wine wine64 dpkg-dev nasm zip unzip nsis)
exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
