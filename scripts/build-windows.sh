#!/usr/bin/env bash
# Cross-builds the Windows programs into DIR (default build-windows), DIR/bin/vantrel-cli.exe
# among them, and runs the Windows test suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-windows}"
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)  # relative to the top of the repository, or absolute
scripts/deps.sh

cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=ON
cmake --build "$dir" -j2

# A private prefix keeps the tests away from the user's own Wine setup; its first use
# creates it (about 10 s). Wine's server lingers 3 s after every program when it has to
# start anew, so one server is kept up for the whole run.
export WINEPREFIX="$dir/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineserver -p || true  # 2 when a server for this prefix is up already
trap 'wineserver -k || true' EXIT
wine cmd /c exit 0 >/dev/null 2>&1  # creates the prefix before the first timed test
ctest --test-dir "$dir" -j2 --output-on-failure
