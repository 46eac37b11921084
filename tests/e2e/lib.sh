# Shared helpers of the end-to-end scripts: a private X server, the program under it, windows
# found by title, clicks at client coordinates and screenshots. Source it; call e2e_cleanup on exit.

E2E_PIDS=()
# The program keeps a recovery file under XDG_STATE_HOME: a test's boards never reach the user's.
export XDG_STATE_HOME=${XDG_STATE_HOME_FOR_TESTS:-$(mktemp -d /tmp/curvana-e2e-state.XXXXXX)}
# Interrupted, a script still runs its EXIT trap and so ends what it started.
trap 'exit 130' INT
trap 'exit 143' TERM

# Reports a failure with a screenshot of the moment when a screen is up, and stops.
e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "${E2E_SCREEN_DIR:-}" ] && [ -n "${DISPLAY:-}" ] && import -window root "$E2E_SCREEN_DIR/failure.png" 2>/dev/null; then
        echo "      screen at the failure: $E2E_SCREEN_DIR/failure.png" >&2
    fi
    exit 1
}

e2e_need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is missing (run scripts/setup.sh)"
    done
}

# Starts Xvfb (of $E2E_SCREEN_SIZE, 1280x1024 unless set) on the first free display from
# $E2E_DISPLAY (90 unless set, so that people sharing a machine can each keep to their own) and
# exports DISPLAY. A script that runs two programs at once gives the second the next free one.
e2e_start_display() {
    local d=${E2E_DISPLAY:-90}
    while [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ]; do d=$((d + 1)); done
    Xvfb :$d -screen 0 "${E2E_SCREEN_SIZE:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$d ] && break; sleep 0.05; done
    [ -e /tmp/.X11-unix/X$d ] || e2e_fail "Xvfb did not start on :$d"
    export DISPLAY=:$d
    unset QT_QPA_PLATFORM
}

# Starts the program in the background; its output goes to $1.
e2e_start_program() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 &
    E2E_APP_PID=$!
    E2E_PIDS+=($E2E_APP_PID)
}

# Ends what this script started, newest first, by process id.
e2e_cleanup() {
    local i
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${E2E_PIDS[i]}" 2>/dev/null || true
        wait "${E2E_PIDS[i]}" 2>/dev/null || true
    done
    E2E_PIDS=()
    return 0
}

# Prints the id of the visible window whose title matches $1, waiting up to $2 seconds (10).
e2e_window() {
    local id
    id=$(timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] || e2e_fail "window \"$1\" did not appear"
    echo "$id"
}

# True while no visible window matches $1, waiting up to $2 seconds (10) for it to go.
e2e_window_gone() {
    local deadline=$((SECONDS + ${2:-10}))
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# Sets X and Y to the screen position of a window's top-left corner (its client area: no
# window manager runs, so there is no frame).
e2e_origin() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Clicks at a point given in twips inside window $1's client area (15 twips are one pixel).
e2e_click_twips() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    e2e_origin "$1"
    xdotool mousemove $((X + $2 / 15)) $((Y + $3 / 15)) click 1
}

# Binds every character of $1 above U+00FF that is on no key yet to a spare key of its own, for
# the life of the X server. xdotool types such a character by binding it to a spare key for that
# one key press and unbinding it at once; a program that reads the changed key map late (busy
# starting up, or on a loaded machine) then gets no character or the next one's: "具有动画显示"
# arrived as "具有画画示" or "具有动画" and the board opened in print mode. A binding that stays
# has no such race, and xdotool uses it as it uses any key.
e2e_bind_characters() {
    local map code keysym
    map=$(xmodmap -pke)
    for keysym in $(python3 -c 'import sys; print(" ".join(sorted({"U%04X" % ord(c) for c in sys.argv[1] if ord(c) > 0xFF})))' "$1"); do
        grep -qE "= (.* )?$keysym( |$)" <<<"$map" && continue
        # The highest keycode without a symbol; xdotool's own spare key is taken from the rest.
        code=$(awk '$1 == "keycode" && NF == 3 { free = $2 } END { print free }' <<<"$map")
        [ -n "$code" ] || e2e_fail "no spare key left to bind $keysym to"
        xmodmap -e "keycode $code = $keysym $keysym"
        map=$(xmodmap -pke)
    done
}

# Replaces the text of the focused text box or editable combo with $1.
e2e_retype() {
    e2e_bind_characters "$1"
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 120 -- "$1"
}

e2e_shot() { import -window root "$1"; }

# Under a window manager: sets X, Y, WIDTH and HEIGHT to window $1's client area on the screen
# (xdotool reports where the frame starts).
e2e_client_area() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $4} /Absolute upper-left Y/ {print "Y=" $4}
                                     /Width:/ {print "WIDTH=" $2} /Height:/ {print "HEIGHT=" $2}')"
}

# A click on the board's surface (window $1) near its lower left corner, away from every drawing.
e2e_focus_framed_board() {
    local X Y WIDTH HEIGHT
    e2e_client_area "$1"
    xdotool mousemove $((X + 60)) $((Y + HEIGHT - 70)) click 1
}

# Starts openbox and waits until it manages the screen. On a busy machine openbox has been seen to
# end at once without managing it; it is started again then, three times at most. What it says is
# kept beside the screenshots.
e2e_start_openbox() {
    local attempt pid log=${E2E_SCREEN_DIR:-/tmp}/openbox.log
    for attempt in 1 2 3; do
        openbox --sm-disable >>"$log" 2>&1 &
        pid=$!
        E2E_PIDS+=($pid)
        for _ in $(seq 200); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$pid" 2>/dev/null || true
        echo "openbox did not start (attempt $attempt), see $log" >&2
    done
    e2e_fail "openbox did not start"
}
