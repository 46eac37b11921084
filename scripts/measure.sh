#!/usr/bin/env bash
# Measures from outside the process, under a private X server:
#  - start-up time from process start to the welcome window shown, beside a minimal Qt Widgets
#    program showing one window with a Chinese label, timed the same way (median of several runs);
#  - peak memory (VmHWM) after one curve of every family and every basic figure drawn.
#
#   scripts/measure.sh [BUILD_DIR] [RUNS]    (default build-release, 9 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/e2e/lib.sh
source tests/e2e/steps.sh
build=${1:-build-release}
runs=${2:-9}
out=${E2E_OUT:-/tmp/curvana-measure}
mkdir -p "$out"
export E2E_SCREEN_DIR=$out
e2e_need Xvfb xdotool xmodmap import python3
trap e2e_cleanup EXIT

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCURVANA_BENCH=ON >/dev/null
cmake --build "$build" --target curvana minimal_window >/dev/null
e2e_start_display

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Milliseconds from starting $1 until a window titled 欢迎 is visible; the program is ended after.
time_to_window() {
    local start pid deadline
    start=$(now_ms)
    "$1" >/dev/null 2>&1 &
    pid=$!
    deadline=$((start + 20000))
    until xdotool search --onlyvisible --name 欢迎 >/dev/null 2>&1; do
        [ "$(now_ms)" -lt $deadline ] || { kill $pid; e2e_fail "$1 showed no window in 20 s"; }
    done
    echo $(($(now_ms) - start))
    kill $pid
    wait $pid 2>/dev/null || true
    e2e_window_gone 欢迎 5 || e2e_fail "$1 does not end"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

measure_startup() {
    local i curvana=() minimal=()
    time_to_window "$build/minimal_window" >/dev/null   # warms the file cache for both
    time_to_window "$build/curvana" >/dev/null
    for ((i = 0; i < runs; i++)); do   # interleaved, so both meet the same machine load
        curvana+=("$(time_to_window "$build/curvana")")
        minimal+=("$(time_to_window "$build/minimal_window")")
    done
    local c m
    c=$(median "${curvana[@]}")
    m=$(median "${minimal[@]}")
    echo "start-up to the first window, median of $runs runs:"
    echo "  Curvana (welcome window) $c ms   [${curvana[*]}]"
    echo "  minimal Qt window        $m ms   [${minimal[*]}]"
    awk -v c="$c" -v m="$m" 'BEGIN { printf "  ratio %.2f\n", c / m }'
}

# Clicks "确定" (or any point given in twips) in the window titled $1 and waits for nothing else.
press() { e2e_click_twips "$(e2e_window "$1")" "$2" "$3"; }

# Every elementary function with A = 2 (a usable base and power for all ten), then closes Form2.
draw_elementary() {
    local top
    focus_board; xdotool key ctrl+Insert
    press 画函数图象 880 4455; e2e_retype 2
    for top in 240 480 720 1080 1320 1680 2040 2520 2880 3240; do
        press 画函数图象 420 $((120 + top + 127))
        press 画函数图象 487 6427
    done
    press 画函数图象 1327 6427; e2e_window_gone 画函数图象
}

draw_conics() {
    local top
    focus_board; xdotool key shift+Insert
    for top in 240 720 1200 1680; do
        press 圆锥曲线 300 $((top + 247))
        press 圆锥曲线 2467 2947
    done
    press 圆锥曲线 2467 3547; e2e_window_gone 圆锥曲线
}

draw_classic() {
    local middle
    focus_board; xdotool key ctrl+k
    for middle in 847 1507 1987 2407 3007 3787; do
        press 其他数学函数 540 $middle
        press 其他数学函数 667 5467
    done
    press 其他数学函数 1927 5467; e2e_window_gone 其他数学函数
}

# Each figure dialog: its shortcut, its title and where its "确定" is.
draw_figures() {
    local figure key title x y
    for figure in "ctrl+d 画点 667 1987" "ctrl+s 画直线 667 2347" "ctrl+h 画矩形 607 2347" \
        "ctrl+q 画椭圆 667 2707" "ctrl+v 画扇形 967 2827" "ctrl+j 画弧 667 2827" \
        "ctrl+c 画三角形 547 2947" "ctrl+e 画平行四边形 727 2587"; do
        read -r key title x y <<<"$figure"
        focus_board; xdotool key "$key"
        press "^$title\$" "$x" "$y"
        e2e_window_gone "^$title\$" || e2e_fail "$title stays open after 确定"
    done
}

# Takes screenshots of the board into $1 until two in a row agree: an animated reveal is over.
settle() {
    local last="" now deadline=$((SECONDS + 20))
    while [ $SECONDS -lt $deadline ]; do
        import -window "$board" "$1"
        now=$(convert "$1" rgb:- | md5sum)
        [ "$now" = "$last" ] && return 0
        last=$now
        sleep 0.3
    done
    e2e_fail "the board keeps changing"
}

measure_memory() {
    local mode=$1
    start_in_mode "$mode"
    draw_elementary
    draw_conics
    draw_classic
    draw_figures
    settle "$out/board-$mode.png"
    awk -v mode="$mode" '/VmHWM/ { printf "peak memory (VmHWM), %s, after every curve and figure: %.1f MB\n", mode, $2 / 1024 }' \
        "/proc/$E2E_APP_PID/status"
    kill "$E2E_APP_PID"
    wait "$E2E_APP_PID" 2>/dev/null || true
}

program=$build/curvana
measure_startup
measure_memory 具有打印功能
measure_memory 具有动画显示
echo "the boards as drawn: $out/board-*.png"
