#!/usr/bin/env bash
# The texts written twice agree: NEWS.md with the Debian changelog and the metadata, LICENSE with debian/copyright.
#   texts.sh SOURCE_DIR METAINFO
set -euo pipefail
SOURCE=$1
META=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

# Each version of NEWS.md, with its date, is a release of the metadata, in the same order.
news=$(sed -n 's/^## \([0-9.]*\), \([0-9-]*\)$/\1 \2/p' "$SOURCE/NEWS.md")
meta=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$META")
[ -n "$news" ] && [ "$news" = "$meta" ] || fail "the releases: NEWS.md has [$news], the metadata [$meta]"
changes=$(cmake -DNEWS="$SOURCE/NEWS.md" -DCHANGELOG=/dev/stdout "-DMAINTAINER=Texts Test <texts@fruitwhirl.test>" \
  -P "$SOURCE/dist/news.cmake" | sed -n 's/^fruitwhirl (\([0-9.]*\)-[0-9]*) .*/\1/p')
[ "$changes" = "$(cut -d' ' -f1 <<<"$news")" ] || fail "the changelog's versions [$changes], NEWS.md's [$news]"
# Every note of NEWS.md is in the metadata (the words, whatever the line breaks).
words() { tr -s ' \n' '  ' | sed 's/`//g; s/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g'; }
metaText=$(words <"$META" | sed 's/> */>/g; s/ *</</g')
while IFS= read -r note; do
  [[ "$metaText" == *">$note<"* ]] || fail "the metadata lacks the note: $note"
done < <(awk '/^## /{on=1; next} on && /^$/{if (t != "") print t; t=""; next}
              on && /^- /{if (t != "") print t; t=substr($0, 3); next}
              on {sub(/^ +/, ""); t = (t == "" ? $0 : t " " $0)} END {if (t != "") print t}' "$SOURCE/NEWS.md" | words)

# The licence: LICENSE from its permission text on, as debian/copyright writes it.
licence=$(sed -n '/^Permission/,$p' "$SOURCE/LICENSE" | sed 's/^$/./; s/^/ /')
copyright=$(sed -n '/^License: /{n; :a; /^ /{p; n; ba}}' "$SOURCE/debian/copyright" | tail -n "$(wc -l <<<"$licence")")
[ "$licence" = "$copyright" ] || fail "debian/copyright's licence: $(diff <(echo "$licence") <(echo "$copyright"))"
grep -q "^Copyright: $(sed -n 's/^Copyright (c) //p' "$SOURCE/LICENSE")$" "$SOURCE/debian/copyright" ||
  fail "debian/copyright's holder and year are not LICENSE's"
echo "PASS"
