#!/usr/bin/env bash
# Builds Vantrel twice (plain with GCC, and with clang and the address and undefined-behaviour
# sanitizers) and runs the whole test suite in both builds; warnings are errors in both. The
# plain build is also installed and packed, and the package checked. Then the Windows build,
# cross-built with mingw-w64, runs its whole test suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
# A run after another on the same machine compiles again only what changed; paths are taken
# relative to the checkout, so a fresh clone elsewhere finds the same cache. CMake reads the
# launchers from the environment for each of the three builds.
export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$PWD"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
# A test that hangs fails after ten minutes instead of holding up the whole run.
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 600

# What a player gets from that build: the install tree, both validators on its desktop files,
# and the .deb CPack makes of it, extracted and run.
scripts/check-package.sh build

# A short run of the fuzz targets for the line parser and the wildcard matcher (needs clang).
scripts/fuzz.sh

# The second compiler: clang, with its own warnings, builds what the sanitizers check.
# Line tables are all the sanitizers' reports need of the debug information.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DVANTREL_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only -DVANTREL_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
# Qt and fontconfig keep caches alive until exit; leaks are not what this run looks for.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 600

# The Windows programs and their test suite under Wine, with Windows' own cmd running the jobs.
scripts/build-windows.sh build-windows
