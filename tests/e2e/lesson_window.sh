#!/usr/bin/env bash
# The real program on a copy of the sample course, under X with SDL's disk audio driver, driven
# with the pointer as a learner drives it: listen-read and a double-clicked row, the word
# category, the follow-read run over the first two items, a recorded take and its play-back,
# then the course choice, which writes its key and ends the program.
#
#   lesson_window.sh MAIN COURSE_DIR ART_DIR WORK_DIR
# COURSE_DIR is the sample course the build lays out, ART_DIR the window's artwork as PNG files.
# It starts its own X display (tests/support/window_driver.sh).
set -uo pipefail
main=$1 sample=$2 art_dir=$3 work=$4
top=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source-path=SCRIPTDIR source=../support/window_driver.sh
. "$top/tests/support/window_driver.sh"

rm -rf "$work"
mkdir -p "$work/runtime" "$work/course"
chmod 700 "$work/runtime"
course=$work/course
cp -r "$sample/setting" "$sample/data" "$sample/music" "$sample/Recorder.wav" "$course/"
cp "$course/setting/system.ini" "$work/system.ini.before"

# The learner's voice: a steady 440 Hz tone in the recording format of Recorder.wav.
sox -n -r 22050 -c 1 -b 16 -e signed-integer -t raw "$work/voice.raw" synth 60 sine 440 vol 0.5
export LANG=C.UTF-8 XDG_RUNTIME_DIR=$work/runtime SDL_AUDIODRIVER=disk \
    SDL_DISKAUDIOFILE=$work/out.raw SDL_DISKAUDIOFILEIN=$work/voice.raw
trap ui_quit EXIT
ui_display || ui_fail

# The sound the mixer writes from now on: a second of it, from 0.2 s on (what was mixed before
# the last log line is still being written), must be loud and, if asked, of a rough frequency
# from LOW to HIGH Hz (the left channel).
rate=44100 channels=2
out=$work/out.raw
written_past() { [ "$(stat -c %s "$out")" -ge "$1" ]; }
check_sound() { # WHAT [LOW HIGH]
    local frame=$((2 * channels)) second=$((rate * 2 * channels)) start amplitude frequency
    start=$(($(stat -c %s "$out") / frame * frame + second / 5))
    ui_until 20 written_past $((start + second)) || ui_fail "$1: the mixer stopped writing"
    read -r amplitude frequency <<<"$(tail -c +$((start + 1)) "$out" | head -c "$second" |
        sox -t raw -r "$rate" -e signed-integer -b 16 -c "$channels" - -n remix 1 stat 2>&1 |
        awk '/^Maximum amplitude/ { a = $3 } /^Rough/ { f = $3 } END { print a, f }')"
    awk -v a="$amplitude" -v f="$frequency" -v lo="${2:-0}" -v hi="${3:-1000000}" \
        'BEGIN { exit !(a > 0.05 && f >= lo && f <= hi) }' || ui_fail "$1: amplitude $amplitude, frequency $frequency Hz"
}

ui_start "$work/log.txt" "$main" --folder "$course" || ui_fail
ui_wait_log '^ *[0-9]+ audio.open disk, ' || ui_fail
read -r rate channels <<<"$(sed -n 's/^ *[0-9]* audio.open disk, \([0-9]*\) Hz, \([0-9]*\) channels$/\1 \2/p' "$work/log.txt")"
ui_wait_log 'store.query study "dext1基本课文": 9 rows' || ui_fail

# Whether the window shows, at (DX, DY) of control NAME [INDEX], the pixel (DX, DY) of picture ART.
shows_art() { # ART NAME INDEX DX DY
    local l t _
    read -r l t _ <<<"$(ui_place "$2" "$3")"
    ui_shot "$work/shot.png"
    [ "$(ui_pixel "$work/shot.png" $((l + $4)) $((t + $5)))" = "$(ui_pixel "$art_dir/$1.png" "$4" "$5")" ]
}

# The pointer resting on a menu button shows its Over skin, and the Up skin comes back once the
# pointer has left the window: (20, 15) is a pixel of the skins' symbol, coral over, teal up.
# The first move over a button only starts its tracking, and Qt merges moves that come close
# together: the pointer keeps stirring by a pixel until the button looks hovered.
step=1
stir_and_look() {
    step=$((-step))
    ui_xdo mousemove_relative -- "$step" 0
    shows_art xuanxiang_1_over xuanxiang 1 20 15
}
ui_move xuanxiang 1 || ui_fail
ui_until 20 stir_and_look || ui_fail "the menu button does not look hovered"
ui_xdo mousemove 0 0 || ui_fail
ui_until 20 shows_art xuanxiang_1_up xuanxiang 1 20 15 || ui_fail "the menu button still looks hovered"

