#!/usr/bin/env bash
# The benchmark: quillet.exe against its targets.
#   (a) start-up: from starting quillet.exe until its first message box is there, against a bare
#       program that shows only a message box (target: at most 1.2 times as long);
#   (b) the size of the stripped quillet.exe (target: at most 600 KB).
# Usage: tools/bench.sh <Windows build folder>
# Runs under the Wine prefix in WINEPREFIX; ./dev bench makes a fresh one and keeps a wineserver
# running (wineserver -p) so that every start is not also a server start.
#   (c) start with 10,000 definition files until the main window answers, against a bare program
#       that reads the same files and shows a window (target: at most 1.3 times as long);
#   (d) the system list read from 2,000 App Paths entries, against a bare enumerator (at most 1.3);
#   (e) importing 100 Desktop shortcuts, against 100 runs of the script host doing nothing (at most 1.3);
#   (f) exporting and restoring 1,000 and 3,000 commands, the restore against as many such runs
#       (at most 1.3, and the same per command at both sizes);
#   (g) the create verb to its message where Windows runs no VBScript, so that Quillet writes the
#       shortcut itself, against the bare message-box program (at most 1.05).
# Missing a target is reported, not failed: the exit code is 0 unless a measurement failed.
set -euo pipefail

build=$(cd "${1:?usage: tools/bench.sh <Windows build folder>}" && pwd)
: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix to measure in}"

rounds=3          # the two programs take turns, so that a change in machine load hits both alike
runs_per_round=5  # 15 runs each in all
warmups=2
max_ratio=1.2
max_size=614400

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

verdict_ratio() {  # <ours> <theirs> <target>: prints "<ratio>   (target <= t)   PASS|over target"
  local ratio ok
  ratio=$(awk -v q="$1" -v b="$2" 'BEGIN { printf "%.3f", q / b }')
  ok=$(awk -v r="$ratio" -v m="$3" 'BEGIN { print (r <= m) ? 1 : 0 }')
  printf '%s   (target <= %s)   %s' "$ratio" "$3" "$(verdict "$ok")"
}

# (c) Many commands: 10,000 definition files in a program folder of their own.
many="$work/many"
mkdir -p "$many/Cmds"
cp "$quillet" "$many/quillet.exe"
# A mix of kinds: a few programs used often, programs of their own, documents, folders, addresses.
targets=('C:\windows\notepad.exe' 'C:\Tools\tool%d.exe' 'C:\Docs\letter%d.txt' 'C:\Projects\p%d\'
         'http://example.com/%d')
