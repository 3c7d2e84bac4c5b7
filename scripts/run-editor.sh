#!/usr/bin/env bash
# Builds the editor and starts it on a game set (default: the shipped example).
# The editor takes no command-line options: like the game, it opens the
# "current game" named in the per-user settings, so this script writes those
# settings into a private configuration folder for this run only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=$(realpath "${1:-$root/examples/world-tour.txt}")

"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target quizmora-editor

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/QZV"
printf '[Settings]\nEditCurrentGame=1\nGame=%s\n' "$game" > "$config/QZV/QZV.ini"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the editor inside a virtual X server (xvfb-run)."
  XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1280x900x24" "$root/build/src/quizmora-editor"
else
  XDG_CONFIG_HOME="$config" "$root/build/src/quizmora-editor"
fi
