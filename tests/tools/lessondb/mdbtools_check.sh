#!/usr/bin/env bash
# mdbtools_check.sh LESSONDB DATA_DIR WORK_DIR
# Writes DATA_DIR/tricky.tsv with the lessondb tool and reads the file back with the mdbtools
# commands: the version, the table list, the schema and every row must be as expected.
# Then checks that a bad source fails, names its line and writes nothing.
set -euo pipefail
lessondb=$1 data=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$lessondb" write "$data/tricky.tsv" "$work/shuju.dat"
[ "$(mdb-ver "$work/shuju.dat")" = "JET4" ] || fail "mdb-ver: $(mdb-ver "$work/shuju.dat")"
[ "$(mdb-tables -1 "$work/shuju.dat")" = "study" ] || fail "mdb-tables: $(mdb-tables -1 "$work/shuju.dat")"
[ "$(mdb-count "$work/shuju.dat" study)" = "6" ] || fail "mdb-count: $(mdb-count "$work/shuju.dat" study)"

mdb-schema "$work/shuju.dat" | sed -n '/^CREATE TABLE/,/^);/p' > "$work/schema.txt"
printf 'CREATE TABLE [study]\n (\n\t[id]\t\t\tText (255), \n\t[jp]\t\t\tText (255), \n\t[cn]\t\t\tText (255), \n\t[sound]\t\t\tText (255), \n\t[fy]\t\t\tText (255)\n);\n' > "$work/schema.expected"
diff "$work/schema.expected" "$work/schema.txt" || fail "mdb-schema differs"

# tricky.csv holds the rows of tricky.tsv as CSV: every text quoted, quotes doubled, escapes resolved.
mdb-export "$work/shuju.dat" study > "$work/export.csv"
cmp "$data/tricky.csv" "$work/export.csv" || { diff "$data/tricky.csv" "$work/export.csv" || true; fail "mdb-export differs"; }

printf 'id\tjp\tcn\tsound\tfy\nA\tb\tc\td\te\nB\tb\tc\n' > "$work/bad.tsv"
if "$lessondb" write "$work/bad.tsv" "$work/bad.dat" 2> "$work/bad.err"; then fail "bad source accepted"; fi
grep -qF "$work/bad.tsv:3: the line has 3 fields; the header names 5" "$work/bad.err" || fail "message: $(cat "$work/bad.err")"
[ "$(ls "$work" | grep -c '^bad\.dat')" = "0" ] || fail "bad source left a file: $(ls "$work")"
echo "mdbtools read the lesson file back exactly"
