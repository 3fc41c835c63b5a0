#!/usr/bin/env bash
# build-windows.sh [--package] [DIR]: cross-builds the Windows programs into DIR (default
# build-windows), DIR/bin/vantrel-cli.exe among them, and runs the Windows test suite under
# Wine. With --package it then makes the zip and the installer in DIR/package and checks them.
set -euo pipefail
cd "$(dirname "$0")/.."
package=false
operands=()
for arg in "$@"; do
  case "$arg" in
    --package) package=true ;;
    *) operands+=("$arg") ;;
  esac
done
dir="${operands[0]:-build-windows}"
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)  # relative to the top of the repository, or absolute
scripts/deps.sh
# The libraries Debian has no mingw build of, cross-built once into DIR; one initial cache
# names them all.
jpeg_settings=$(scripts/libjpeg-windows.sh "$dir/libjpeg-turbo")
archive_settings=$(scripts/libarchive-windows.sh "$dir/libarchive")
libraries="$dir/libraries.cmake"
printf 'include("%s")\n' "$jpeg_settings" "$archive_settings" >"$libraries"

# Optimised as the Linux plain build is, but without debug information: statically linked,
# every test program would carry megabytes of it, and linking them was most of the build.
cmake -S . -B "$dir" -C "$libraries" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DVANTREL_WERROR=ON
cmake --build "$dir" -j2

# A private prefix keeps the tests away from the user's own Wine setup; its first use
# creates it (about 10 s). Wine's server lingers 3 s after every program when it has to
# start anew, so one server is kept up for the whole run.
export WINEPREFIX="$dir/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# The window's tests make real windows. Wine's null graphics driver lets them be made and
# queried with no display, drawn nowhere, and keeps them off a developer's screen. Wine reads
# the setting when its desktop starts: the first time, the session that made the prefix is let
# end (within a minute, else ended) before the tests' server starts.
if [ ! -f "$WINEPREFIX/user.reg" ] || ! grep -q '"Graphics"="null"' "$WINEPREFIX/user.reg"; then
  wine cmd /c exit 0 >/dev/null 2>&1  # creates the prefix
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  timeout 60 wineserver -w || wineserver -k || true
fi
wineserver -p || true  # 2 when a server for this prefix is up already
trap 'wineserver -k || true' EXIT
wine cmd /c exit 0 >/dev/null 2>&1  # starts the prefix's programs before the first timed test
# Under load Wine now and then fails to start a test program at all: it ends within 0.01 s
# with no output, before the test's first line runs. Such a test is run once more; a test
# that fails a second time fails the run.
ctest --test-dir "$dir" -j2 --output-on-failure --timeout 600 --repeat until-pass:2
if "$package"; then scripts/package-windows.sh "$dir"; fi
