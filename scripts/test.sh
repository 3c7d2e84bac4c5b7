#!/usr/bin/env bash
# Builds everything in build-test/ (apart from run-editor.sh's build-run/, so
# neither rebuilds the other's files) and runs every test. Extra arguments go
# to cmake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QZ_BUILD_DIR:-$root/build-test}

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@"
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
