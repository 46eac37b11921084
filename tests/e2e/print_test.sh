#!/usr/bin/env bash
# Printing on a real print server: starts a private CUPS server with a PDF printer as the default
# queue, draws on the board in print mode, prints it with the board's own command (文件 → 打印,
# Alt+Backspace) and checks the PDF that arrives. Then, with no print server at all, checks that
# the print command offers to save a PDF instead, declined once and accepted once.
#
#   tests/e2e/print_test.sh [PROGRAM]    (default: build-test/curvana)
#
# Needs cups, printer-driver-cups-pdf and poppler-utils; runs as root (the PDF backend must).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/steps.sh"
program=$(realpath "${1:-$here/../../build-test/curvana}")
out=${E2E_OUT:-/tmp/curvana-e2e}
[ -x "$program" ] || e2e_fail "no program at $program (build it first)"
e2e_need Xvfb xdotool xmodmap import convert python3 cupsd lpadmin pdftoppm
[ "$(id -u)" -eq 0 ] || e2e_fail "run as root: the PDF printer's backend needs it"
mkdir -p "$out"
export E2E_SCREEN_DIR=$out

work=$(mktemp -d /tmp/curvana-print.XXXXXX)
chmod 755 "$work"   # the filters run as the lp user and read the spool below it
queue=curvana-pdf-$$
# The PDF backend reads its settings only from /etc/cups; this queue's own file is removed again.
pdf_conf=/etc/cups/cups-pdf-$queue.conf
finish() {
    e2e_cleanup
    rm -f "$pdf_conf"
    rm -rf "$work"
}
trap finish EXIT

start_cups() {
    mkdir -p "$work"/{conf/ppd,spool,cache,state,log,pdf,home}
    cat >"$work/conf/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultPolicy open
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy open>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$work/conf/cups-files.conf" <<CONF
ServerRoot $work/conf
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/printcap
SystemGroup root
FileDevice No
CONF
    cat >"$pdf_conf" <<CONF
Out $work/pdf
Spool $work/cups-pdf-spool
Log $work/log
Grp root
CONF
    cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" &
    E2E_PIDS+=($!)
    export CUPS_SERVER=$work/cups.sock
    for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
    lpstat -r >/dev/null 2>&1 || e2e_fail "the print server did not start (see $work/log/error_log)"
    lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>&1 |
        grep -v "drivers are deprecated" >&2 || true
    lpadmin -d "$queue"
}

# Waits up to $2 seconds for a PDF in directory $1 and prints its name.
wait_pdf() {
    local deadline=$((SECONDS + $2)) pdf
    while [ $SECONDS -lt $deadline ]; do
        pdf=$(find "$1" -name '*.pdf' -size +0 2>/dev/null | head -n 1)
        [ -n "$pdf" ] && sleep 0.5 && echo "$pdf" && return 0
        sleep 0.2
    done
    return 1
}

# The page shows the board: its axes, the parabola and the segment where their formulas say.
check_page() {
    local pdf=$1 name=$2
    cp "$pdf" "$out/$name.pdf"
    # At this resolution even the axes' one-pixel lines keep a core of full blue.
    pdftoppm -r 150 -png -singlefile "$pdf" "$out/$name-page"
    python3 "$here/check_board.py" "$out/$name-page.png" --parabola "$A" "$B" "$C" \
        --segment $X1 $Y1 $X2 $Y2 2>"$out/$name-check.txt" ||
        { cat "$out/$name-check.txt" >&2; e2e_fail "$name: the page does not show the board's drawing ($out/$name-page.png)"; }
    rm -f "$out/$name.pdf" "$out/$name-page.png" "$out/$name-check.txt"
}

print_to_server() {
    local pdf
    start_cups
    export HOME=$work/home   # no personal default printer
    start_in_mode 具有打印功能
    draw_parabola
    draw_default_segment
    focus_board
    xdotool key alt+BackSpace
    pdf=$(wait_pdf "$work/pdf" 60) || e2e_fail "no PDF arrived from the print server (see $work/log)"
    check_page "$pdf" printed
    echo "printing: the print server's PDF shows the board with its drawing"
    e2e_cleanup
}

no_printer() {
    local saved=$work/saved/board.pdf
    mkdir -p "$work/saved"
    export CUPS_SERVER=$work/nothing.sock
    start_in_mode 具有打印功能
    draw_parabola
    draw_default_segment
    focus_board
    xdotool key alt+BackSpace
    e2e_window '^打印$' >/dev/null
    xdotool key Escape                       # declined: nothing to save
    e2e_window_gone '^打印$' || e2e_fail "the no-printer message does not close with Escape"
    ! timeout 1 xdotool search --sync --onlyvisible --name 保存为PDF文件 >/dev/null 2>&1 ||
        e2e_fail "declining the offer still asks for a file"
    focus_board
    xdotool key alt+BackSpace
    e2e_window '^打印$' >/dev/null
    xdotool key Return                       # accepted: the default button
    e2e_window 保存为PDF文件 >/dev/null
    e2e_retype "$saved"
    xdotool key Return
    wait_pdf "$work/saved" 20 >/dev/null || e2e_fail "the offered PDF file was not written"
    check_page "$saved" saved
    echo "no printer: the message offers a PDF file, which shows the board with its drawing"
    e2e_cleanup
}

print_to_server
no_printer
echo "print test passed"
