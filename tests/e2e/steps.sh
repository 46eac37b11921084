# The steps of the end-to-end scripts on Curvana's own windows: start in a mode, draw the red
# parabola y = 0.5x^2 + x - 2 from "初等函数" and the default segment from "直线". Positions are
# the windows' designs in twips. Source it after lib.sh; sets `board` to the board's window.

A=0.5 B=+1 C=-2
X1=0 Y1=0 X2=1 Y2=1   # the line dialog's default segment

# Clicks on the board's surface near its lower left corner, away from every drawing: the board
# takes the keyboard focus, and a click that does not move draws nothing.
focus_board() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    e2e_origin "$board"
    xdotool mousemove $((X + 60)) $((Y + HEIGHT - 70)) click 1
}

# Starts the program (with a private X server) and opens the board in the mode typed as $1.
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

