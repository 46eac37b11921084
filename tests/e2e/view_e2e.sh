#!/usr/bin/env bash
# End-to-end test of the board's view in a real window: draws the red parabola y = 0.5x^2 + x - 2,
# turns the wheel over the board (the picture changes), presses Ctrl+0 (the designed board comes
# back pixel for pixel, the parabola where its formula puts it), then sends bursts of wheel notches
# and arrow keys to a busy board and reports how many views per second it kept up with.
#
#   tests/e2e/view_e2e.sh [PROGRAM]    (default: build-test/curvana)
#
# Screenshots are kept in $E2E_OUT (default /tmp/curvana-e2e-view).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=$(realpath "${1:-$here/../../build-test/curvana}")
out=${E2E_OUT:-/tmp/curvana-e2e-view}
[ -x "$program" ] || e2e_fail "no program at $program (build it first)"
e2e_need Xvfb xdotool import convert compare python3
mkdir -p "$out"
export E2E_SCREEN_DIR=$out
trap e2e_cleanup EXIT
source "$here/steps.sh"

# How many pixels differ between two screenshots of the board, its coordinate field (the strip
# at the bottom, which follows the pointer) left out.
differing() {
    convert "$1" -gravity South -chop 0x24 "$out/a.png"
    convert "$2" -gravity South -chop 0x24 "$out/b.png"
    compare -metric AE "$out/a.png" "$out/b.png" null: 2>&1 | cut -d' ' -f1
}

# Moves the pointer over the board's picture, a little right of and above its centre.
point_at_board() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    e2e_origin "$board"
    xdotool mousemove $((X + WIDTH / 2 + 40)) $((Y + HEIGHT / 2 - 40))
}

# Shoots the board until it shows the picture $2 again; prints the seconds since $1 (from
# date +%s.%N) at that shot. A board busy with queued events paints nothing in between, so only
# the picture expected at the end tells that every event was handled.
seconds_until() {
    local start=$1 expected=$2 shot="$out/until.png" at
    for _ in $(seq 600); do
        at=$(date +%s.%N)
        import -window "$board" "$shot"
        if [ "$(differing "$shot" "$expected")" = 0 ]; then
            echo "$start $at" | awk '{printf "%.2f", $2 - $1}'
            return
        fi
    done
    e2e_fail "the board did not come back to $expected"
}

# Sends a burst of $1 events with xdotool arguments $2..., then Ctrl+0: every event moves the view,
# and the board draws the latest view from the document whenever it is free (events that came in
# while it drew are handled together), Ctrl+0 the designed one, which the board shows once all are
# handled. It starts from another view (Ctrl+=), so the designed picture cannot be a leftover.
burst_rate() {
    local name=$1 count=$2 start seconds
    shift 2
    xdotool key ctrl+equal
    sleep 1
    import -window "$board" "$out/before-burst.png"
    [ "$(differing "$out/before-burst.png" "$out/busy-designed.png")" != 0 ] || e2e_fail "Ctrl+= did not zoom"
    start=$(date +%s.%N)
    xdotool "$@"
    xdotool key ctrl+0
    seconds=$(seconds_until "$start" "$out/busy-designed.png")
    echo "busy board, $name: $((count + 1)) views handled in ${seconds} s: $(echo "$count $seconds" |
        awk '{printf "%.0f", ($1 + 1) / $2}') views/s"
}

start_in_mode 具有打印功能
draw_parabola
sleep 0.5
focus_board
designed="$out/designed.png"
import -window "$board" "$designed"
python3 "$here/check_board.py" "$designed" --parabola "$A" "$B" "$C" || e2e_fail "the parabola is not in place"

point_at_board
xdotool click --repeat 4 --delay 60 4
sleep 0.5
import -window "$board" "$out/zoomed.png"
[ "$(differing "$designed" "$out/zoomed.png")" -gt 1000 ] || e2e_fail "four wheel notches changed nothing"
echo "wheel: the board zoomed in"

xdotool key ctrl+0
sleep 0.5
import -window "$board" "$out/back.png"
[ "$(differing "$designed" "$out/back.png")" = 0 ] || e2e_fail "Ctrl+0 did not give the designed board back (see $out/back.png)"
echo "Ctrl+0: the designed board, pixel for pixel"

e2e_cleanup

# A busy board: ten curves of the three plotters and the own-formula window, two figures and a
# stroke of 5,000 dots, opened from a file given on the command line.
busy="$out/busy.curvana"
python3 - "$busy" <<'PY'
import json, math, sys
curve = lambda window, option, texts, colour: {"type": "curve", "window": window, "option": option, "texts": texts, "colour": colour}
formula = lambda text, line: {"type": "formula", "kind": "function", "formulas": [text], "range": ["-10", "10"], "colour": "蓝", "captionLine": line}
points = [[round(6 * math.cos(t / 5000 * 6.283), 4), round(6 * math.sin(3 * t / 5000 * 6.283), 4)] for t in range(5000)]
actions = [curve("elementary", 1, ["1", "2", "0"], "红"), curve("elementary", 2, ["0.5", "1", "-2"], "红"),
           curve("elementary", 4, ["3", "1", "0"], "绿"), curve("elementary", 8, ["2", "0", "0"], "黑"),
           curve("conic", 1, ["0", "0", "5", "3"], "红"), curve("conic", 2, ["1", "1", "2", "3"], "青"),
           curve("classic", 3, ["2"], "黄"), formula("x^2-0.01", 0), formula("e^x", 1), formula("sin(3x)/x", 2),
           {"type": "figure", "figure": "ellipse", "texts": ["1", "1", "4", "2"], "colour": "黑"},
           {"type": "figure", "figure": "triangle", "texts": ["-5", "-5", "5", "-5", "0", "6"], "colour": "蓝"},
           {"type": "stroke", "runs": [{"colour": "#ff0000", "points": points}]}]
json.dump({"format": "curvana-board", "version": 3, "actions": actions}, open(sys.argv[1], "w", encoding="utf-8"), ensure_ascii=False)
PY
e2e_start_display
e2e_start_program "$out/program-busy.log" "$program" "$busy"
welcome=$(e2e_window 欢迎 20)
e2e_click_twips "$welcome" 4927 2167     # "开始使用"
board=$(e2e_window '^Curvana')
sleep 1
focus_board
import -window "$board" "$out/busy-designed.png"

# The time includes the screenshots' own (about a tenth of a second), so the rate is a floor.
point_at_board
burst_rate wheel 40 click --repeat 40 --delay 1 4
burst_rate "arrow key" 40 key --repeat 40 --delay 1 Right
echo "view end-to-end test passed"
