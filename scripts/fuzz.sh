#!/usr/bin/env bash
# Fuzzes the game-set reader/writer, the tab-delimited import and the type-line
# field routines with libFuzzer under AddressSanitizer and UBSan.
# Usage: scripts/fuzz.sh [seconds per target] [target...]
# New inputs go to build-fuzz/fuzz-work/<target>/ (never to the committed
# corpus); inputs that break a property are kept in .../findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(gameset tabimport typeline)
build=${QZ_FUZZ_BUILD_DIR:-$root/build-fuzz}
work=$build/fuzz-work

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQZ_FUZZ=ON -DQZ_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for target in "${targets[@]}"; do
  max_len=131072
  [ "$target" = typeline ] && max_len=4096
  mkdir -p "$work/$target/corpus" "$work/$target/findings"
  log=$work/$target/fuzz.log
  echo "== fuzz_$target for ${seconds}s (log: $log)"
  # Fork mode keeps fuzzing after a finding; the committed corpus is read only.
  "$build/tests/fuzz/fuzz_$target" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/$target/findings/" -print_final_stats=1 \
    "$work/$target/corpus" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1 || true
  runs=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#')
  findings=$(find "$work/$target/findings" -type f | wc -l)
  echo "   executions: ${runs:-unknown}, inputs kept in findings/: $findings"
  if [ "$findings" -gt 0 ]; then
    status=1
    # Fork mode drops the children's output: run each finding once more to say what broke.
    for finding in "$work/$target/findings"/*; do
      echo "   $(basename "$finding"):"
      "$build/tests/fuzz/fuzz_$target" "$finding" 2>&1 |
        grep -m 1 -A 1 -E 'PROPERTY VIOLATED|ERROR: AddressSanitizer|runtime error' | sed 's/^/     /' || true
    done
  fi
done
exit $status
