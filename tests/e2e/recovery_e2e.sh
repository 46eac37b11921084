#!/usr/bin/env bash
# End-to-end test of the recovery files with two programs at once on one state folder: an older
# run's board lies there; the first program draws the red parabola from "初等函数"; a second program
# starts; the first is killed with SIGKILL; in the second, "打开上次的图板" (Ctrl+Shift+O) must bring
# the parabola back where its formula puts it. Neither start may touch another run's file.
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
e2e_need Xvfb xdotool xmodmap import convert python3
mkdir -p "$out"
export E2E_SCREEN_DIR=$out
state=$(mktemp -d)
export XDG_STATE_HOME=$state
trap 'e2e_cleanup; rm -rf "$state"' EXIT

source "$here/steps.sh"
folder=$state/curvana

parabola_shown() {
    import -window "$board" "$out/board.png"
    python3 "$here/check_board.py" "$out/board.png" --parabola "$A" "$B" "$C" 2>"$out/check.txt"
}

# Yesterday's lesson, from a run that crashed: a segment, an hour old.
mkdir -p "$folder"
yesterday=$folder/recovery-1-1.curvana
printf '%s\n' '{"format": "curvana-journal", "version": 2}' \
    '{"type": "figure", "figure": "line", "texts": ["0", "0", "1", "1"], "colour": "黑"}' >"$yesterday"
touch -d '1 hour ago' "$yesterday"
cp "$yesterday" "$out/yesterday.expected"

start_in_mode 具有打印功能
first_pid=$E2E_APP_PID
draw_parabola
# The line is appended as "确定" finishes.
first_file=
for _ in $(seq 100); do
    first_file=$(grep -l '"curve"' "$folder"/recovery-"$first_pid"-*.curvana 2>/dev/null | head -n 1) || true
    [ -n "$first_file" ] && break
    sleep 0.1
done
[ -n "$first_file" ] || e2e_fail "the first program wrote no recovery file of its own with the curve"
cp "$first_file" "$out/first.expected"

start_in_mode 具有打印功能     # the second program, on a display of its own
cmp -s "$first_file" "$out/first.expected" || e2e_fail "the second start changed the first program's recovery file"
cmp -s "$yesterday" "$out/yesterday.expected" || e2e_fail "a start removed or changed an ended run's board"
kill -9 "$first_pid"
wait "$first_pid" 2>/dev/null || true # reaped, as a file manager or shell would: a zombie still holds its lock
echo "the first program killed with SIGKILL while the second runs"
if parabola_shown; then e2e_fail "the second board shows the parabola before anything was opened"; fi
focus_board
xdotool key ctrl+shift+o
deadline=$((SECONDS + 20))
until parabola_shown; do
    if [ $SECONDS -ge $deadline ]; then
        cat "$out/check.txt" >&2
        e2e_fail "打开上次的图板 does not bring the first program's parabola back (see $out/board.png)"
    fi
    sleep 0.2
done
[ -f "$yesterday" ] || e2e_fail "yesterday's board was removed"
rm -f "$out/board.png" "$out/check.txt" "$out"/*.expected
echo "recovery end-to-end test passed: two programs, each with its own file; the parabola is back after kill -9"
