#!/usr/bin/env bash
# End-to-end test of the drawing windows under a window manager (openbox) on a 1366×768 screen:
# a click on the board or full screen never puts 初等函数 or 自定义函数 behind the board,
# 自定义函数 opened over 初等函数 leaves its 确定 button free to click, a dialog opened where
# another stands moves on by a title bar, and at a scale factor of 1.5 自定义函数 lies wholly on
# the screen, frame included.
#
#   tests/e2e/windows_e2e.sh [PROGRAM]    (default: build-test/curvana)
#
# Screenshots of a failure are kept in $E2E_OUT (default /tmp/curvana-e2e-windows).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=$(realpath "${1:-$here/../../build-test/curvana}")
out=${E2E_OUT:-/tmp/curvana-e2e-windows}
[ -x "$program" ] || e2e_fail "no program at $program (build it first)"
e2e_need Xvfb xdotool import openbox xprop xwininfo
mkdir -p "$out"
export E2E_SCREEN_DIR=$out E2E_SCREEN_SIZE=1366x768
trap e2e_cleanup EXIT

# Twips are 1/15 of a logical pixel; $scale10 is ten times the scale factor.
scale10=10
click_twips() {
    local X Y WIDTH HEIGHT
    e2e_client_area "$1"
    xdotool mousemove $((X + $2 * scale10 / 150)) $((Y + $3 * scale10 / 150)) click 1
}

# The windows from bottom to top, as the window manager stacks them.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'; }
# True when window $1 stands above window $2.
above() {
    local order below=-1 top=-1 i=0 id
    order=$(stacking)
    for id in $order; do
        [ $((id)) -eq $(($2)) ] && below=$i
        [ $((id)) -eq $(($1)) ] && top=$i
        i=$((i + 1))
    done
    [ "$below" -ge 0 ] && [ "$top" -gt "$below" ]
}
# expect_in_front WHEN NAME...: the windows held in the variables NAME... stand above the board.
expect_in_front() {
    local when=$1 name
    shift
    for name in "$@"; do
        above "${!name}" "$board" || e2e_fail "$name is behind the board $when ($(stacking))"
    done
}

# Bottom edge of window $1's frame (client bottom plus the frame's bottom border).
frame_bottom() {
    local X Y WIDTH HEIGHT extents
    e2e_client_area "$1"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    set -- $extents
    echo $((Y + HEIGHT + ${4:-0}))
}

# Starts the program under openbox and opens the board in print mode (the mode box left empty).
start_board() {
    local welcome
    e2e_start_display
    e2e_start_openbox
    e2e_start_program "$out/program.log" "$program"
    welcome=$(e2e_window 欢迎 30)
    click_twips "$welcome" 4927 2167     # "开始使用"
    board=$(e2e_window '^Curvana$' 30)
}

start_board
e2e_focus_framed_board "$board"
xdotool key ctrl+Insert
elementary=$(e2e_window 画函数图象)
e2e_focus_framed_board "$board"
xdotool key ctrl+f
formula=$(e2e_window 自定义函数)
sleep 0.3
expect_in_front "after opening" elementary formula
# The designed place of 自定义函数 lies over 初等函数's 确定 at this size: a click there reaches it.
click_twips "$elementary" 487 6427
sleep 0.3
[ $(($(xdotool getactivewindow))) -eq $((elementary)) ] || e2e_fail "初等函数's 确定 is covered"
e2e_focus_framed_board "$board"
sleep 0.3
expect_in_front "after a click on it" elementary formula
# Two dialogs designed for one place: the second moves on by a title bar, the first's stays in view.
e2e_focus_framed_board "$board"
xdotool key ctrl+s
line=$(e2e_window 画直线)
e2e_focus_framed_board "$board"
xdotool key ctrl+l
text=$(e2e_window 画文字)
sleep 0.3
e2e_client_area "$line"; line_x=$X line_y=$Y
e2e_client_area "$text"
[ $((X - line_x)) -ge 15 ] && [ $((Y - line_y)) -ge 15 ] ||
    e2e_fail "画文字 opened at ($X, $Y) over 画直线 at ($line_x, $line_y)"
xdotool key F11
sleep 0.5
e2e_focus_framed_board "$board"
sleep 0.3
expect_in_front "in full screen after a click on it" elementary formula line text
e2e_shot "$out/full-screen.png"
e2e_cleanup
echo "in front of the board after clicks and in full screen; 确定 of 初等函数 free"

# --- scale factor 1.5: 自定义函数 lies on the screen, frame included --------------------------
scale10=15
QT_SCALE_FACTOR=1.5 start_board
e2e_focus_framed_board "$board"
xdotool key ctrl+f
formula=$(e2e_window 自定义函数)
sleep 0.5
bottom=$(frame_bottom "$formula")
[ "$bottom" -le 768 ] || e2e_fail "自定义函数 ends at $bottom, below the screen"
rm -f "$out/full-screen.png"
echo "windows end-to-end test passed: the drawing windows stay in front and on the screen"
