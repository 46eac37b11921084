#!/usr/bin/env bash
# Installs what is missing, builds Curvana with its tests and runs every test: the unit and window
# tests, in the Debug build and again in the optimised RelWithDebInfo build that scripts/run.sh
# ships (GCC at -O2 may compute differently), the end-to-end tests in a real window, printing on a
# private print server, the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
# and every fuzz target for 60 seconds.
# Prints how long each step took.
set -euo pipefail
cd "$(dirname "$0")/.."

step_times=()
timed() {
  local name=$1 start=$SECONDS status=0
  shift
  "$@" || status=$?
  step_times+=("$(printf '%-20s %5d s%s' "$name" $((SECONDS - start)) "$([ $status -eq 0 ] || echo '  FAILED')")")
  return $status
}
report_times() {
  [ ${#step_times[@]} -eq 0 ] && return
  echo "Time per step:"
  printf '  %s\n' "${step_times[@]}"
}
trap report_times EXIT

timed "set-up" scripts/setup.sh
timed "format" scripts/format.sh
timed "build" bash -c 'cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCURVANA_TESTS=ON >/dev/null &&
  cmake --build build-test'
export QT_QPA_PLATFORM=offscreen
timed "tests" ctest --test-dir build-test --output-on-failure --timeout 300
timed "shipped build" bash -c 'cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCURVANA_TESTS=ON >/dev/null &&
  cmake --build build-release'
timed "shipped tests" ctest --test-dir build-release --output-on-failure --timeout 300
timed "end-to-end" tests/e2e/run_e2e.sh build-test/curvana
timed "recovery end-to-end" tests/e2e/recovery_e2e.sh build-test/curvana
timed "printing" tests/e2e/print_test.sh build-test/curvana
timed "windows end-to-end" tests/e2e/windows_e2e.sh build-test/curvana
timed "table end-to-end" tests/e2e/table_e2e.sh build-test/curvana
timed "sanitized tests" scripts/sanitize.sh
timed "fuzzing" scripts/fuzz.sh 60
