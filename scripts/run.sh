#!/usr/bin/env bash
# Installs what is missing, builds Curvana and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCURVANA_TESTS=OFF >/dev/null
cmake --build build --target curvana
exec build/curvana "$@"
