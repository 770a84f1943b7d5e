#!/usr/bin/env bash
# make_clips.sh SOURCE.tsv RECORDED_DIR MUSIC_DIR CACHE_DIR
# Lays out MUSIC_DIR/<sound>.mp3 for every item of the lesson source. A recorded clip
# RECORDED_DIR/<sound>.mp3 is copied as it is; otherwise the clip is spoken by espeak-ng's
# Japanese voice and encoded with lame. What each clip was made from is kept in CACHE_DIR,
# so a clip is made again only when its text (or recording) changed; clips of items that
# left the source are removed.
#
# The voice speaks the item's reading: the "fy" field up to its first Latin letter (a word's
# reading is kana followed by romaji), or the Japanese text when the reading has no kana.
# (The voice reads kana well but names every kanji as a "Chinese letter".)
set -euo pipefail
export LC_ALL=C # byte-wise text handling: every byte of a Japanese character is >= 0x80
source=$1 recorded=$2 music=$3 cache=$4
mkdir -p "$music" "$cache"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

unescape() { # the source's escapes, as speech: tabs and line breaks become spaces
    local s=${1//\\\\/$'\x01'}
    s=${s//\\t/ } s=${s//\\n/ } s=${s//\\r/ }
    printf '%s' "${s//$'\x01'/\\}"
}

declare -A current=()
while IFS=$'\t' read -r sound jp fy; do
    [ -n "$sound" ] || continue
    case $sound in */*) echo "make_clips: sound name \"$sound\" holds a slash" >&2; exit 1 ;; esac
    current[$sound]=1
    target="$music/$sound.mp3"
    if [ -f "$recorded/$sound.mp3" ]; then
        made="recorded $(cksum < "$recorded/$sound.mp3")"
    else
        speech=$(unescape "$fy")
        speech=${speech%%[A-Za-z]*}
        speech=${speech%"${speech##*[! ]}"}
        [ -n "$speech" ] || speech=$(unescape "$jp")
        made="spoken $speech"
    fi
    if [ -f "$target" ] && [ -f "$cache/$sound.txt" ] && [ "$(cat "$cache/$sound.txt")" = "$made" ]; then
        continue
    fi
    if [ "${made%% *}" = recorded ]; then
        cp "$recorded/$sound.mp3" "$work/clip.mp3"
    else
        printf '%s\n' "${made#spoken }" > "$work/speech.txt"
        espeak-ng -v ja -f "$work/speech.txt" -w "$work/clip.wav"
        lame --quiet -m m -b 64 "$work/clip.wav" "$work/clip.mp3"
    fi
    mv "$work/clip.mp3" "$target"
    printf '%s' "$made" > "$cache/$sound.txt"
done < <(sed '1s/^\xEF\xBB\xBF//; s/\r$//' "$source" | awk -F'\t' '
    NR == 1 { for (i = 1; i <= NF; i++) column[tolower($i)] = i; next }
    NF > 1 { print $column["sound"] "\t" $column["jp"] "\t" $column["fy"] }')

for made in "$cache"/*.txt; do
    [ -e "$made" ] || continue
    sound=$(basename "$made" .txt)
    if [ -z "${current[$sound]:-}" ]; then
        rm -f "$music/$sound.mp3" "$made"
    fi
done
