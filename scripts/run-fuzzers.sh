#!/usr/bin/env bash
# Replays each fuzz target's saved regression inputs, then fuzzes it for
# SECONDS seconds. Exits non-zero, with a summary line, when any target
# crashes; the crashing input is left in build/fuzz/crashes/<target>/ and
# belongs, once the fault is mended, in tests/fuzz/regressions/<target>/<fault>/.
set -uo pipefail

seconds=${1:?usage: run-fuzzers.sh SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/fuzz/tests/fuzz

# Decoding inputs stay small: a few kilobytes of far copies already make
# megabytes of output and reach the block writes. Packing inputs go past the
# farthest distance, 16,384.
declare -A max_len=([fuzz_decode]=8192 [fuzz_pack]=65536)

failed=()
for target in fuzz_decode fuzz_pack; do
  corpus=$root/build/fuzz/corpus/$target
  crashes=$root/build/fuzz/crashes/$target
  mkdir -p "$corpus" "$crashes"

  regressions=()
  if [ -d "$root/tests/fuzz/regressions/$target" ]; then
    mapfile -t regressions < <(find "$root/tests/fuzz/regressions/$target" -type f | sort)
  fi
  if [ "${#regressions[@]}" -gt 0 ] &&
     ! "$bin/$target" -rss_limit_mb=2048 "${regressions[@]}" >"$crashes/replay.log" 2>&1; then
    echo "run-fuzzers: $target fails on a saved regression input (see $crashes/replay.log)"
    failed+=("$target")
    continue
  fi

  echo "run-fuzzers: $target: ${#regressions[@]} regression inputs pass; fuzzing for ${seconds}s"
  if ! "$bin/$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
       -rss_limit_mb=2048 -timeout=20 -print_final_stats=1 \
       -artifact_prefix="$crashes/" "$corpus" >"$crashes/fuzz.log" 2>&1; then
    echo "run-fuzzers: $target crashed; input saved in $crashes/ (log: $crashes/fuzz.log)"
    failed+=("$target")
    continue
  fi
  grep -m1 'stat::number_of_executed_units' "$crashes/fuzz.log" | sed "s/^/run-fuzzers: $target: /"
done

if [ "${#failed[@]}" -gt 0 ]; then
  echo "run-fuzzers: FAILED: ${failed[*]}"
  exit 1
fi
echo "run-fuzzers: all targets passed (${seconds}s each)"
