#!/usr/bin/env bash
# The bad-input suite: runs the real program on a damaged copy of the sample course per case,
# under a private X display, and drives its window as a learner would. Every case checks that
#  - the program neither crashes nor hangs: its window shows, it answers the clicks, and it
#    ends with status 0 when the learner leaves it (back button or course choice);
#  - it says what is wrong: every "notice" line of the action log (the message box the
#    learner sees) is one the case expects, its box really stands on the screen, and the log
#    lines of the failing actions are there, in order;
#  - nothing on disk changed: the folder's file list, modes and contents are as before, except
#    the one settings key the course choice writes.
#
# usage: badinput.sh --main MAIN --course SAMPLE_COURSE --craft CRAFT_LESSON --lessondb LESSONDB
#                    --fixtures TESTS_FIXTURES --work WORK_DIR [CASE...]
# With CASE names only those cases run. Needs Xvfb, openbox, xdotool and jq.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../support/window_driver.sh
source "$here/../support/window_driver.sh"

while [ $# -gt 0 ]; do
  case $1 in
    --main) MAIN=$2; shift 2 ;;
    --course) SAMPLE=$2; shift 2 ;;
    --craft) CRAFT=$2; shift 2 ;;
    --lessondb) LESSONDB=$2; shift 2 ;;
    --fixtures) FIX=$2; shift 2 ;;
    --work) WORK=$2; shift 2 ;;
    --*) echo "unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
for v in MAIN SAMPLE CRAFT LESSONDB FIX WORK; do
  [ -n "${!v:-}" ] || { echo "badinput.sh: --$(tr '[:upper:]' '[:lower:]' <<<"$v") is missing" >&2; exit 2; }
done
mkdir -p "$WORK"
for v in MAIN SAMPLE CRAFT LESSONDB FIX WORK; do
  printf -v "$v" '%s' "$(realpath "${!v}")"
done
export MAIN SAMPLE CRAFT LESSONDB FIX WORK
export LC_ALL=C.UTF-8

# The cases. "case NAME: what it shows" starts one; the lines below it are its steps, in order:
#   prepare CMD     a shell command run in the copied course folder before the program starts
#   env VAR=VALUE   the program's environment (the default: SDL's disk audio driver, output to
#                   /dev/null, capture from /dev/zero; all four sibling programs present)
#   press NAME [I]  click the control NAME (index I) at its place in the window
#   expect ERE      wait for a line of the action log matching ERE after the last one matched
#   notice TITLE    wait for the notice TITLE (log, stderr and a message box of that title
#                   on the screen) and answer the box
#   back            press the back button: the launcher is asked for and the program ends
#   choose          press 课程选择: the course chooser is asked for and the program ends; the
#                   settings file may gain "xuanze=main" in [tongji], nothing else
#   intact          the settings file must stay byte for byte as it was, even after choose
read -r -d '' TABLE <<'EOF'
case sample: the sample course as built works without a message
  press xuanxiang 2
  press jibenbtn 10
  expect player\.load .*/music/jiben01\.mp3$
  expect player\.end .*/music/jiben01\.mp3$
  press xuanxiang 3
  expect record\.command open .*/Recorder\.wav: ok
  press startrec
  expect record\.command Record: ok
  press stoprec
  expect record\.command Stop: ok
  choose

case settings-missing: no settings file: every key takes its default, the part "dext1" is empty
  prepare rm setting/system.ini
  expect settings\.read study/kecheng = dext1 \(default: no file\)
  expect settings\.read setting/kechengming = Lesson1  家庭问候 \(default: no file\)
  expect settings\.read study/kewen = dext1 \(default: no file\)
  expect store\.query study "dext1dext1": 0 rows
  notice 没有课程内容
  back

case settings-missing-choose: no settings file: the course choice makes one holding only its key
  prepare rm setting/system.ini
  notice 没有课程内容
  choose

case settings-empty: an empty settings file reads as defaults
  prepare : > setting/system.ini
  expect settings\.read study/kecheng = dext1 \(default: no key\)
  expect store\.query study "dext1dext1": 0 rows
  notice 没有课程内容
  back

case settings-binary: a binary settings file reads as defaults
  prepare cp "$FIX/audio/tone-400ms.mp3" setting/system.ini
  expect settings\.read study/kecheng = dext1 \(default: no key\)
  expect store\.query study "dext1dext1": 0 rows
  notice 没有课程内容
  back