for ((i = 0; i < 10000; i++)); do
  target=${targets[i % 5]//%d/$i}
  printf 'This is a generated file, do not edit!\r\ncmd%d\r\n%s\r\n-x %d\r\n1\r\n\r\n' \
    "$i" "$target" "$i" >"$many/Cmds/run_cmd$i.cfg"
done
many_runs=5
echo "Start with 10,000 commands until the main window answers ($many_runs runs each, after 1 warm-up run)"
measure 1 "$(windows_path "$many/quillet.exe")" >/dev/null || true
measure 1 "$(windows_path "$build/tools/bare_reader.exe")" "$(windows_path "$many/Cmds")" >/dev/null || true
read -r many_median many_min < <(measure "$many_runs" "$(windows_path "$many/quillet.exe")" | median_min)
read -r reader_median reader_min < <(measure "$many_runs" "$(windows_path "$build/tools/bare_reader.exe")" \
                                     "$(windows_path "$many/Cmds")" | median_min)
printf '  %-34s median %8.2f ms   min %8.2f ms\n' "quillet.exe" "$many_median" "$many_min"
printf '  %-34s median %8.2f ms   min %8.2f ms\n' "bare_reader.exe" "$reader_median" "$reader_min"
printf '  %-34s %s\n' "ratio of the medians" "$(verdict_ratio "$many_median" "$reader_median" 1.3)"

# (d) The system list with 2,000 App Paths entries.
echo "System list from 2,000 App Paths entries (median of 9 reads each)"
read -r listed store_ms bare_ms < <(wine "$build/tools/bench_system_list.exe" 2000 9 | tr -d '\r' |
  sed -n 's/^listed=\([0-9]*\) store_median_ms=\([0-9.]*\) bare_median_ms=\([0-9.]*\)$/\1 \2 \3/p')
printf '  %-34s median %8.2f ms   (%s rows)\n' "store (ListSystemCommands + targets)" "$store_ms" "$listed"
printf '  %-34s median %8.2f ms\n' "bare enumerator" "$bare_ms"
printf '  %-34s %s\n' "ratio of the medians" "$(verdict_ratio "$store_ms" "$bare_ms" 1.3)"

# (e) and (f): the companion scripts at work, against as many runs of the script host doing nothing.
scripts_bench() {  # <mode> <count> <what>: prints the measurement lines of bench_scripts
  wine "$build/tools/bench_scripts.exe" "$1" "$(windows_path "$build/program")" "$2" | tr -d '\r'
}
value() { sed -n "s/^$1=//p" <<<"$2"; }

echo "Import of 100 Desktop shortcuts, against 100 runs of the script host on a script that does nothing"
out=$(scripts_bench import 100)
printf '  %-34s %8.2f ms   (%s commands)\n' "import" "$(value import_ms "$out")" "$(value made "$out")"
printf '  %-34s %8.2f ms\n' "script host, 100 idle runs" "$(value idle_ms "$out")"
printf '  %-34s %s\n' "ratio" "$(verdict_ratio "$(value import_ms "$out")" "$(value idle_ms "$out")" 1.3)"

for count in 1000 3000; do
  echo "Export and restore of $count commands, the restore against $count idle runs of the script host"
  out=$(scripts_bench restore "$count")
  printf '  %-34s %8.2f ms\n' "export" "$(value export_ms "$out")"
  printf '  %-34s %8.2f ms   (%s commands, %.1f ms each)\n' "restore" "$(value restore_ms "$out")" "$(value made "$out")" \
    "$(awk -v t="$(value restore_ms "$out")" -v n="$count" 'BEGIN { print t / n }')"
  printf '  %-34s %8.2f ms\n' "script host, $count idle runs" "$(value idle_ms "$out")"
  printf '  %-34s %s\n' "ratio" "$(verdict_ratio "$(value restore_ms "$out")" "$(value idle_ms "$out")" 1.3)"
done

# (g) Without VBScript (Wine's engine switched off for these programs only), each start a new name.
echo "The create verb to its message without VBScript ($((rounds * runs_per_round)) runs each, after $warmups warm-up runs)"
no_vbscript() { WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}vbscript=" "$@"; }
created=0
create_once() {
  created=$((created + 1))
  no_vbscript measure 1 "$(windows_path "$work/quillet.exe")" "bench$created" 'C:\windows\notepad.exe'
}
for ((i = 0; i < warmups; i++)); do create_once >/dev/null || true; no_vbscript measure 1 "${bare_start[@]}" >/dev/null || true; done
: >"$work/create.times"
: >"$work/bare2.times"
for ((round = 0; round < rounds; round++)); do
  for ((i = 0; i < runs_per_round; i++)); do create_once >>"$work/create.times" || true; done
  no_vbscript measure "$runs_per_round" "${bare_start[@]}" >>"$work/bare2.times" || true
done
read -r create_median create_min < <(median_min <"$work/create.times")
read -r bare2_median bare2_min < <(median_min <"$work/bare2.times")
printf '  %-34s median %8.2f ms   min %8.2f ms\n' "quillet.exe benchN notepad.exe" "$create_median" "$create_min"
printf '  %-34s median %8.2f ms   min %8.2f ms\n' "bare_msgbox.exe" "$bare2_median" "$bare2_min"
printf '  %-34s %s\n' "ratio of the medians" "$(verdict_ratio "$create_median" "$bare2_median" 1.05)"
