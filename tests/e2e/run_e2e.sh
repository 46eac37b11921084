#!/usr/bin/env bash
# End-to-end test in a real window: under a private X server, chooses the display mode on the
# welcome window, draws the parabola y = 0.5x^2 + x - 2 in red from "初等函数" and the default
# segment from "直线", and checks in the board's pixels that both lie where their formulas put
# them. Runs once in print mode and once in animation mode.
#
#   tests/e2e/run_e2e.sh [PROGRAM]    (default: build-test/curvana)
#
# Screenshots of a failure are kept in $E2E_OUT (default /tmp/curvana-e2e).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=$(realpath "${1:-$here/../../build-test/curvana}")
out=${E2E_OUT:-/tmp/curvana-e2e}
[ -x "$program" ] || e2e_fail "no program at $program (build it first)"
e2e_need Xvfb xdotool import convert python3
mkdir -p "$out"
trap e2e_cleanup EXIT

A=0.5 B=+1 C=-2
X1=0 Y1=0 X2=1 Y2=1   # the line dialog's default segment

# Clicks on the board's surface near its lower left corner, away from every drawing: the board
# takes the keyboard focus, and a click that does not move draws nothing.
focus_board() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    e2e_origin "$board"
    xdotool mousemove --sync $((X + 60)) $((Y + HEIGHT - 70)) click 1
}

start_in_mode() {
    local mode=$1 welcome
    e2e_start_display
    e2e_start_program "$out/program.log" "$program"
    welcome=$(e2e_window 欢迎 20)
    e2e_click_twips "$welcome" 4800 1110     # Combo1, the mode
    e2e_retype "$mode"
    e2e_click_twips "$welcome" 4927 2167     # "开始使用"
    board=$(e2e_window '^Curvana$')
    e2e_window_gone 欢迎 || e2e_fail "the welcome window stays open after 开始使用"
}

draw_parabola() {
    local form2
    focus_board
    xdotool key ctrl+Insert                  # "初等函数"
    form2=$(e2e_window 画函数图象)
    e2e_click_twips "$form2" 420 727         # Option2, y=Ax^2+Bx+C
    e2e_click_twips "$form2" 880 4455; e2e_retype "$A"
    e2e_click_twips "$form2" 880 4815; e2e_retype "$B"
    e2e_click_twips "$form2" 880 5175; e2e_retype "$C"
    e2e_click_twips "$form2" 860 5670; e2e_retype 红
    xdotool key Tab
    e2e_click_twips "$form2" 487 6427        # "确定"
}

draw_default_segment() {
    local dialog
    focus_board
    xdotool key ctrl+s                       # "直线"
    dialog=$(e2e_window 画直线)
    e2e_click_twips "$dialog" 667 2347       # "确定"
    e2e_window_gone 画直线 || e2e_fail "the line dialog stays open after 确定"
}

# Polls the board until the check passes: in animation mode the dots show over a while.
check_board() {
    local name=$1 shot="$out/$1-board.png" deadline=$((SECONDS + 30)) polls=0
    while :; do
        polls=$((polls + 1))
        import -window "$board" "$shot"
        python3 "$here/check_board.py" "$shot" --parabola "$A" "$B" "$C" \
            --segment $X1 $Y1 $X2 $Y2 2>"$out/$name-check.txt" && break
        if [ $SECONDS -ge $deadline ]; then
            e2e_shot "$out/$name-screen.png"
            cat "$out/$name-check.txt" >&2
            e2e_fail "$name: the board does not show the drawings (see $shot and $out/$name-screen.png)"
        fi
        sleep 0.2
    done
    echo "$name: parabola and segment in place (after $polls screenshot(s))"
}

# In animation mode the print command refuses with its message box.
check_print_refused() {
    focus_board
    xdotool key alt+BackSpace
    e2e_window 'Linora2002》$' >/dev/null
    xdotool key Return
    e2e_window_gone 'Linora2002》$' || e2e_fail "the refusal message does not close with Enter"
    echo "animation mode: printing refused with its message"
}

run_case() {
    local name=$1 mode=$2
    start_in_mode "$mode"
    draw_parabola
    draw_default_segment
    check_board "$name"
    if [ "$name" = animation ]; then check_print_refused; fi
    e2e_cleanup
}

run_case print 具有打印功能
run_case animation 具有动画显示
rm -f "$out"/*-board.png "$out"/*-check.txt
echo "end-to-end test passed"