case settings-huge-line: a 1 MiB line before the keys, and a title of 400 bytes cut to 255
  prepare { head -c 1048576 /dev/zero | tr '\0' x; printf '\r\n'; LC_ALL=C sed "s/^kechengming=.*/kechengming=$(printf %0400d 0)\r/" setting/system.ini; } > s && mv s setting/system.ini
  expect settings\.read study/kecheng = dext1$
  expect settings\.read setting/kechengming = 0{255} \(cut to 255 bytes\)
  expect store\.query study "dext1基本课文": 9 rows
  back

case settings-bad-gbk: bytes that are no code-page-936 character read as U+FFFD
  prepare printf '[study]\r\nkecheng=dext1\r\nkewen=\x81\x20\xff\r\n[setting]\r\nkechengming=\xfe\r\n' > setting/system.ini
  expect settings\.read setting/kechengming = �
  expect settings\.read study/kewen = � ?�
  expect store\.query study "dext1� ?�": 0 rows
  notice 没有课程内容
  back

case settings-read-only: a read-only settings file: the chooser starts all the same
  prepare chmod a-w setting/system.ini
  choose
  expect settings\.write tongji/xuanze = main in .*: failed: .*the file is read-only
  intact

case settings-folder-read-only: a read-only settings folder: the chooser starts all the same
  prepare chmod a-w setting
  choose
  expect settings\.write tongji/xuanze = main in .*: failed: .*is read-only
  intact

case data-missing: no lesson file
  prepare rm data/shuju.dat
  expect store\.query study "dext1基本课文": failed: The lesson file .*/data/shuju\.dat is missing\.
  notice 无法读取课程数据
  back

case data-empty: an empty lesson file
  prepare : > data/shuju.dat
  expect store\.query study .*: failed: .* is empty\.
  notice 无法读取课程数据
  back

case data-cut-mid-page: a lesson file cut inside a page
  prepare head -c 20000 data/shuju.dat > d && mv d data/shuju.dat
  expect store\.query study .*: failed: .*cut short
  notice 无法读取课程数据
  back

case data-cut-at-page: a lesson file cut at a page boundary, before its data page
  prepare head -c 36864 data/shuju.dat > d && mv d data/shuju.dat
  expect store\.query study .*: failed: .*damaged \(cut short: the table "study" has pages past its end\)
  notice 无法读取课程数据
  back

case data-crashes-the-reader: the table's usage-map pointer names a missing row: libmdb crashes reading it
  prepare printf '\x43' | dd of=data/shuju.dat bs=1 seek=$((8 * 4096 + 0x37)) conv=notrunc status=none
  expect store\.query study .*: failed: .*damaged \(reading it failed with Segmentation fault\)
  notice 无法读取课程数据
  back

case data-random: random bytes as the lesson file
  prepare gzip -9 -n -c < "$FIX/access/jackcess_testV2000.mdb" | head -c 16384 > data/shuju.dat
  expect store\.query study .*: failed: .* is not an Access database\.
  notice 无法读取课程数据
  back

case data-random-pages: a real header page followed by random pages
  prepare { head -c 4096 data/shuju.dat; gzip -9 -n -c < "$FIX/access/jackcess_testV2000.mdb" | head -c 36864; } > d && mv d data/shuju.dat
  expect store\.query study .*: failed: .*damaged
  notice 无法读取课程数据
  back

case data-jet3: an Access 97 (Jet 3) file
  prepare cp "$FIX/access/jackcess_testV1997_jet3.mdb" data/shuju.dat
  expect store\.query study .*: failed: .*Access 97 \(Jet 3\)
  notice 无法读取课程数据
  back

case data-accdb: an Access 2007 (.accdb) file
  prepare cp "$FIX/access/jackcess_testV2007.accdb" data/shuju.dat
  expect store\.query study .*: failed: .*Access 2007 or later \(\.accdb\)
  notice 无法读取课程数据
  back

case data-no-study-table: a real Access 2000 file without the table study
  prepare cp "$FIX/access/jackcess_testV2000.mdb" data/shuju.dat
  expect store\.query study .*: failed: .*has no table "study"
  notice 无法读取课程数据
  back

case data-no-fy-column: the table study without the column fy
  prepare printf 'dext1基本课文\tただいま。\t我回来了。\tjiben05\n' | "$CRAFT" data/shuju.dat id jp cn sound
  expect store\.query study .*: failed: .*has no column "fy" in the table "study"
  notice 无法读取课程数据
  back

case data-no-id-column: the table study without the column id
  prepare printf 'ただいま。\t我回来了。\tjiben05\tただいま。\n' | "$CRAFT" data/shuju.dat jp cn sound fy
  expect store\.query study .*: failed: .*has no column "id" in the table "study"
  notice 无法读取课程数据
  back

