#!/usr/bin/env bash
# The benchmark: quillet.exe against its targets.
#   (a) start-up: from starting quillet.exe until its first message box is there, against a bare
#       program that shows only a message box (target: at most 1.2 times as long);
#   (b) the size of the stripped quillet.exe (target: at most 1 MB).
# Usage: tools/bench.sh <Windows build folder>
# Runs under the Wine prefix in WINEPREFIX; ./dev bench makes a fresh one and keeps a wineserver
# running (wineserver -p) so that every start is not also a server start.
# Missing a target is reported, not failed: the exit code is 0 unless a measurement failed.
set -euo pipefail

build=$(cd "${1:?usage: tools/bench.sh <Windows build folder>}" && pwd)
: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix to measure in}"

rounds=3          # the two programs take turns, so that a change in machine load hits both alike
runs_per_round=5  # 15 runs each in all
warmups=2
max_ratio=1.2
max_size=1048576

quillet="$build/program/quillet.exe"
bare="$build/tools/bare_msgbox.exe"
timer="$build/tools/bench_startup.exe"
for file in "$quillet" "$bare" "$timer"; do
  [ -f "$file" ] || { echo "bench: $file is missing; build first" >&2; exit 1; }
done

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# quillet.exe runs from a copy in a throw-away folder: it makes a Cmds folder beside itself.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$quillet" "$work/quillet.exe"

# Without this record, the first start would ask its first-start question before anything else.
wine reg add 'HKCU\Software\Quillet' /v FirstRunDone /t REG_DWORD /d 1 /f >/dev/null 2>&1

# Typing "remove x" into the Run dialog starts quillet.exe with the argument text "x": it
# removes the command x (there is none) and says so in a message box titled "Quillet".
quillet_start=("$(windows_path "$work/quillet.exe")" x)
bare_start=("$(windows_path "$bare")")

# The start-up times of `runs` starts, in milliseconds, one per line.
measure() {
  local runs=$1
  shift
  wine "$timer" "$runs" Quillet "$@" | tr -d '\r' | sed -n 's/^samples_ms=//p' | tr -s ' ' '\n' | sed '/^$/d'
}

# "<median> <min>" of the numbers on standard input.
median_min() {
  sort -g | awk '{ t[NR] = $1 } END { if (NR == 0) exit 1
    m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "%.2f %.2f\n", m, t[1] }'
}

echo "Start-up to the first message box ($((rounds * runs_per_round)) runs each, after $warmups warm-up runs)"
# A failed run shows up below as a missing time; bench_startup has said why on stderr.
measure "$warmups" "${quillet_start[@]}" >/dev/null || true
measure "$warmups" "${bare_start[@]}" >/dev/null || true
: >"$work/quillet.times"
: >"$work/bare.times"
for ((round = 0; round < rounds; round++)); do
  measure "$runs_per_round" "${quillet_start[@]}" >>"$work/quillet.times" || true
  measure "$runs_per_round" "${bare_start[@]}" >>"$work/bare.times" || true
done
if [ "$(wc -l <"$work/quillet.times")" -ne $((rounds * runs_per_round)) ] ||
   [ "$(wc -l <"$work/bare.times")" -ne $((rounds * runs_per_round)) ]; then
  echo "bench: a start-up measurement failed" >&2
  exit 1
fi
read -r quillet_median quillet_min < <(median_min <"$work/quillet.times")
read -r bare_median bare_min < <(median_min <"$work/bare.times")

verdict() { if [ "$1" = 1 ]; then echo PASS; else echo "over target"; fi; }

ratio=$(awk -v q="$quillet_median" -v b="$bare_median" 'BEGIN { printf "%.3f", q / b }')
ratio_ok=$(awk -v r="$ratio" -v m="$max_ratio" 'BEGIN { print (r <= m) ? 1 : 0 }')
printf '  %-34s median %8.2f ms   min %8.2f ms\n' "quillet.exe x  (Run: \"remove x\")" "$quillet_median" "$quillet_min"
printf '  %-34s median %8.2f ms   min %8.2f ms\n' "bare_msgbox.exe" "$bare_median" "$bare_min"
printf '  %-34s %s   (target <= %s)   %s\n' "ratio of the medians" "$ratio" "$max_ratio" "$(verdict "$ratio_ok")"

size=$(stat -c %s "$quillet")
size_ok=$([ "$size" -le "$max_size" ] && echo 1 || echo 0)
echo "Size of program/quillet.exe"
printf '  %-34s %s bytes   (target <= %s bytes)   %s\n' "quillet.exe" "$size" "$max_size" "$(verdict "$size_ok")"