# Listen-read, then a double-click on the list's second row plays that row's clip. The list's
# heading and rows are drawn 24 and 22 pixels high.
ui_click xuanxiang 2 || ui_fail
ui_wait_log 'effect.play .*/music/click.wav' || ui_fail
ui_double_click ListView1 "" 100 $((24 + 22 + 11)) || ui_fail
ui_wait_log "player.play $course/music/jiben02.mp3\$" || ui_fail
check_sound "row 2's clip"

# The word category shows the pronunciation frame over the panes: its "发音" tag, at (44, 76)
# of its picture, comes where the main view's panes were.
! shows_art fayinmag_0 fayinframe "" 44 76 || ui_fail "the main view shows the pronunciation frame already"
ui_click ddanxuan 2 || ui_fail
ui_wait_log 'store.query study "dext1单词": 12 rows' || ui_fail
ui_until 20 shows_art fayinmag_0 fayinframe "" 44 76 || ui_fail "the pronunciation frame is not shown"

# The follow-read screen keeps the word category; its own pronunciation frame lies over its
# Japanese and Chinese boxes. The screen's run plays the first item, pauses, plays the second.
ui_click xuanxiang 1 || ui_fail
ui_wait_log 'effect.play .*/music/click.wav' || ui_fail
ui_until 20 shows_art fayinmag_1 fayinframe1 "" 60 76 || ui_fail "the screen's pronunciation frame is not on top"
ui_click jibenbtn 0 || ui_fail
run=$UI_MARK
ui_wait_log "player.end $course/music/danci02.mp3\$" 20 || ui_fail
ui_click jibenbtn 3 || ui_fail
ui_wait_log 'player.halt' || ui_fail
actual=$(tail -n +$((run + 1)) "$work/log.txt" |
    awk '$2 ~ /^player\.(load|play|hold|end)$/ { n = split($0, p, "/"); print $2, p[n] } / player\.end .*danci02/ { exit }')
expected="player.load danci01.mp3
player.play danci01.mp3
player.hold danci01.mp3
player.play danci01.mp3
player.end danci01.mp3
player.load danci02.mp3
player.play danci02.mp3
player.hold danci02.mp3
player.play danci02.mp3
player.end danci02.mp3"
[ "$actual" = "$expected" ] || ui_fail "the run played
$actual
instead of
$expected"

# Back on the main view, repeat-read: a take from the capture, stopped, then played back.
ui_click backbtn1 || ui_fail
ui_wait_log 'effect.play .*/music/click.wav' || ui_fail
ui_click xuanxiang 3 || ui_fail
ui_wait_log 'record.command open .*Recorder.wav: ok' || ui_fail
ui_click startrec || ui_fail
take=$UI_MARK
ui_wait_log 'record.command Record: ok' || ui_fail
sleep 1.5 # the learner speaks
ui_click stoprec || ui_fail
ui_wait_log 'record.command Stop: ok' || ui_fail
ui_click playrec || ui_fail
ui_wait_log 'record.command Play: ok' || ui_fail
check_sound "the take's play-back" 420 460
actual=$(tail -n +$((take + 1)) "$work/log.txt" | sed -n 's/^ *[0-9]* record\.command //p')
expected="Prev: ok
Record: ok
Stop: ok
Prev: ok
Play: ok"
[ "$actual" = "$expected" ] || ui_fail "the recorder was sent
$actual
instead of
$expected"

# The course choice writes its key, starts the chooser and ends the program.
ui_click xuanxiang 4 || ui_fail
ui_wait_log 'program.end 0' || ui_fail
ui_wait_exit 10 || ui_fail
[ "$UI_STATUS" -eq 0 ] || ui_fail "the program ended with status $UI_STATUS"
{ cat "$work/system.ini.before"; printf '[tongji]\r\nxuanze=main\r\n'; } >"$work/system.ini.expected"
cmp "$work/system.ini.expected" "$course/setting/system.ini" || ui_fail "the settings file is not the old one plus xuanze=main in [tongji]"
echo "PASS"
