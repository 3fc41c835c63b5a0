#!/usr/bin/env bash
# Renders the icon's SVG at the sizes Windows asks a program's icon for (title bar and
# lists 16-32, Explorer's views 48-256) and packs them into one .ico. The 256 px picture is
# stored as PNG, as Windows expects at that size; the others as bitmaps, which every
# version reads. Needs rsvg-convert (librsvg2-bin) and icotool (icoutils).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out="${1:-$here/../../src/win32ui/resources/vantrel.ico}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pictures=()
for size in 16 20 24 32 40 48 64; do
  rsvg-convert -w "$size" -h "$size" "$here/org.vantrel.Vantrel.svg" -o "$work/$size.png"
  pictures+=("$work/$size.png")
done
rsvg-convert -w 256 -h 256 "$here/org.vantrel.Vantrel.svg" -o "$work/256.png"
icotool --create --output="$out" "${pictures[@]}" --raw="$work/256.png"
