#!/usr/bin/env bash
# Builds Curvana in release mode and runs every benchmark: the bench/ suite (each benchmark's time
# and its ratio to the raw pixel-write loop of the same run), then start-up time and peak memory
# measured from outside the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCURVANA_BENCH=ON -DCURVANA_TESTS=OFF >/dev/null
cmake --build build-bench
QT_QPA_PLATFORM=offscreen build-bench/curvana_bench "$@"
scripts/measure.sh build-bench
