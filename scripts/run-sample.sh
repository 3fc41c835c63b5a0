#!/usr/bin/env bash
# Installs what Vantrel needs, builds it, lays out the sample game in ./sample-game and
# runs Vantrel in the game's Simpatch folder: the window when a display is there, the
# command-line lists otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

bin="$top/build/bin"
"$bin/vantrel-samplegame" "$top/sample-game"
cd "$top/sample-game/Simpatch"

echo "== Available patches"; "$bin/vantrel-cli" patches
echo "== Active patches";    "$bin/vantrel-cli" active
if [ -x "$bin/vantrel" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$bin/vantrel"
fi
echo "(no display: the window was not opened; run $bin/vantrel from a desktop session)"
