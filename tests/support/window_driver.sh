# shellcheck shell=bash
# shellcheck disable=SC2034 # UI_ variables are for the scripts that source this file
# window_driver.sh: drives the real program's window on a private X display as a learner would:
# start the program, find its window, point at controls where the layout places them, wait for
# lines of its action log, answer its message boxes. Source it from a bash script; it needs
# Xvfb, openbox, xdotool, jq and ImageMagick (tools/packages.txt).
#
#   ui_display [XVFB_ARG...]      Xvfb on a display the server picks itself (-displayfd, so that
#                                 scripts started at once never share one), 1024x768x24 plus
#                                 XVFB_ARG, then openbox; waits until openbox runs; exports DISPLAY
#   ui_start LOG [VAR=VALUE...] MAIN [ARG...]
#                                 starts MAIN --log LOG ARG... on that display, VAR=VALUE added to
#                                 its environment, its output in LOG.out and LOG.err; waits for
#                                 its window "Tovanel". Sets UI_PID and UI_WIN.
#   ui_place NAME [INDEX]         "LEFT TOP WIDTH HEIGHT": the control in window pixels, from its
#                                 place in resources/forms/main.json and the containers it lies in
#   ui_move NAME [INDEX] [DX DY]  the pointer onto the control's centre, or DX DY from its top left
#   ui_click NAME [INDEX] [DX DY] ui_move, ui_mark, one click; ui_double_click: two
#   ui_mark [LINE]                later waits look only at log lines after LINE (default: the
#                                 lines written so far)
#   ui_wait_log ERE [SECONDS]     waits for a log line matching ERE (grep -E) after the mark; its
#                                 number in UI_LINE (ui_mark "$UI_LINE" to look on after it)
#   ui_dismiss TITLE              waits for the program's message box TITLE, answers it (Enter)
#                                 and waits until it is gone
#   ui_wait_exit [SECONDS]        waits for the program to end by itself; its status in UI_STATUS
#   ui_stop                       ends the program if it still runs (TERM, then KILL)
#   ui_quit                       ui_stop, then openbox and Xvfb
#   ui_until SECONDS COMMAND...   runs COMMAND until it succeeds (SECONDS: whole seconds, here and
#                                 in every wait)
#   ui_xdo ARG...                 xdotool ARG...
#   ui_shot FILE                  the screen where the window is, as PNG; ui_pixel FILE X Y: one
#                                 pixel of a picture, "#RRGGBB"
#   ui_fail [MESSAGE]             prints MESSAGE, the log and the program's error output, then
#                                 ui_quit and exit 1
#
# A script calls ui_display once, with "trap ui_quit EXIT", and may start the program many
# times. A function that fails says why on stderr and returns 1; a script that stops at the
# first failure writes "ui_... || ui_fail". Every wait gives up after SECONDS (default UI_DEADLINE,
# 20), and at once when the program has ended (after one last look, for what it did before it
# ended); every xdotool and import call gives up after UI_DEADLINE. These bound hangs; they
# never measure speed.

UI_DEADLINE=${UI_DEADLINE:-20}
UI_FORM=${UI_FORM:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/resources/forms/main.json}
UI_PID=""
UI_WIN=""
UI_LOG=""
UI_MARK=0
UI_LINE=0
UI_STATUS=""
_ui_xvfb=""
_ui_wm=""
_ui_dir=""

# Microseconds since the epoch.
_ui_now() { echo "${EPOCHREALTIME/[.,]/}"; }

# Runs COMMAND every 0.05 s until it succeeds, for at most SECONDS; gives up at once when
# process PID (if any) has ended and one last run failed too.
_ui_await() { # SECONDS PID COMMAND...
    local end pid=$2
    end=$(($(_ui_now) + $1 * 1000000))
    shift 2
    until "$@"; do
        if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
            "$@"
            return
        fi
        [ "$(_ui_now)" -lt "$end" ] || return 1
        sleep 0.05
    done
}

