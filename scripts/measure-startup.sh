#!/usr/bin/env bash
# Start-up of the editor up to its first shown window, against a Qt Widgets
# program that shows one empty window: wall time and peak memory (max RSS),
# several alternating runs of each on the offscreen platform.
# Usage: scripts/measure-startup.sh [runs] [game set]   (default 15 runs, a new set)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
game=${2:+$(realpath "$2")}
build=${QZ_BENCH_BUILD_DIR:-$root/build-bench}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQZ_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target quizmora-editor quizmora-media quizmora-print emptywindow >/dev/null

# A private settings store: the editor starts with a new game set, or opens
# the given one as the current game.
config=$(mktemp -d)
samples=$(mktemp -d)
trap 'rm -rf "$config" "$samples"' EXIT
if [ -n "$game" ]; then
  mkdir -p "$config/QZV"
  printf '[Settings]\nEditCurrentGame=1\nGame=%s\n' "$game" >"$config/QZV/QZV.ini"
fi
# Settings and recovery copies both private: a copy another editor left would
# stop the start at its recovery question.
export XDG_CONFIG_HOME=$config XDG_DATA_HOME=$config QT_QPA_PLATFORM=offscreen QZ_QUIT_AFTER_SHOW=1

# One run: appends "milliseconds kilobytes" to the program's sample file.
measure() {
  local name=$1 program=$2 start end rss
  start=$EPOCHREALTIME
  /usr/bin/time -f '%M' -o "$samples/rss" "$program" >/dev/null 2>&1
  end=$EPOCHREALTIME
  rss=$(tail -n 1 "$samples/rss")
  awk -v s="$start" -v e="$end" -v r="$rss" 'BEGIN { printf "%.2f %d\n", (e - s) * 1000, r }' \
    >>"$samples/$name"
}

median() { # column of a sample file
  sort -n -k"$2" "$samples/$1" | awk -v c="$2" '{ v[NR] = $c }
    END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One untimed run each fills the file caches.
measure warmup "$build/benchmarks/emptywindow"
measure warmup "$build/src/quizmora-editor"
for _ in $(seq "$runs"); do
  measure empty "$build/benchmarks/emptywindow"
  measure editor "$build/src/quizmora-editor"
done

empty_ms=$(median empty 1); editor_ms=$(median editor 1)
empty_kb=$(median empty 2); editor_kb=$(median editor 2)
awk -v em="$empty_ms" -v ed="$editor_ms" -v ek="$empty_kb" -v dk="$editor_kb" -v n="$runs" 'BEGIN {
  printf "runs: %d each, medians\n", n
  printf "start-up to first window: editor %.1f ms, empty window %.1f ms, ratio %.2fx\n", ed, em, ed / em
  printf "peak memory (max RSS):    editor %.1f MiB, empty window %.1f MiB, ratio %.2fx\n", dk / 1024, ek / 1024, dk / ek
}'
