#!/usr/bin/env bash
# Renders the program's icon (packaging/icons/org.quizmora.Editor.svg) into
# the PNG sizes of the hicolor icon theme, packaging/icons/<size>.png.
# Run it after changing the SVG and commit the PNGs with it: they are kept in
# the repository because the window icon is compiled in from a Qt resource
# file, which can only list files that exist before the build, and so no
# build (sanitizer, fuzzing, benchmarks) needs an SVG renderer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
icons=$root/packaging/icons

"$root/scripts/deps.sh" librsvg2-bin
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" "$icons/org.quizmora.Editor.svg" -o "$icons/$size.png"
done
ls -l "$icons"
