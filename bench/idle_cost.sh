#!/usr/bin/env bash
# What the program costs at rest: CPU over 10 s with the window shown and nothing playing,
# CPU over 10 s with the pointer resting on a menu button, and resident memory after start-up
# on the sample course. Prints each figure against its target.
#
#   bench/idle_cost.sh [MAIN [SECONDS]]    (default build/course/main, 10 s; on a private X
#                                          display with openbox, tests/support/window_driver.sh)
# SDL_AUDIODRIVER is "disk" writing to /dev/null unless set: like a sound card, it keeps the
# mixer running; "dummy" does not.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
main=$(realpath "${1:-$top/build/course/main}")
seconds=${2:-10}
# shellcheck source-path=SCRIPTDIR source=../tests/support/window_driver.sh
. "$top/tests/support/window_driver.sh"

work=$(mktemp -d)
mkdir -m 700 "$work/runtime"
trap 'ui_quit; rm -rf "$work"' EXIT
export LANG=C.UTF-8 XDG_RUNTIME_DIR=$work/runtime
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-disk} SDL_DISKAUDIOFILE=${SDL_DISKAUDIOFILE:-/dev/null}

# CPU time used so far, in microseconds: utime + stime of /proc/PID/stat (clock ticks, charged
# to whoever runs when the tick comes), and the exact run time of all threads in their
# /proc/PID/task/*/schedstat (nanoseconds; threads that ended are not counted).
ticks=$(getconf CLK_TCK)
cpu_stat_us() { sed 's/^.*) //' "/proc/$UI_PID/stat" | awk -v t="$ticks" '{ print ($12 + $13) * 1000000 / t }'; }
cpu_sched_us() { cat /proc/"$UI_PID"/task/*/schedstat | awk '{ n += $1 } END { print n / 1000 }'; }
# Per thread: "NAME VOLUNTARY_SWITCHES RUN_TIME_NS", one line each, in task order.
threads() {
    local t
    for t in /proc/"$UI_PID"/task/*; do
        printf '%s %s %s\n' "$(tr ' ' _ <"$t/comm")" "$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$t/status")" \
            "$(awk '{ print $1 }' "$t/schedstat")"
    done
}
# Percent of one core used over SECONDS from now, both ways: "STAT SCHED", two decimals each.
# Also keeps each thread's wakes a second and share in $work/threads.
cpu_percent() {
    local stat sched
    stat=$(cpu_stat_us) sched=$(cpu_sched_us)
    threads >"$work/before"
    sleep "$seconds"
    threads >"$work/after"
    paste -d' ' "$work/before" "$work/after" | awk -v s="$seconds" \
        '$5 - $2 > 0 { printf "    %-16s %5.0f wakes/s %6.2f %%\n", $1, ($5 - $2) / s, ($6 - $3) / s / 1e7 }' >"$work/threads"
    awk -v a="$stat" -v b="$(cpu_stat_us)" -v c="$sched" -v d="$(cpu_sched_us)" -v s="$seconds" \
        'BEGIN { printf "%.2f %.2f", (b - a) / s / 10000, (d - c) / s / 10000 }'
}
report() { # WHAT VALUE UNIT TARGET
    awk -v w="$1" -v v="$2" -v u="$3" -v t="$4" \
        'BEGIN { printf "%-42s %8s %-4s target < %s %s: %s\n", w, v, u, t, u, (v + 0 < t + 0 ? "met" : "MISSED") }'
}

ui_display || ui_fail
ui_start "$work/log.txt" "$main" || ui_fail
ui_wait_log 'store.query ' || ui_fail
# Let start-up finish painting and the list fill before measuring.
sleep 2
rss=$(awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$UI_PID/status")
# The pointer away from the window, then resting on the first menu button.
ui_xdo mousemove 1 1
sleep 0.5
read -r idle idle_exact <<<"$(cpu_percent)"
cp "$work/threads" "$work/threads.idle"
ui_move xuanxiang 1 || ui_fail
sleep 0.1
ui_xdo mousemove_relative 1 0 # the second move over a button shows it hovered
sleep 0.5
read -r hover hover_exact <<<"$(cpu_percent)"

echo "idle cost of $main (audio driver $SDL_AUDIODRIVER, $seconds s each)"
report "resident memory after start-up (VmRSS)" "$rss" MiB 80
report "CPU at rest, window shown" "$idle" % 1
report "  the same, exact run time (schedstat)" "$idle_exact" % 1
cat "$work/threads.idle"
report "CPU with the pointer on a menu button" "$hover" % 1
report "  the same, exact run time (schedstat)" "$hover_exact" % 1
cat "$work/threads"
