#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz and runs each one for the given number of seconds (default 60), both at once.
# Any crash, sanitizer report, broken property, leak or input slower than 10 s fails the run;
# the input that did it is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(fuzz_numbers fuzz_drawings fuzz_board_file fuzz_formula)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCURVANA_FUZZ=ON -DCURVANA_TESTS=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-fuzz/findings
pids=()
for target in "${targets[@]}"; do
  # New inputs go to the working corpus in the build tree; the seeds in the repository stay as they are.
  mkdir -p "build-fuzz/corpus/$target"
  build-fuzz/"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$target-" \
    "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"build-fuzz/$target.log" 2>&1 &
  pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  status=0
  wait "${pids[$i]}" || status=$?
  log=build-fuzz/$target.log
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    echo "$target: ${runs:-?} executions (${rate:-?}/s) in ${seconds} s, no findings"
  else
    failed=1
    echo "$target: FINDING after ${runs:-?} executions (exit $status); log $log, input in build-fuzz/findings/"
    grep -E -A30 "^==[0-9]+==ERROR|runtime error|FUZZ FINDING|ALARM|out-of-memory" "$log" | head -60 || tail -40 "$log"
  fi
done
exit "$failed"
