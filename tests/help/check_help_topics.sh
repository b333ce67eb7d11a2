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

# "<number> <offset>" for every pair of the map (its first 4 bytes are its length).
pairs=$(od -A n -t u4 -v -j 4 "$unpacked/#IVB" | xargs -n 2)

page_of() {
  local number=$1 id offset
  while read -r id offset; do
    if [ "$id" = "$number" ]; then
      # The page name is the NUL-ended text at that offset of #STRINGS.
      tail -c +"$((offset + 1))" "$unpacked/#STRINGS" | tr '\0' '\n' | head -n 1
      return
    fi
  done <<<"$pairs"
}

failures=0
check() {
  local number=$1 title=$2 page
  page=$(page_of "$number")
  if [ -n "$page" ] && [ -f "$unpacked/${page#/}" ] && grep -qF "<title>$title</title>" "$unpacked/${page#/}"; then
    echo "topic $number -> $page: \"$title\""
  else
    echo "topic $number -> '${page:-nothing}': not the page \"$title\"" >&2
    failures=$((failures + 1))
  fi
}

check 1003 "The command editor"
check 1007 "Parameters"
check 1017 "Window modes"
check 1018 "The Explorer context menu and settings"
[ "$(page_of 9999)" = "" ] || { echo "topic 9999 should not exist" >&2; failures=$((failures + 1)); }
exit "$failures"
