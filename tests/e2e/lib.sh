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

# Starts Xvfb on the first free display from :$E2E_FIRST_DISPLAY (:90 unless set), of
# $E2E_SCREEN_SIZE (1280x1024 unless set), and exports DISPLAY.
e2e_start_display() {
    local d=${E2E_FIRST_DISPLAY:-90}
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

# Replaces the text of the focused text box or editable combo with $1. For a character that
# is on no key xdotool binds a spare key while typing it; the program must see that binding
# before it is undone, which the slow pace allows for.
e2e_retype() {
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 120 -- "$1"
}

e2e_shot() { import -window root "$1"; }