ui_until() {
    local seconds=$1
    shift
    _ui_await "$seconds" "$UI_PID" "$@"
}

ui_xdo() { timeout "$UI_DEADLINE" xdotool "$@"; }

_ui_running() { [ -n "$UI_PID" ] && kill -0 "$UI_PID" 2>/dev/null; }
# Why a wait for the program failed: it ended, or the time ran out.
_ui_why() { if [ -n "$UI_PID" ] && ! _ui_running; then echo "the program ended"; else echo "not within $1 s"; fi; }

ui_display() {
    local number
    _ui_dir=$(mktemp -d)
    mkfifo "$_ui_dir/displayfd"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset "$@" \
        3>"$_ui_dir/displayfd" >"$_ui_dir/xvfb.log" 2>&1 &
    _ui_xvfb=$!
    if ! read -r -t "$UI_DEADLINE" number <"$_ui_dir/displayfd" || [ -z "$number" ]; then
        echo "ui: Xvfb did not start: $(cat "$_ui_dir/xvfb.log")" >&2
        return 1
    fi
    export DISPLAY=":$number"
    # A window mapped before openbox has taken the screen may never be shown: openbox runs
    # its start-up command once it manages the screen.
    openbox --sm-disable --startup "touch $_ui_dir/wm-ready" >"$_ui_dir/openbox.log" 2>&1 &
    _ui_wm=$!
    _ui_await "$UI_DEADLINE" "$_ui_wm" test -e "$_ui_dir/wm-ready" && return 0
    echo "ui: openbox did not start: $(cat "$_ui_dir/openbox.log")" >&2
    return 1
}

_ui_window_shown() {
    UI_WIN=$(ui_xdo search --all --onlyvisible --pid "$UI_PID" --name '^Tovanel$' 2>/dev/null | head -n 1)
    [ -n "$UI_WIN" ]
}

ui_start() {
    local env=()
    UI_LOG=$1
    shift
    while [[ ${1:-} =~ ^[A-Za-z_][A-Za-z0-9_]*= ]]; do
        env+=("$1")
        shift
    done
    local main=$1
    shift
    : >"$UI_LOG"
    UI_MARK=0 UI_LINE=0 UI_WIN="" UI_STATUS=""
    env QT_QPA_PLATFORM=xcb "${env[@]}" "$main" --log "$UI_LOG" "$@" >"$UI_LOG.out" 2>"$UI_LOG.err" &
    UI_PID=$!
    ui_until "$UI_DEADLINE" _ui_window_shown && return 0
    echo "ui: no window \"Tovanel\": $(_ui_why "$UI_DEADLINE")" >&2
    return 1
}

# The container's place ("in": "frame" or "frame(index)") plus the control's own, twips
# rounded to pixels at each level as the view does.
ui_place() {
    jq -r --arg key "$1${2:+($2)}" '
        def px: (. + 7) / 15 | floor;
        (.controls | map({key: (.name + (if .index == null then "" else "(\(.index))" end)), value: .})
                   | from_entries) as $by
        | def origin($k): if $k == null then [0, 0]
                          elif $by[$k] == null then error("the layout has no container \($k)")
                          else $by[$k] as $c | origin($c.in) as $o
                               | [$o[0] + ($c.place[0] | px), $o[1] + ($c.place[1] | px)] end;
          $by[$key] as $c
        | if $c == null then error("the layout has no control \($key)") else
          origin($c.in) as $o
          | "\($o[0] + ($c.place[0] | px)) \($o[1] + ($c.place[1] | px)) \($c.place[2] | px) \($c.place[3] | px)" end
    ' "$UI_FORM"
}