case data-null-fields: Null fields read as empty texts; a Null sound name is a clip that is not there
  prepare printf 'dext1基本课文\t\\N\t\\N\t\\N\t\\N\ndext1基本课文\tただいま。\t\\N\tjiben05\t\\N\n' | "$CRAFT" data/shuju.dat id jp cn sound fy
  expect store\.query study "dext1基本课文": 2 rows
  press xuanxiang 2
  press jibenbtn 10
  expect player\.load .*/music/\.mp3 \(cannot be played
  notice 无法播放原音
  back

case id-apostrophe: an id holding apostrophes selects exactly its own rows
  prepare printf '[study]\r\nkecheng=d\x27ext1\r\nkewen=\x27 OR \x271\x27=\x271\r\n' > setting/system.ini
  prepare printf 'id\tjp\tcn\tsound\tfy\nd\x27ext1\x27 OR \x271\x27=\x271\tただいま。\t我回来了。\tjiben05\tただいま。\nother\tx\ty\tjiben01\tz\n' > ../l.tsv && "$LESSONDB" write ../l.tsv data/shuju.dat
  expect store\.query study "d'ext1' OR '1'='1": 1 rows
  press xuanxiang 2
  press jibenbtn 10
  expect player\.load .*/music/jiben05\.mp3$
  back

case part-no-rows: the word category has no rows: the list is empty, listening does nothing
  prepare printf 'dext1基本课文\tただいま。\t我回来了。\tjiben05\tただいま。\n' | "$CRAFT" data/shuju.dat id jp cn sound fy
  expect store\.query study "dext1基本课文": 1 rows
  press ddanxuan 2
  expect store\.query study "dext1单词": 0 rows
  notice 没有课程内容
  press xuanxiang 2
  press jibenbtn 10
  press ddanxuan 0
  expect store\.query study "dext1基本课文": 1 rows
  press jibenbtn 10
  expect player\.load .*/music/jiben05\.mp3$
  back

case clip-missing: the clip of row 1 is missing
  prepare rm music/jiben01.mp3
  press xuanxiang 2
  press jibenbtn 10
  expect player\.load .*/music/jiben01\.mp3 \(cannot be played
  notice 无法播放原音
  back

case clip-empty: the clip of row 1 is an empty file
  prepare : > music/jiben01.mp3
  press xuanxiang 2
  press jibenbtn 10
  expect player\.load .*/music/jiben01\.mp3 \(cannot be played
  notice 无法播放原音
  back

case clip-corrupt: the clip of row 1 is random bytes
  prepare gzip -9 -n -c < "$FIX/access/jackcess_testV2000.mdb" | head -c 8192 > music/jiben01.mp3
  press xuanxiang 2
  press jibenbtn 10
  expect player\.load .*/music/jiben01\.mp3 \(cannot be played
  notice 无法播放原音
  back

case clip-missing-reference: the clip played as reference audio in repeat-read is missing
  prepare rm music/jiben01.mp3
  press xuanxiang 3
  press jibenbtn 4
  expect player\.load .*/music/jiben01\.mp3 \(cannot be played
  notice 无法播放原音
  back

case recorder-missing: no Recorder.wav: the recording panel says it cannot record
  prepare rm Recorder.wav
  press xuanxiang 3
  expect record\.command open .*/Recorder\.wav: failed: 
  press startrec
  expect record\.status 无法录音：
  back

case recorder-corrupt: a Recorder.wav that is no wave file
  prepare printf 'RIFF\x10\x00\x00\x00WAVEjunkjunk' > Recorder.wav
  press xuanxiang 3
  expect record\.command open .*/Recorder\.wav: failed: 
  press startrec
  expect record\.status 无法录音：
  back

case no-audio-device: no audio device at all: the program runs silently and says so
  env SDL_AUDIODRIVER=nosuchdriver
  expect audio\.silent no audio device
  notice 没有声音设备
  press xuanxiang 2
  press jibenbtn 10
  expect player\.play .*/music/jiben01\.mp3
  press xuanxiang 3
  expect record\.command open .*: failed: no audio device
  press startrec
  expect record\.status 无法录音：
  back

case siblings-missing: no sibling programs: help and dictionary say so, back still ends
  prepare rm Tovanel Selvorn Lexaro Nuvessa
  press helpbtn 0
  expect sibling\.start .*/Nuvessa\.exe: failed: 
  notice 无法打开帮助
  press xuanxiang 5
  expect sibling\.start .*/Lexaro\.exe: failed: 
  notice 无法打开日语辞典
  press backbtn
  expect sibling\.start .*/Tovanel\.exe: failed: 
  expect program\.end 0
EOF

passed=()
failed=()

# The folder's file list with types and modes, then a digest of every regular file.
snapshot() {
  (cd "$1" && find . -printf '%y %m %P\n' | LC_ALL=C sort && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum)
}

# FILE without the course choice's key, and without a [tongji] line when the settings file
# as it was (BEFORE) had none, so that the files before and after can be compared.
without_choice() {
  local before=$1 file=$2
  # The file is in code page 936: grep it as bytes.
  if LC_ALL=C grep -aqE $'^\[tongji\]\r?$' "$before" 2>/dev/null; then
    LC_ALL=C grep -av '^xuanze=' "$file"
  else
    LC_ALL=C grep -avE -e '^xuanze=' -e $'^\[tongji\]\r?$' "$file"
  fi
}

# Makes the course folder of a case: the sample course without the program, plus four
# sibling programs that do nothing (the launcher finds them without ".exe").
make_course() {
  local dir=$1
  mkdir -p "$dir"
  cp -r "$SAMPLE/setting" "$SAMPLE/data" "$SAMPLE/music" "$SAMPLE/Recorder.wav" "$dir/"
  for sibling in Tovanel Selvorn Lexaro Nuvessa; do
    printf '#!/bin/sh\nexit 0\n' > "$dir/$sibling"
    chmod 755 "$dir/$sibling"
  done
}

run_case() {
  local name=$1 steps=$2
  local dir=$WORK/$name/course log=$WORK/$name/log.txt err=$WORK/$name/log.txt.err
  local problems=() program_env=() ended='' choose='' intact='' notices=0 line verb rest
  chmod -R u+w "${WORK:?}/$name" 2>/dev/null
  rm -rf "${WORK:?}/$name" && mkdir -p "$WORK/$name"
  make_course "$dir"
  program_env=(SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null SDL_DISKAUDIOFILEIN=/dev/zero)

  while IFS= read -r line; do
    read -r verb rest <<<"$line"
    case $verb in
      prepare) (cd "$dir" && eval "$rest") || problems+=("prepare failed: $rest") ;;
      env) program_env+=("$rest") ;;
    esac
  done <<<"$steps"
  [ -f "$dir/setting/system.ini" ] && cp "$dir/setting/system.ini" "$WORK/$name/system.ini.before"
  snapshot "$dir" > "$WORK/$name/before.txt"

  local running=''
  if [ ${#problems[@]} -eq 0 ]; then
    running=1
    ui_start "$log" "${program_env[@]}" XDG_RUNTIME_DIR="$WORK/runtime" "$MAIN" --folder "$dir" \
      || { problems+=("no window"); running=''; }
  fi

  if [ -n "$running" ]; then
    while IFS= read -r line; do
      read -r verb rest <<<"$line"
      case $verb in
        prepare|env|"") ;;
        press)
          # A press is taken once the log has moved on: every button makes a sound or a
          # command, so wait for the next line before the next step. Later steps look at
          # what came after the press.
          # shellcheck disable=SC2086
          ui_click $rest || problems+=("cannot press $rest")
          ui_wait_log '.' || problems+=("pressing $rest did nothing")
          ;;
        expect)
          if ui_wait_log "$rest"; then ui_mark "$UI_LINE"; else problems+=("no log line /$rest/ after line $UI_MARK"); fi
          ;;
        notice)
          if ui_wait_log "^ *[0-9]+ notice $rest: "; then
            ui_mark "$UI_LINE"
            notices=$((notices + 1))
            grep -q "^main: $rest: " "$err" || problems+=("notice \"$rest\" not on stderr")
            ui_dismiss "$rest" || problems+=("no message box \"$rest\" on the screen")
          else
            problems+=("no notice \"$rest\" after line $UI_MARK")
          fi
          ;;
        back)
          ui_click backbtn || problems+=("cannot press backbtn")
          ui_wait_log 'sibling\.start .*/Tovanel\.exe: started' || problems+=("the launcher was not started")
          ended=1
          ;;
        choose)
          choose=1
          ui_click xuanxiang 4 || problems+=("cannot press xuanxiang 4")
          ui_wait_log 'sibling\.start .*/Selvorn\.exe: started' || problems+=("the course chooser was not started")
          ended=1
          ;;
        intact) intact=1 ;;
        *) problems+=("unknown step: $line") ;;
      esac
    done <<<"$steps"
  fi

  # The end: a case that left the program ends it by its buttons; it must be gone soon after
  # with status 0. Any other case ends it here, after checking that it was still running.
  grep -q ' program\.end ' "$log" 2>/dev/null && ended=1
  if [ -n "$UI_PID" ]; then
    local own_end=1
    if [ -n "$ended" ]; then
      if ! ui_wait_exit; then
        problems+=("the program did not end after the learner left it (hang)")
        own_end=''
      fi
    elif kill -0 "$UI_PID" 2>/dev/null; then
      own_end=''
    else
      problems+=("the program ended on its own")
    fi
    if [ -n "$own_end" ]; then
      ui_wait_exit
      if [ "$UI_STATUS" -gt 128 ]; then problems+=("the program died of signal $((UI_STATUS - 128))")
      elif [ "$UI_STATUS" -ne 0 ]; then problems+=("exit status $UI_STATUS"); fi
    fi
    ui_stop
    [ -n "$ended" ] && ! grep -q ' program\.end 0$' "$log" && problems+=("no \"program.end 0\" in the log")
  fi

  # Every message the learner saw was expected.
  local seen
  seen=$(grep -c '^ *[0-9]* notice ' "$log" 2>/dev/null)
  [ "${seen:-0}" -eq "$notices" ] || problems+=("$seen notices in the log, $notices expected: $(grep ' notice ' "$log" | tr '\n' ' ')")

  # Nothing on disk changed but the course choice's key: the list, the modes and the contents
  # are compared as a whole, or without the settings file, which is then checked by itself.
  local before=$WORK/$name/before.txt after=$WORK/$name/after.txt ini=$dir/setting/system.ini before_ini=$WORK/$name/system.ini.before
  snapshot "$dir" > "$after"
  chmod -R u+w "$dir" 2>/dev/null
  local filter=cat
  [ -n "$choose" ] && [ -z "$intact" ] && filter="grep -v setting/system\.ini$"
  cmp -s <($filter "$before") <($filter "$after") \
    || problems+=("files changed: $(diff <($filter "$before") <($filter "$after") | grep '^[<>]' | tr '\n' ' ')")
  if [ -n "$choose" ] && [ -z "$intact" ]; then
    LC_ALL=C grep -aqE $'^xuanze=main\r?$' "$ini" || problems+=("the settings file lacks xuanze=main")
    if [ -f "$before_ini" ]; then
      cmp -s <(without_choice "$before_ini" "$before_ini") <(without_choice "$before_ini" "$ini") || problems+=("the settings file changed beyond the xuanze key")
      [ "$(grep '^f [0-7]* setting/system\.ini$' "$before")" = "$(grep '^f [0-7]* setting/system\.ini$' "$after")" ] \
        || problems+=("the settings file's mode changed")
    else
      [ -z "$(without_choice /dev/null "$ini" | tr -d '\r\n')" ] || problems+=("the new settings file holds more than the xuanze key")
    fi
  fi

  if [ ${#problems[@]} -eq 0 ]; then
    passed+=("$name")
    echo "ok    $name"
  else
    failed+=("$name")
    echo "FAIL  $name"
    printf '        %s\n' "${problems[@]}"
    echo "        log ($log):"
    sed 's/^/          /' "$log" 2>/dev/null | tail -n 25
  fi
}

# Splits the table into cases and runs those asked for (all when none are named).
declare -A case_steps
case_names=()
current=
while IFS= read -r line; do
  if [[ $line =~ ^case\ ([a-z0-9-]+): ]]; then
    current=${BASH_REMATCH[1]}
    case_names+=("$current")
    case_steps[$current]=
  elif [ -n "$current" ] && [ -n "${line// /}" ]; then
    case_steps[$current]+="${line#"${line%%[! ]*}"}"$'\n'
  fi
done <<<"$TABLE"

wanted=("$@")
[ ${#wanted[@]} -eq 0 ] && wanted=("${case_names[@]}")

mkdir -p "$WORK/runtime" && chmod 700 "$WORK/runtime"
trap ui_quit EXIT
ui_display || exit 1
started=$(date +%s)
for name in "${wanted[@]}"; do
  [ -n "${case_steps[$name]+set}" ] || { echo "no case $name" >&2; failed+=("$name"); continue; }
  run_case "$name" "${case_steps[$name]}"
done
echo "${#passed[@]} cases passed, ${#failed[@]} failed, in $(($(date +%s) - started)) s"
[ ${#failed[@]} -eq 0 ]
