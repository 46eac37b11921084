#!/usr/bin/env bash
# End-to-end test of the recovery file: under a private X server, draws the red parabola from
# "初等函数", kills the program with SIGKILL right after, starts it again and opens "打开上次的图板"
# with Ctrl+Shift+O on the board; the parabola must be back where its formula puts it.
#
#   tests/e2e/recovery_e2e.sh [PROGRAM]    (default: build-test/curvana)
#
# Screenshots of a failure are kept in $E2E_OUT (default /tmp/curvana-e2e-recovery).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=$(realpath "${1:-$here/../../build-test/curvana}")
out=${E2E_OUT:-/tmp/curvana-e2e-recovery}
[ -x "$program" ] || e2e_fail "no program at $program (build it first)"
e2e_need Xvfb xdotool import convert python3
mkdir -p "$out"
export E2E_SCREEN_DIR=$out
state=$(mktemp -d)
export XDG_STATE_HOME=$state
trap 'e2e_cleanup; rm -rf "$state"' EXIT

source "$here/steps.sh"
recovery=$state/curvana/recovery.curvana

parabola_shown() {
    import -window "$board" "$out/board.png"
    python3 "$here/check_board.py" "$out/board.png" --parabola "$A" "$B" "$C" 2>"$out/check.txt"
}

start_in_mode 具有打印功能
draw_parabola
# The file is written as "确定" finishes; the kill follows as soon as it is there.
for _ in $(seq 100); do grep -q '"curve"' "$recovery" 2>/dev/null && break; sleep 0.1; done
kill -9 "$E2E_APP_PID"
grep -q '"curve"' "$recovery" || e2e_fail "no recovery file with the curve at $recovery"
e2e_cleanup
echo "killed with SIGKILL after drawing the parabola"

start_in_mode 具有打印功能
[ -f "$state/curvana/previous.curvana" ] || e2e_fail "the last run's board was not kept as previous.curvana"
if parabola_shown; then e2e_fail "the new board shows the parabola before anything was opened"; fi
focus_board
xdotool key ctrl+shift+o
deadline=$((SECONDS + 20))
until parabola_shown; do
    if [ $SECONDS -ge $deadline ]; then
        cat "$out/check.txt" >&2
        e2e_fail "打开上次的图板 does not bring the parabola back (see $out/board.png)"
    fi
    sleep 0.2
done
rm -f "$out/board.png" "$out/check.txt"
echo "recovery end-to-end test passed: the parabola is back after kill -9"