ui_move() {
    local l t w h x y
    read -r l t w h <<<"$(ui_place "$1" "${2:-}")"
    [ -n "$h" ] || { echo "ui: no place for $* in the layout" >&2; return 1; }
    if [ $# -ge 4 ]; then x=$((l + $3)) y=$((t + $4)); else x=$((l + w / 2)) y=$((t + h / 2)); fi
    ui_xdo mousemove --window "$UI_WIN" "$x" "$y"
}

ui_mark() { UI_MARK=${1:-$(wc -l <"$UI_LOG")}; }

ui_click() { ui_move "$@" && ui_mark && ui_xdo click 1; }

ui_double_click() { ui_move "$@" && ui_mark && ui_xdo click --repeat 2 --delay 100 1; }

_ui_log_has() {
    local n
    n=$(tail -n "+$((UI_MARK + 1))" "$UI_LOG" 2>/dev/null | grep -m 1 -n -E -e "$1" | cut -d: -f1)
    [ -n "$n" ] && UI_LINE=$((UI_MARK + n))
}

ui_wait_log() {
    local seconds=${2:-$UI_DEADLINE}
    ui_until "$seconds" _ui_log_has "$1" && return 0
    echo "ui: no log line matching '$1' after line $UI_MARK: $(_ui_why "$seconds")" >&2
    return 1
}

_ui_box=""
_ui_box_shown() {
    _ui_box=$(ui_xdo search --all --onlyvisible --pid "$UI_PID" --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$_ui_box" ]
}
_ui_box_gone() { ! _ui_box_shown "$1"; }

ui_dismiss() {
    ui_until "$UI_DEADLINE" _ui_box_shown "$1" \
        || { echo "ui: no message box \"$1\": $(_ui_why "$UI_DEADLINE")" >&2; return 1; }
    ui_xdo windowactivate --sync "$_ui_box" key --clearmodifiers Return \
        || { echo "ui: cannot answer the message box \"$1\"" >&2; return 1; }
    ui_until "$UI_DEADLINE" _ui_box_gone "$1" && return 0
    echo "ui: the message box \"$1\" stays after Enter" >&2
    return 1
}

_ui_ended() { ! kill -0 "$1" 2>/dev/null; }

ui_wait_exit() {
    local seconds=${1:-$UI_DEADLINE}
    [ -n "$UI_PID" ] || return 0
    if ! _ui_await "$seconds" "" _ui_ended "$UI_PID"; then
        echo "ui: the program did not end within $seconds s" >&2
        return 1
    fi
    wait "$UI_PID"
    UI_STATUS=$?
    UI_PID=""
}

ui_stop() {
    [ -n "$UI_PID" ] || return 0
    kill -TERM "$UI_PID" 2>/dev/null
    _ui_await "$UI_DEADLINE" "" _ui_ended "$UI_PID" || kill -KILL "$UI_PID" 2>/dev/null
    wait "$UI_PID" 2>/dev/null
    UI_STATUS=$?
    UI_PID=""
}

ui_quit() {
    ui_stop
    local pid
    for pid in "$_ui_wm" "$_ui_xvfb"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    [ -n "$_ui_dir" ] && rm -rf "$_ui_dir"
    _ui_wm="" _ui_xvfb="" _ui_dir=""
    return 0
}

ui_shot() {
    # shellcheck disable=SC2034 # xdotool sets all six
    local X Y WIDTH HEIGHT SCREEN WINDOW geometry
    geometry=$(ui_xdo getwindowgeometry --shell "$UI_WIN") || return 1
    eval "$geometry"
    timeout "$UI_DEADLINE" import -silent -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage \
        -strip -define png:exclude-chunks=date,time "$1"
}

ui_pixel() { identify -format "%[hex:p{$2,$3}]" "$1" | cut -c1-6 | sed 's/^/#/'; }

ui_fail() {
    [ $# -eq 0 ] || echo "FAIL: $*" >&2
    [ -n "$UI_PID" ] && ! _ui_running && echo "(the program has ended)" >&2
    if [ -n "$UI_LOG" ] && [ -f "$UI_LOG" ]; then
        echo "--- log ---" >&2
        cat "$UI_LOG" >&2
        echo "--- error output ---" >&2
        cat "$UI_LOG.err" >&2
    fi
    ui_quit
    exit 1
}
