#!/usr/bin/env bash
# End-to-end test of 列表描点 and 命名点 in real windows, driven by keys and clicks: Ctrl+B opens the
# table window, y = 0.5x^2 + x − 2 with x from −4 and Enter fill the table, 红 is chosen and Alt+A
# puts the seven points and the parabola through them on the board; Ctrl+G opens 命名点, and its 确定
# puts a black dot at (−5, 5). The board's pixels are checked: filled red dots at the table's points,
# the red curve from −4 to 2 (3 either side of the vertex), the black named point. Runs in print mode and in animation mode (the points come one by one).
#
#   tests/e2e/table_e2e.sh [PROGRAM]    (default: build-test/curvana)
#
# Screenshots are kept in $E2E_OUT (default /tmp/curvana-e2e-table).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=$(realpath "${1:-$here/../../build-test/curvana}")
out=${E2E_OUT:-/tmp/curvana-e2e-table}
[ -x "$program" ] || e2e_fail "no program at $program (build it first)"
e2e_need Xvfb xdotool import convert python3
mkdir -p "$out"
export E2E_SCREEN_DIR=$out
trap e2e_cleanup EXIT

source "$here/steps.sh"

TABLE_POINTS=(-4 2 -3 -0.5 -2 -2 -1 -2.5 0 -2 1 -0.5 2 2)

draw_table() {
    local table
    focus_board
    xdotool key ctrl+b                       # "列表描点"
    table=$(e2e_window 列表描点)
    e2e_click_twips "$table" 3000 270        # Text1, "y ="
    e2e_retype "0.5x^2+x-2"                  # y = Ax^2 + Bx + C of steps.sh
    e2e_click_twips "$table" 1230 690        # Text2, "x 从"
    e2e_retype -4
    xdotool key Return                       # fills the table
    e2e_click_twips "$table" 5800 690        # Combo1, the colour
    e2e_retype 红
    xdotool key Tab
    import -window "$table" "$out/$1-table-window.png"
    xdotool key alt+a                        # "全部(A)"
}

draw_named_point() {
    local dialog
    focus_board
    xdotool key ctrl+g                       # "命名点"
    dialog=$(e2e_window 命名点)
    e2e_click_twips "$dialog" 600 555        # Text1, the name
    e2e_retype P
    e2e_click_twips "$dialog" 727 1275       # Text2, x
    e2e_retype -5
    e2e_click_twips "$dialog" 1807 1275      # Text3, y
    e2e_retype 5
    e2e_click_twips "$dialog" 667 2467       # "确定"
    e2e_window_gone 命名点 || e2e_fail "命名点 stays open after 确定"
}

run_case() {
    local name=$1 mode=$2 shot deadline polls=0
    start_in_mode "$mode"
    draw_table "$name"
    draw_named_point
    shot="$out/$name-board.png"
    deadline=$((SECONDS + 40))
    while :; do
        polls=$((polls + 1))
        import -window "$board" "$shot"
        python3 "$here/check_board.py" "$shot" --parabola "$A" "$B" "$C" --no-strays --discs red "${TABLE_POINTS[@]}" \
            --discs black -5 5 2>"$out/$name-check.txt" && break
        if [ $SECONDS -ge $deadline ]; then
            e2e_shot "$out/$name-screen.png"
            cat "$out/$name-check.txt" >&2
            e2e_fail "$name: the board does not show the table's points and curve (see $shot)"
        fi
        sleep 0.3
    done
    echo "$name: seven filled points, the curve and the named point in place (after $polls screenshot(s))"
    e2e_cleanup
}

run_case print 具有打印功能
run_case animation 具有动画显示
echo "PASS"
