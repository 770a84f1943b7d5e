# shellcheck shell=bash
# Drives the real lesson window under X as a learner would: start the program, find its
# window, point at controls where the layout places them, wait for lines of its action log.
# Sourced by bash scripts that run inside an X server (xvfb-run); needs openbox, xdotool, jq
# and ImageMagick. Every wait has a deadline; a failed wait prints the log and ends the script.
#
#   ui_start MAIN LAYOUT LOG [ARG...]   start openbox (once) and MAIN --log LOG ARG...; wait for
#                                       its window
#   ui_place NAME [INDEX]               the control's place in window pixels: "LEFT TOP WIDTH HEIGHT"
#   ui_screen_point NAME [INDEX] [DX DY]  its centre (or DX DY from its top left) on the screen: "X Y"
#   ui_move NAME [INDEX] [DX DY]        move the pointer there
#   ui_click / ui_double_click NAME [INDEX] [DX DY]   move there, ui_mark, click once / twice
#   ui_mark                             later waits look only at log lines written from now on
#   ui_wait_log REGEX [SECONDS]         wait for such a line (grep -E) from the mark on; 10 s
#   ui_wait_exit [SECONDS]              wait for the program to end by itself; status in UI_STATUS
#   ui_shot FILE                        a screenshot of the window
#   ui_pixel FILE X Y                   a pixel of a picture: "#RRGGBB"
#   ui_stop                             end the program if it still runs; ui_quit also openbox
#   ui_until SECONDS COMMAND...         run COMMAND every 0.1 s until it succeeds (status 1 if never)

UI_PID=""
UI_WM=""
UI_WIN=""
UI_LOG=""
UI_LAYOUT=""
UI_MARK=0
UI_STATUS=""

ui_fail() {
    echo "FAIL: $*" >&2
    if [ -n "$UI_LOG" ] && [ -f "$UI_LOG" ]; then
        echo "--- log ---" >&2
        cat "$UI_LOG" >&2
    fi
    ui_quit
    exit 1
}

ui_until() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

ui_start() {
    local main=$1
    UI_LAYOUT=$2
    UI_LOG=$3
    shift 3
    if [ -z "$UI_WM" ]; then
        openbox >/dev/null 2>&1 &
        UI_WM=$!
        # A window mapped while the window manager is still starting may never be shown.
        ui_until 10 ui_wm_ready || ui_fail "openbox did not start"
    fi
    : >"$UI_LOG"
    UI_MARK=0
    "$main" --log "$UI_LOG" "$@" &
    UI_PID=$!
    ui_until 20 ui_window_found || ui_fail "no window named Tovanel appeared"
}

ui_wm_ready() { xdotool get_num_desktops >/dev/null 2>&1; }

ui_window_found() {
    kill -0 "$UI_PID" 2>/dev/null || ui_fail "the program ended before its window appeared"
    UI_WIN=$(xdotool search --onlyvisible --name '^Tovanel$' 2>/dev/null | head -n 1)
    [ -n "$UI_WIN" ]
}

# The container's place ("in": "frame" or "frame(index)") plus the control's own, twips
# rounded to pixels at each level as the view does.
ui_place() {
    jq -r --arg key "$1${2:+($2)}" '
        def px: (. + 7) / 15 | floor;
        (.controls | map({key: (.name + (if has("index") then "(\(.index))" else "" end)), value: .})
                   | from_entries) as $by
        | def origin($k): if $k == null then [0, 0]
                          else $by[$k] as $c | origin($c.in) as $o
                               | [$o[0] + ($c.place[0] | px), $o[1] + ($c.place[1] | px)] end;
          $by[$key] as $c
        | if $c == null then error("no control \($key) in the layout") else
          origin($c.in) as $o
          | "\($o[0] + ($c.place[0] | px)) \($o[1] + ($c.place[1] | px)) \($c.place[2] | px) \($c.place[3] | px)" end
    ' "$UI_LAYOUT"
}

ui_screen_point() {
    # shellcheck disable=SC2034 # xdotool sets all six
    local l t w h x y X Y WIDTH HEIGHT SCREEN WINDOW
    read -r l t w h <<<"$(ui_place "$1" "${2:-}")"
    if [ $# -ge 4 ]; then x=$((l + $3)) y=$((t + $4)); else x=$((l + w / 2)) y=$((t + h / 2)); fi
    eval "$(xdotool getwindowgeometry --shell "$UI_WIN")"
    echo "$((X + x)) $((Y + y))"
}

ui_move() {
    local point
    point=$(ui_screen_point "$@")
    [ -n "$point" ] || ui_fail "no place for $* in the layout"
    # shellcheck disable=SC2086
    xdotool mousemove $point
}

ui_mark() { UI_MARK=$(wc -l <"$UI_LOG"); }

ui_click() {
    ui_move "$@"
    ui_mark
    xdotool click 1
}

ui_double_click() {
    ui_move "$@"
    ui_mark
    xdotool click --repeat 2 --delay 100 1
}

ui_log_has() { tail -n +$((UI_MARK + 1)) "$UI_LOG" | grep -Eq -- "$1"; }

ui_log_has_or_running() {
    ui_log_has "$1" && return 0
    kill -0 "$UI_PID" 2>/dev/null || ui_fail "the program ended before a log line matching '$1'"
    return 1
}

ui_wait_log() {
    ui_until "${2:-10}" ui_log_has_or_running "$1" || ui_fail "no log line matching '$1' within ${2:-10} s"
}

ui_ended() { ! kill -0 "$UI_PID" 2>/dev/null; }

ui_wait_exit() {
    ui_until "${1:-10}" ui_ended || ui_fail "the program did not end within ${1:-10} s"
    wait "$UI_PID"
    # shellcheck disable=SC2034 # for the caller
    UI_STATUS=$?
    UI_PID=""
}

ui_shot() { import -silent -window "$UI_WIN" "$1"; }

ui_pixel() { identify -format "%[hex:p{$2,$3}]" "$1" | cut -c1-6 | sed 's/^/#/'; }

ui_stop() {
    [ -n "$UI_PID" ] || return 0
    kill "$UI_PID" 2>/dev/null
    wait "$UI_PID" 2>/dev/null
    UI_PID=""
}

ui_quit() {
    ui_stop
    [ -n "$UI_WM" ] || return 0
    kill "$UI_WM" 2>/dev/null
    wait "$UI_WM" 2>/dev/null
    UI_WM=""
}
