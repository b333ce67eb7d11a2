#!/usr/bin/env bash
# Checks that every help topic number the program uses reaches its page in the built help file.
# The file's map (#IVB: pairs of topic number and offset into #STRINGS) is read from the file as
# extract_chmLib (Debian's libchm-bin) unpacks it, independently of the compiler that wrote it.
# Usage: check_help_topics.sh <quillet.chm>
set -euo pipefail

chm=${1:?usage: check_help_topics.sh <quillet.chm>}
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
extract_chmLib "$chm" "$unpacked" >/dev/null

# The page of a topic number: the map's pairs follow its 4-byte length, and the page name is the
# NUL-ended text at the pair's offset into #STRINGS. Nothing for a number the map lacks.
page_of() {
  local offset
  offset=$(od -A n -t u4 -v -j 4 "$unpacked/#IVB" | xargs -n 2 | awk -v n="$1" '$1 == n { print $2 }')
  if [ -n "$offset" ]; then tail -c +"$((offset + 1))" "$unpacked/#STRINGS" | tr '\0' '\n' | head -n 1; fi
}

failures=0
check() {
  local page
  page=$(page_of "$1")
  grep -qsF "<title>$2</title>" "$unpacked/${page#/}" && echo "topic $1 -> $page: \"$2\"" && return
  echo "topic $1 -> '${page:-nothing}': not the page \"$2\"" >&2
  failures=$((failures + 1))
}

check 1003 "The command editor"
check 1007 "Parameters"
check 1017 "Window modes"
check 1018 "The Explorer context menu and settings"
[ -z "$(page_of 9999)" ] || { echo "topic 9999 should not exist" >&2; failures=$((failures + 1)); }
exit "$failures"
