#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them. Extra arguments go to
# the benchmark program (e.g. --benchmark_filter=Preview).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QZ_BENCH_BUILD_DIR:-$root/build-bench}

"$root/scripts/deps.sh" libbenchmark-dev
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQZ_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target quizmora-bench
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/benchmarks/quizmora-bench" \
  --benchmark_repetitions=${QZ_BENCH_REPETITIONS:-3} --benchmark_report_aggregates_only=true "$@"
