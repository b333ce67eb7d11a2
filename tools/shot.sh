#!/usr/bin/env bash
# Screenshots of the main window with a dozen sample commands (the user commands and the system
# commands) and of the command editor, at 96 DPI and again at 144 DPI (150 %).
# Usage: tools/shot.sh <Windows build folder> <output folder>
# Runs under the Wine prefix in WINEPREFIX on the X display in DISPLAY (./dev shot sets both up).
set -euo pipefail

build=$(cd "${1:?usage: tools/shot.sh <Windows build folder> <output folder>}" && pwd)
out=$(mkdir -p "${2:?output folder}" && cd "$2" && pwd)
: "${WINEPREFIX:?}" "${DISPLAY:?}"

program="$out/sample-program"
rm -rf "$program"
mkdir -p "$program/Cmds"
cp "$build"/program/*.exe "$build"/program/*.vbs "$program/"

# name|target|parameters|window mode
samples=(
  'notepad|C:\windows\notepad.exe|C:\notes\todo.txt|3'
  'todo|C:\notes\todo.txt||1'
  'tools|C:\Tools\||1'
  'news|http://news.example.org/||1'
  'manual|C:\Docs\manual.chm||1'
  'song|C:\Music\theme.mp3||7'
  'holiday|C:\Pictures\beach.jpg||1'
  'letter|C:\Docs\letter.doc||3'
  'tweaks|C:\Setup\tweaks.reg||1'
  'backup|C:\Scripts\backup.vbs|/full|7'
  'build|C:\Projects\build.bat|release|1'
  'mail|C:\Links\mail.lnk||1'
)
drive="$WINEPREFIX/drive_c"
for sample in "${samples[@]}"; do
  IFS='|' read -r name target parameters mode <<<"$sample"
  printf 'This is a generated file, do not edit!\r\n%s\r\n%s\r\n%s\r\n%s\r\n\r\n' \
    "$name" "$target" "$parameters" "$mode" >"$program/Cmds/run_$name.cfg"
  # The targets exist, but for the last one: its icon shows the mark of a missing target.
  [ "$name" = mail ] && continue
  file="$drive/$(printf '%s' "${target:3}" | tr '\\' /)"
  mkdir -p "$(dirname "$file")"
  case "$target" in *\\) mkdir -p "$file" ;; C:*) [ -e "$file" ] || : >"$file" ;; esac
done

wine reg add 'HKCU\Software\Quillet' /v FirstRunDone /t REG_DWORD /d 1 /f >/dev/null 2>&1
for tool in paint.exe calc.exe; do
  wine reg add "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\$tool" /ve \
    /d "C:\\Program Files\\Accessories\\$tool" /f >/dev/null 2>&1
done

# Waits for a top-level window of that title and sets X Y WIDTH HEIGHT to its place.
find_window() {
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "shot: the window \"$1\" did not appear" >&2; exit 1; }
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$window")"  # X Y WIDTH HEIGHT
}
shoot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"; echo "wrote $1"; }

# <suffix>: the main window, the system commands and the editor, at the prefix's DPI.
shoot_all() {
  wine "$program/quillet.exe" >/dev/null 2>&1 &
  find_window '^Quillet$'
  local main=$window scale=$1 suffix=$2
  shoot "$out/main-window$suffix.png"
  # The "System" entry of the category pane: the second entry, left in the window.
  xdotool mousemove $((X + 55 * scale / 100)) $((Y + 150 * scale / 100)) click 1
  sleep 2
  shoot "$out/main-window-system$suffix.png"
  xdotool mousemove $((X + 55 * scale / 100)) $((Y + 80 * scale / 100)) click 1
  xdotool windowfocus "$main" key ctrl+a
  find_window 'New Command'
  shoot "$out/editor$suffix.png"
  wineserver -k || true
}

shoot_all 100 ""
# 150 %: the DPI is read when Wine starts.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -k || true
wineserver -p
shoot_all 150 "-144dpi"
