#!/usr/bin/env bash
# Every language's glossary names the same English words, in the same order, as the English one,
# and gives each a word of its own; a glossary for a language the program does not speak is a
# misnamed file.  check_glossaries.sh GLOSSARY_FOLDER LANGUAGE...
set -euo pipefail
folder=$1
shift
# The first column of the table's rows, after its heading and separator.
english_column() { awk -F'|' '/^\|/ && ++row > 2 { gsub(/^ +| +$/, "", $2); print $2 }' "$1"; }
empty_words() { awk -F'|' '/^\|/ && ++row > 2 { gsub(/ /, "", $3); if ($3 == "") print FILENAME": "$0 }' "$1"; }

source_words=$(english_column "$folder/en.md")
[ -n "$source_words" ] || { echo "$folder/en.md: no words" >&2; exit 1; }
failed=0
for glossary in "$folder"/*.md; do
    language=$(basename "$glossary" .md)
    [ "$language" = en ] && continue
    # Not a pipe into grep -q: grep leaves at the first match, and under pipefail the writer it
    # leaves behind may fail on the closed pipe.
    if [[ " $* " != *" $language "* ]]; then
        echo "$glossary: Quorvel does not speak \"$language\"" >&2
        failed=1
        continue
    fi
    if ! diff -u <(echo "$source_words") <(english_column "$glossary") >&2; then
        echo "$glossary: its English column differs from en.md (above)" >&2
        failed=1
    fi
    if [ -n "$(empty_words "$glossary")" ]; then
        empty_words "$glossary" >&2
        failed=1
    fi
done
exit "$failed"
