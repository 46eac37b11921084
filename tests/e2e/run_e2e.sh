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
e2e_need Xvfb xdotool xmodmap import convert python3
mkdir -p "$out"
export E2E_SCREEN_DIR=$out
trap e2e_cleanup EXIT

source "$here/steps.sh"

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

# Either order: nothing of one run reaches the next but the state folder, which holds only the
# ended runs' boards.
run_case print 具有打印功能
run_case animation 具有动画显示
rm -f "$out"/*-board.png "$out"/*-check.txt
echo "end-to-end test passed"
