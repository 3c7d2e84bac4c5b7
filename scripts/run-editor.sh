#!/usr/bin/env bash
# Builds the editor and starts it on a game set (default: the shipped example),
# named on its command line as a user would. It builds in build-run/, apart
# from the tests' build-test/, so neither rebuilds the other's files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=$(realpath "${1:-$root/examples/world-tour.txt}")
build=${QZ_RUN_BUILD_DIR:-$root/build-run}

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target quizmora-editor

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the editor inside a virtual X server (xvfb-run)."
  xvfb-run -a -s "-screen 0 1280x900x24" "$build/src/quizmora-editor" "$game"
else
  "$build/src/quizmora-editor" "$game"
fi
