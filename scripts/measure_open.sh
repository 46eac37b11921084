#!/usr/bin/env bash
# Opens a board file in the program itself, under a private X server, as `curvana FILE` does, and
# reports how long the board took from "开始使用" until its recovery file held the opened board
# (read, checked, painted and written again), and the program's peak memory (VmHWM) before and
# after, so the board's own share can be told from the program's.
#
#   scripts/measure_open.sh BUILD_DIR FILE    (e.g. build-rel; files from CURVANA_BENCH_BOARDS)
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/e2e/lib.sh
program=$(realpath "$1/curvana")
file=$(realpath "$2")
out=${E2E_OUT:-/tmp/curvana-measure-open}
mkdir -p "$out"
export E2E_SCREEN_DIR=$out
e2e_need Xvfb xdotool
trap 'e2e_cleanup; rm -rf "$XDG_STATE_HOME"' EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }
peak_kb() { awk '/VmHWM/ { print $2 }' "/proc/$1/status"; }

e2e_start_display
e2e_start_program "$out/program.log" "$program" "$file"
welcome=$(e2e_window 欢迎 20)
sleep 1
before=$(peak_kb "$E2E_APP_PID")
start=$(now_ms)
e2e_click_twips "$welcome" 4927 2167 # "开始使用"
deadline=$((start + 120000))
until grep -qs '"type"' "$XDG_STATE_HOME"/curvana/*.curvana; do
    [ "$(now_ms)" -lt $deadline ] || e2e_fail "the board did not open within two minutes"
    kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "the program ended (see $out/program.log)"
    sleep 0.02
done
opened=$(now_ms)
sleep 3 # the first paint of the board, after the recovery file was written
after=$(peak_kb "$E2E_APP_PID")
echo "opened in $((opened - start)) ms; peak memory $((before / 1024)) MB before, $((after / 1024)) MB after ($(((after - before) / 1024)) MB for the board)"
