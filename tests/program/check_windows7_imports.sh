#!/usr/bin/env bash
# Fails when quillet.exe imports a function that is not on the list of functions Windows 7 SP1
# has: the program would not even start there, not even for a Run-dialog verb.
# Usage: check_windows7_imports.sh <objdump> <quillet.exe> <windows7_imports.txt>
set -euo pipefail
objdump=$1 exe=$2 allowed=$3

imports=$("$objdump" -p "$exe" | awk -F'\t' '
  /DLL Name:/ { split($2, words, " "); dll = tolower(words[3]); next }
  NF == 0 { dll = "" }
  dll && $2 ~ /^[0-9a-f]+$/ { split($3, fields, " "); print dll, fields[2] }' | sort -u)
[ -n "$imports" ] || { echo "no imports read from $exe" >&2; exit 1; }

unknown=$(comm -23 <(echo "$imports") <(grep -v '^#' "$allowed" | sort -u))
if [ -n "$unknown" ]; then
  echo "quillet.exe imports functions not known to be in Windows 7 SP1:" >&2
  echo "$unknown" | sed 's/^/  /' >&2
  echo "Bind them at run time with a fallback, or add them to $allowed once checked." >&2
  exit 1
fi
echo "$(echo "$imports" | wc -l) imported functions, all in Windows 7 SP1"
