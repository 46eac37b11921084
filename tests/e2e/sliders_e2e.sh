#!/usr/bin/env bash
# End-to-end test of a parameter's slider in real windows under a window manager: 自定义函数 draws
# y = x + h, Tab reaches the slider of h, Page Up moves it, and the board's pixels show the line
# higher. Then an arrow key is held for a second and the script reports how many steps the
# curve followed and how soon after the key was let go the board stood still.
#
#   tests/e2e/sliders_e2e.sh [PROGRAM]    (default: build-test/curvana)
#
# Screenshots are kept in $E2E_OUT (default /tmp/curvana-e2e-sliders).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=$(realpath "${1:-$here/../../build-test/curvana}")
out=${E2E_OUT:-/tmp/curvana-e2e-sliders}
[ -x "$program" ] || e2e_fail "no program at $program (build it first)"
e2e_need Xvfb xdotool import convert openbox xprop xwininfo xset python3
mkdir -p "$out"
export E2E_SCREEN_DIR=$out
trap e2e_cleanup EXIT

click_twips() {
    local X Y WIDTH HEIGHT
    e2e_client_area "$1"
    xdotool mousemove $((X + $2 / 15)) $((Y + $3 / 15)) click 1
}
# The mean row of the dark pixels in the right half of the board's screenshot $1: the line there,
# away from the captions at the top left. Prints "count mean".
dark_rows() {
    python3 -c "
import sys
sys.path.insert(0, '$here')
from check_board import Shot
s = Shot('$1')
rows = [y for y in range(40, s.height - 40) for x in range(s.width // 2 + 10, s.width - 10) if s.is_('black', x, y)]
print(len(rows), sum(rows) / len(rows) if rows else -1)
"
}

e2e_start_display
e2e_start_openbox
e2e_start_program "$out/program.log" "$program"
welcome=$(e2e_window 欢迎 30)
click_twips "$welcome" 4927 2167 # "开始使用": print mode, every line drawn at once
board=$(e2e_window '^Curvana$' 30)
e2e_focus_framed_board "$board"
xdotool key ctrl+f
formula=$(e2e_window 自定义函数)
sleep 0.5
e2e_retype "x+h"
sleep 0.3
xdotool key Return
sleep 0.8
import -window "$board" "$out/before.png"
read -r count_before row_before <<<"$(dark_rows "$out/before.png")"
[ "$count_before" -gt 50 ] || e2e_fail "y = x + h is not on the board (see $out/before.png)"
xdotool key Tab Tab # the value box of h, then its slider
sleep 0.2
xdotool key Prior Prior Prior # three pages of ten steps: h from 1 to 4
sleep 1
import -window "$board" "$out/after.png"
e2e_shot "$out/screen.png"
read -r count_after row_after <<<"$(dark_rows "$out/after.png")"
python3 -c "import sys; sys.exit(0 if $row_before - $row_after > 15 else 1)" ||
    e2e_fail "the line did not move up: mean row $row_before before, $row_after after (see $out/after.png)"
echo "slider: the line moved up from mean row $row_before to $row_after"

# Held key: the server repeats it 40 times a second ($E2E_REPEAT_RATE) after 250 ms; each repeat is
# one step down, so a board that keeps up follows about 30 steps, from h = 4 to about 1.
rate=${E2E_REPEAT_RATE:-40}
xset r rate 250 "$rate"
xdotool keydown Left
sleep 1
xdotool keyup Left
released=$(date +%s%N)
previous=""
for _ in $(seq 100); do
    import -window "$board" "$out/held.png"
    current=$(dark_rows "$out/held.png")
    [ "$current" = "$previous" ] && break
    previous=$current
done
settled_ms=$((($(date +%s%N) - released) / 1000000))
read -r _ row_held <<<"$current"
# The board's scale: the line y = x + h rises one unit per unit of h; measure it from the pages.
steps=$(python3 -c "print(round(($row_held - $row_after) / (($row_before - $row_after) / 30)))")
echo "held Left 1 s (repeat $rate/s after 250 ms, about $((rate * 3 / 4)) repeats): the line followed $steps steps," \
    "$(python3 -c "print(round($steps / 0.75))") a second; the board stood still within ${settled_ms} ms of release" \
    "(two screenshots included)"
python3 -c "import sys; sys.exit(0 if $steps / 0.75 >= 30 else 1)" ||
    e2e_fail "fewer than 30 redraws a second while an arrow key was held"
echo "sliders end-to-end test passed"
