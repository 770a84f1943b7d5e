#!/usr/bin/env bash
# Takes the README's pictures of the real window on a private X display with a white desktop
# (tests/support/window_driver.sh), on a copy of the sample course:
# the main view, the follow-read screen and the repeat-read panel after a short take.
#
#   tools/screenshots.sh [OUT_DIR]      (default docs/screenshots; build first: tools/build.sh)
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/docs/screenshots}")
# shellcheck source-path=SCRIPTDIR source=../tests/support/window_driver.sh
. "$top/tests/support/window_driver.sh"

work=$(mktemp -d)
trap 'ui_quit; rm -rf "$work"' EXIT
mkdir -p "$out" "$work/course"
mkdir -m 700 "$work/runtime"
sample=$top/build/course
cp -r "$sample/setting" "$sample/data" "$sample/music" "$sample/Recorder.wav" "$work/course/"
# A voice for the take: a tone in the recording format.
sox -n -r 22050 -c 1 -b 16 -e signed-integer -t raw "$work/voice.raw" synth 30 sine 440 vol 0.5
export LANG=C.UTF-8 XDG_RUNTIME_DIR=$work/runtime SDL_AUDIODRIVER=disk \
    SDL_DISKAUDIOFILE=/dev/null SDL_DISKAUDIOFILEIN=$work/voice.raw

# The screen where the window is, on a white desktop (the window's corners are cut round);
# the pictures hold no time stamps, so two of the same pixels are the same bytes.
still() {
    ui_shot "$work/b.png" || return 1
    cmp -s "$work/a.png" "$work/b.png" && return 0
    mv "$work/b.png" "$work/a.png"
    return 1
}
# Moves the pointer off the window, waits until two screenshots in a row agree, keeps the last.
shot_when_still() {
    ui_xdo mousemove 0 0 || ui_fail
    ui_shot "$work/a.png" || ui_fail
    ui_until 10 still || ui_fail "the window does not settle for $1"
    mv "$work/b.png" "$out/$1"
    echo "wrote $out/$1"
}

ui_display -wr || ui_fail
ui_start "$work/log.txt" "$top/build/course/main" --folder "$work/course" || ui_fail
ui_wait_log 'store.query ' || ui_fail
shot_when_still main-view.png

ui_click xuanxiang 1 || ui_fail
ui_wait_log 'effect.play ' || ui_fail
shot_when_still follow-read.png

ui_click backbtn1 || ui_fail
ui_wait_log 'effect.play ' || ui_fail
ui_click xuanxiang 3 || ui_fail
ui_wait_log 'record.command open .*: ok' || ui_fail
ui_click startrec || ui_fail
ui_wait_log 'record.command Record: ok' || ui_fail
sleep 1.5 # a short take
ui_click stoprec || ui_fail
ui_wait_log 'record.command Stop: ok' || ui_fail
shot_when_still repeat-read.png
