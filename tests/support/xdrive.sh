# shellcheck shell=bash
# xdrive.sh: drives the real program's window on a private X display, as a learner would.
# Source it from a bash test script (needs Xvfb, openbox, xdotool and jq: tools/packages.txt).
#
#   xd_start_display             Xvfb on a free display (chosen by the server itself, so
#                                suites started at the same time never share one) with
#                                openbox; exports DISPLAY. xd_stop_display ends both.
#   xd_place NAME [INDEX]        "X Y": the centre of a control of the lesson window in window
#                                pixels, from its place in resources/forms/main.json (twips,
#                                15 per pixel, added up through the controls it lies in).
#   xd_window PID                waits for the program's 800 x 600 window; prints its id.
#   xd_click WINDOW NAME [INDEX] moves the pointer onto the control and clicks it.
#   xd_click_at WINDOW X Y [N]   clicks N times (2: a double-click) at window pixel X, Y.
#   xd_wait_log FILE ERE [FROM]  waits for a line of the action log matching ERE after line
#                                FROM (0: anywhere); prints its number; fails at the deadline.
#   xd_dismiss TITLE             waits for a message box of that title and answers it (Enter).
#
# Every wait gives up after XD_DEADLINE seconds (default 15), and so does every xdotool call:
# a deadline against a hang, never a measure of speed.

XD_DEADLINE=${XD_DEADLINE:-15}
XD_FORM=${XD_FORM:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/resources/forms/main.json}
XD_TWIPS_PER_PIXEL=15
_xd_xvfb_pid=
_xd_wm_pid=
_xd_tmp=

# Seconds since the epoch, with fractions; deadlines are computed from it.
_xd_now() { date +%s.%N; }
_xd_past() { awk -v a="$(_xd_now)" -v b="$1" 'BEGIN { exit !(a > b) }'; }
_xd_deadline() { awk -v a="$(_xd_now)" -v s="$XD_DEADLINE" 'BEGIN { printf "%.3f", a + s }'; }

xd_start_display() {
  local screen=${1:-1024x768x24} until
  _xd_tmp=$(mktemp -d)
  mkfifo "$_xd_tmp/displayfd"
  Xvfb -displayfd 7 -screen 0 "$screen" -nolisten tcp -noreset 7>"$_xd_tmp/displayfd" >"$_xd_tmp/xvfb.log" 2>&1 &
  _xd_xvfb_pid=$!
  local number
  if ! read -r -t "$XD_DEADLINE" number <"$_xd_tmp/displayfd" || [ -z "$number" ]; then
    echo "xdrive: Xvfb did not start: $(cat "$_xd_tmp/xvfb.log")" >&2
    return 1
  fi
  export DISPLAY=":$number"
  openbox --sm-disable --startup "touch $_xd_tmp/wm-ready" >"$_xd_tmp/openbox.log" 2>&1 &
  _xd_wm_pid=$!
  until=$(_xd_deadline)
  until [ -e "$_xd_tmp/wm-ready" ]; do
    _xd_past "$until" && { echo "xdrive: openbox did not start: $(cat "$_xd_tmp/openbox.log")" >&2; return 1; }
    sleep 0.05
  done
}

xd_stop_display() {
  [ -n "$_xd_wm_pid" ] && kill "$_xd_wm_pid" 2>/dev/null && wait "$_xd_wm_pid" 2>/dev/null
  [ -n "$_xd_xvfb_pid" ] && kill "$_xd_xvfb_pid" 2>/dev/null && wait "$_xd_xvfb_pid" 2>/dev/null
  [ -n "$_xd_tmp" ] && rm -rf "$_xd_tmp"
  _xd_wm_pid='' _xd_xvfb_pid='' _xd_tmp=''
  return 0
}

xd_place() {
  jq -r --arg name "$1" --arg index "${2:-}" --argjson tpp "$XD_TWIPS_PER_PIXEL" '
    def key: .name + (if .index == null then "" else "(\(.index))" end);
    (.controls | map({key: key, value: .}) | from_entries) as $all
    | def origin($k):
        if $all[$k] == null then error("the form has no control \($k)") else
        $all[$k] as $c | (if $c.in then origin($c.in) else [0, 0] end) as $o
        | [$o[0] + $c.place[0], $o[1] + $c.place[1]] end;
      ($name + (if $index == "" then "" else "(\($index))" end)) as $k
      | origin($k) as $o | $all[$k].place as $p
      | "\(($o[0] + $p[2] / 2) / $tpp | floor) \(($o[1] + $p[3] / 2) / $tpp | floor)"
  ' "$XD_FORM"
}

xd_window() {
  local pid=$1 until w
  until=$(_xd_deadline)
  while :; do
    for w in $(timeout "$XD_DEADLINE" xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      if timeout "$XD_DEADLINE" xdotool getwindowgeometry "$w" 2>/dev/null | grep -q 'Geometry: 800x600'; then
        echo "$w"
        return 0
      fi
    done
    kill -0 "$pid" 2>/dev/null || { echo "xdrive: the program ended before its window showed" >&2; return 1; }
    _xd_past "$until" && { echo "xdrive: no window of process $pid within ${XD_DEADLINE}s" >&2; return 1; }
    sleep 0.05
  done
}

xd_click_at() {
  timeout "$XD_DEADLINE" xdotool mousemove --window "$1" "$2" "$3" sleep 0.05 click --repeat "${4:-1}" --delay 80 1
}

xd_click() {
  local window=$1 place
  place=$(xd_place "$2" "${3:-}") || return 1
  # shellcheck disable=SC2086
  xd_click_at "$window" $place
}

xd_wait_log() {
  local file=$1 ere=$2 from=${3:-0} until n
  until=$(_xd_deadline)
  while :; do
    n=$(tail -n "+$((from + 1))" "$file" 2>/dev/null | grep -m 1 -n -E -e "$ere" | cut -d: -f1)
    [ -n "$n" ] && { echo $((n + from)); return 0; }
    _xd_past "$until" && { echo "xdrive: no log line matching /$ere/ after line $from within ${XD_DEADLINE}s" >&2; return 1; }
    sleep 0.05
  done
}

xd_dismiss() {
  local title=$1 until w
  until=$(_xd_deadline)
  while :; do
    w=$(timeout "$XD_DEADLINE" xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
    [ -n "$w" ] && break
    _xd_past "$until" && { echo "xdrive: no message box \"$title\" within ${XD_DEADLINE}s" >&2; return 1; }
    sleep 0.05
  done
  timeout "$XD_DEADLINE" xdotool windowactivate --sync "$w" key --clearmodifiers Return
}
