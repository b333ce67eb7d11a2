#!/usr/bin/env bash
# Makes Quillet's artwork in resources/artwork/ from the Tango icon theme (public domain).
#   Debian packages: tango-icon-theme imagemagick librsvg2-bin
#   Usage: resources/make_artwork.sh [--sheet FILE.png]
# Every run rebuilds every file from the installed theme and gives byte-identical results, so running
# it again changes nothing. --sheet also writes a contact sheet of all outputs (4x, labelled) to look at.
#
# Outputs:
#   NN_name.bmp, commands_16.bmp  16x16 command-type images (and the 208x16 strip of all 13) for an image
#                                 list whose mask colour is RGB(192,192,192): 24-bit BMP3, pixels less than
#                                 half opaque become exactly 192,192,192 and no other pixel is that colour.
#   category_user.ico, category_system.ico, help.ico   16, 24, 32, 48: 32-bit with alpha.
#   quillet.ico                   the application icon: 16, 24, 32, 48 and 256 (PNG-compressed).
#   arrow.ico                     the small arrow beside "Thanks to" in the About box: 16, 24, 32.
#   link_web.cur, link_mail.cur   the pointers over web and mail links: 32x32 with alpha, an arrow whose tip is
#                                 the hot spot (0,0) and a globe or an envelope beside its tail.
#   CREDITS.md                    where each picture came from, and the licence.
# The theme ships hand-drawn PNGs at 16, 22 (24 is the 22 drawing with a 1-pixel border) and 32, and
# SVGs drawn on a 48x48 canvas: each size is taken from its own drawing; only 48 and 256 are rendered.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out="$here/artwork"
theme=${TANGO_DIR:-/usr/share/icons/Tango}
mask='rgb(192,192,192)'
nudge='rgb(193,193,193)' # what a drawn pixel of exactly the mask colour becomes

sheet=
case "${1:-}" in
  '') ;;
  --sheet) sheet=${2:?--sheet needs a file name} ;;
  *) echo "usage: $0 [--sheet FILE.png]" >&2; exit 2 ;;
esac

for tool in convert montage rsvg-convert; do
  command -v "$tool" >/dev/null || {
    echo "make_artwork: $tool is missing (apt-get install imagemagick librsvg2-bin)" >&2; exit 1; }
done
[ -d "$theme/16x16" ] || { echo "make_artwork: no Tango theme at $theme (apt-get install tango-icon-theme)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# Theme file for a size (16, 24, 32) or scalable, by context/name; fails loudly if the theme lacks it.
src() {
  local size=$1 name=$2 file
  if [ "$size" = scalable ]; then file="$theme/scalable/$name.svg"; else file="$theme/${size}x$size/$name.png"; fi
  [ -e "$file" ] || { echo "make_artwork: $file is not in the installed theme" >&2; exit 1; }
  printf '%s' "$file"
}

# Intermediate pictures are 8-bit RGBA PNGs (PNG32:), written with no dates or other metadata, so that every
# output is the same bytes each run.
im() { convert "$@"; }
png_out() { printf 'PNG32:%s' "$1"; }
# shellcheck disable=SC2054 # the commas belong to ImageMagick's option
clean=(-strip -define png:exclude-chunks=date,time)

# An SVG rendered at SIZE, as a clean RGBA PNG.
render() { # svg size out.png
  rsvg-convert -w "$2" -h "$2" "$1" -o "$work/render.png"
  im "$work/render.png" "${clean[@]}" "$(png_out "$3")"
}

# ---------------------------------------------------------------------------------------------------------
# 1. The thirteen 16x16 command-type images.
# Each row: output name | how it is made | the theme icon(s) it comes from (for CREDITS.md).
commands=(
  "01_folder|folder|16x16/places/folder.png, recoloured from blue to yellow"
  "02_help|copy apps/help-browser|16x16/apps/help-browser.png"
  "03_web|copy mimetypes/text-html|16x16/mimetypes/text-html.png"
  "04_film|copy mimetypes/video-x-generic|16x16/mimetypes/video-x-generic.png"
  "05_office|copy mimetypes/x-office-document|16x16/mimetypes/x-office-document.png"
  "06_image|copy mimetypes/image-x-generic|16x16/mimetypes/image-x-generic.png"
  "07_sound|copy status/audio-volume-high|16x16/status/audio-volume-high.png"
  "08_registry|copy mimetypes/package-x-generic|16x16/mimetypes/package-x-generic.png"
  "09_text|copy mimetypes/text-x-generic|16x16/mimetypes/text-x-generic.png"
  "10_script|copy mimetypes/text-x-script|16x16/mimetypes/text-x-script.png"
  "11_generic|copy mimetypes/text-x-generic-template|16x16/mimetypes/text-x-generic-template.png"
  "12_program|program|a window drawn in the Tango palette, with 16x16/categories/applications-system.png (gear) reduced to 10x10"
  "13_shortcut|copy emblems/emblem-symbolic-link|16x16/emblems/emblem-symbolic-link.png"
)

# The yellow folder: Tango's folder is sky blue. -modulate's hue 8 turns every hue by (8-100)*1.8 = -165.6
# degrees, blue to golden yellow, and saturation 160 makes it as vivid as Tango's butter; greys stay grey.
make_folder() { im "$(src 16 places/folder)" -modulate 100,160,8 "${clean[@]}" "$(png_out "$1")"; }

# The program: a window (grey frame, blue title bar, light client area) with a small blue gear on it.
make_program() {
  im "$(src 16 categories/applications-system)" -filter Lanczos -resize 10x10 \
     -channel A -threshold 45% +channel "${clean[@]}" "$(png_out "$work/gear.png")"
  im -size 16x16 xc:none \
     -fill '#888a85' -draw 'rectangle 0,1 15,14' \
     -fill '#ffffff' -draw 'rectangle 1,2 14,13' \
     -fill '#3465a4' -draw 'rectangle 1,2 14,4' \
     -fill '#729fcf' -draw 'rectangle 1,2 14,2' \
     -fill '#eeeeec' -draw 'rectangle 2,6 13,12' \
     "$work/gear.png" -geometry +6+6 -composite "${clean[@]}" "$(png_out "$1")"
}

# RGBA PNG -> opaque PNG on the mask colour: alpha below 50% is background, everything else is drawn at
# its own colour (not blended), and a drawn pixel that happens to be 192,192,192 is nudged to 193,193,193.
flatten_on_mask() { # in.png out.png
  im "$1" -alpha on \
     \( +clone -alpha extract -threshold 50% \) \
     \( -clone 0 -alpha off -fill "$nudge" -opaque "$mask" \) \
     -delete 0 +swap -compose CopyOpacity -composite \
     -background "$mask" -compose Over -alpha remove -alpha off "${clean[@]}" "PNG24:$2"
}

write_bmp() { # in.png out.bmp
  im "$1" -alpha off -type TrueColor -define bmp:format=bmp3 "BMP3:$2"
}

# Checks a BMP: 24-bit, and its mask-colour pixels are exactly the source's under-half-opaque pixels.
check_bmp() { # source-rgba.png out.bmp
  local want got info
  info=$(identify -format '%m %[bit-depth] %[channels]' "$2")
  [ "$info" = "BMP3 8 srgb" ] || { echo "make_artwork: $2 is '$info', not a 24-bit BMP3" >&2; exit 1; }
  want=$(im "$1" -alpha extract -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)
  got=$(im "$2" -alpha off -fill black +opaque "$mask" -fill white -opaque "$mask" -format '%[fx:round(mean*w*h)]' info:)
  [ "$want" = "$got" ] || { echo "make_artwork: $2 has $got mask pixels, expected $want" >&2; exit 1; }
}

report() { printf '  %-22s %s\n' "${1#"$here"/}" "$(identify -format '%m %wx%h %[bit-depth]-bit/channel %[channels]; ' "$1" | sed 's/; $//')"; }

echo "make_artwork: writing to ${out#"$here"/}/ from $theme"
strip_parts=()
strip_rgba=()
for row in "${commands[@]}"; do
  IFS='|' read -r name how _ <<<"$row"
  rgba="$work/$name.png"
  case "$how" in
    folder) make_folder "$rgba" ;;
    program) make_program "$rgba" ;;
    copy\ *) im "$(src 16 "${how#copy }")" "${clean[@]}" "$(png_out "$rgba")" ;;
  esac
  [ "$(identify -format '%wx%h' "$rgba")" = 16x16 ] || { echo "make_artwork: $name is not 16x16" >&2; exit 1; }
  flatten_on_mask "$rgba" "$work/$name.flat.png"
  write_bmp "$work/$name.flat.png" "$out/$name.bmp"
  check_bmp "$rgba" "$out/$name.bmp"
  report "$out/$name.bmp"
  strip_parts+=("$work/$name.flat.png")
  strip_rgba+=("$rgba")
done

im "${strip_parts[@]}" +append "${clean[@]}" "PNG24:$work/strip.png"
write_bmp "$work/strip.png" "$out/commands_16.bmp"
im "${strip_rgba[@]}" -background none +append "${clean[@]}" "$(png_out "$work/strip_rgba.png")"
check_bmp "$work/strip_rgba.png" "$out/commands_16.bmp"
[ "$(identify -format '%wx%h' "$out/commands_16.bmp")" = 208x16 ] || { echo "make_artwork: strip is not 208x16" >&2; exit 1; }
report "$out/commands_16.bmp"

# ---------------------------------------------------------------------------------------------------------
# 2-4. Icons: every size from its own drawing (16, 24, 32 PNGs), 48 and 256 rendered from the SVG.
make_ico() { # out.ico icon-name sizes...
  local ico=$1 name=$2 size parts=()
  shift 2
  for size in "$@"; do
    case "$size" in
      16|24|32) im "$(src "$size" "$name")" "${clean[@]}" "$(png_out "$work/ico_$size.png")" ;;
      *) render "$(src scalable "$name")" "$size" "$work/ico_$size.png" ;;
    esac
    parts+=("$work/ico_$size.png")
  done
  im "${parts[@]}" "${clean[@]}" "ICO:$ico"
  local got
  got=$(identify -format '%w ' "$ico" | sed 's/ $//')
  [ "$got" = "$*" ] || { echo "make_artwork: $ico has sizes '$got', expected '$*'" >&2; exit 1; }
  printf '  %-22s ICO %s\n' "${ico#"$here"/}" "$(identify -format '%wx%h/%[channels] ' "$ico" | sed 's/ $//')"
}

make_ico "$out/category_user.ico"   places/user-home        16 24 32 48
make_ico "$out/category_system.ico" devices/computer        16 24 32 48
make_ico "$out/help.ico"            apps/help-browser       16 24 32 48
make_ico "$out/quillet.ico"         apps/utilities-terminal 16 24 32 48 256
make_ico "$out/arrow.ico"           actions/go-next         16 24 32

# ---------------------------------------------------------------------------------------------------------
# 5. The link pointers: a white arrow outlined in black (drawn here, without smoothing, as pointers are) with a
# 16x16 theme icon beside its tail.
cursors=(
  "link_web|categories/applications-internet"
  "link_mail|apps/internet-mail"
)
make_cursor() { # out.cur icon-name
  im -size 32x32 xc:none +antialias -fill white -stroke black -strokewidth 1 \
     -draw 'polygon 0,0 0,17 4,13 7,19 9,18 6,12 11,12' \
     "$(src 16 "$2")" -geometry +12+14 -composite "${clean[@]}" "$(png_out "$work/cursor.png")"
  im "$work/cursor.png" "${clean[@]}" "ICO:$work/cursor.ico"
  # A cursor file is an icon file with two fields changed: the type (2, not 1) and, in the one image's entry,
  # the words that hold planes and bit count in an icon hold the hot spot's x and y.
  { printf '\0\0\2\0'; head -c 10 "$work/cursor.ico" | tail -c 6; printf '\0\0\0\0'; tail -c +15 "$work/cursor.ico"; } >"$1"
  [ "$(identify -format '%m %wx%h' "$1")" = "CUR 32x32" ] || { echo "make_artwork: $1 is not a 32x32 cursor" >&2; exit 1; }
  printf '  %-22s CUR 32x32, hot spot 0,0\n' "${1#"$here"/}"
}
for row in "${cursors[@]}"; do
  IFS='|' read -r name from <<<"$row"
  make_cursor "$out/$name.cur" "$from"
done

# ---------------------------------------------------------------------------------------------------------
# 6. CREDITS.md
version=$(dpkg-query -W -f='${Version}' tango-icon-theme 2>/dev/null || echo 'not known (not installed by dpkg)')
{
  cat <<EOF
# Artwork credits

Every picture in this folder is made by \`resources/make_artwork.sh\` from the **Tango icon theme**,
Debian package \`tango-icon-theme\`, version $version (files under \`/usr/share/icons/Tango/\`).
Run the script again to rebuild them all; it gives the same bytes.

## Licence: public domain

\`/usr/share/doc/tango-icon-theme/copyright\` gives \`License: public-domain\` for all of the theme's
files. In short: for the 0.8.90 release, Novell tracked down every contributor to the Tango icons and
had them relicense their artwork into the public domain; the upstream COPYING file states "The icons in
this repository are herefore released into the Public Domain", and the SVGs carry the Creative Commons
Public Domain Dedication, under which the dedicators give up all their rights so that the work "may be
freely reproduced, distributed, transmitted, used, modified, built upon, or otherwise exploited by
anyone for any purpose, commercial or non-commercial". The copyright holders named there are Ulisse
Perusin, Steven Garrity, Lapo Calamandrei, Ryan Collier, Rodney Dawes, Andreas Nilsson, Tuomas
Kuosmanen, Garrett LeSage and Jakub Steiner (2005-2009). Quillet's changes (recolouring, compositing,
conversion) are in the public domain too.

## Command-type images (16x16; also side by side in \`commands_16.bmp\`, 208x16)

24-bit BMPs for an image list with mask colour RGB(192,192,192): pixels less than half opaque are
192,192,192; drawn pixels keep their colour, and any drawn pixel of exactly 192,192,192 is 193,193,193.

| file | theme icon |
| --- | --- |
EOF
  for row in "${commands[@]}"; do
    IFS='|' read -r name _ from <<<"$row"
    # shellcheck disable=SC2016 # the backquotes are Markdown
    printf '| `%s.bmp` | %s |\n' "$name" "$from"
  done
  cat <<'EOF'

## Icons (32-bit with alpha)

| file | sizes | theme icon |
| --- | --- | --- |
| `category_user.ico` ("My Commands") | 16, 24, 32, 48 | `places/user-home`: 16x16, 24x24, 32x32 PNGs; 48 rendered from `scalable/places/user-home.svg` |
| `category_system.ico` ("System") | 16, 24, 32, 48 | `devices/computer`: 16x16, 24x24, 32x32 PNGs; 48 rendered from `scalable/devices/computer.svg` |
| `help.ico` | 16, 24, 32, 48 | `apps/help-browser`: 16x16, 24x24, 32x32 PNGs; 48 rendered from `scalable/apps/help-browser.svg` |
| `quillet.ico` (application) | 16, 24, 32, 48, 256 | `apps/utilities-terminal`: 16x16, 24x24, 32x32 PNGs; 48 and 256 rendered from `scalable/apps/utilities-terminal.svg` |
| `arrow.ico` (beside "Thanks to") | 16, 24, 32 | `actions/go-next`: 16x16, 24x24, 32x32 PNGs |

## Pointers (32x32, 32-bit with alpha, hot spot 0,0)

A white arrow outlined in black, drawn by the script, with a 16x16 theme icon beside its tail.

| file | theme icon |
| --- | --- |
| `link_web.cur` (over web links) | `16x16/categories/applications-internet.png` (globe) |
| `link_mail.cur` (over mail links) | `16x16/apps/internet-mail.png` (envelope) |

The theme's 24x24 PNGs are its 22x22 drawings with a transparent 1-pixel border. SVGs are rendered
with rsvg-convert (package `librsvg2-bin`); everything else is done with ImageMagick.
EOF
} >"$out/CREDITS.md"
echo "  ${out#"$here"/}/CREDITS.md"

# ---------------------------------------------------------------------------------------------------------
# Optional contact sheet, on grey, every picture at 4x with its pixels kept sharp (256 at 1x): the 13 BMPs as
# stored (mask colour showing), the strip as an image list shows it on a white and on a selected row, and
# every size of every icon.
if [ -n "$sheet" ]; then
  font=()
  fc-list 2>/dev/null | grep -q 'DejaVu Sans' && font=(-font DejaVu-Sans)
  grey='#a0a0a0'
  tiles=()
  for row in "${commands[@]}"; do
    IFS='|' read -r name _ <<<"$row"
    tiles+=(-label "${name/_/ }" "$out/$name.bmp")
  done
  montage "${font[@]}" -background "$grey" -pointsize 12 "${tiles[@]}" -filter point -resize 400% \
          -geometry +14+6 -tile 13x "$work/sheet_cmds.png"
  for bg in white '#3875d7'; do
    im \( "$out/commands_16.bmp" -transparent "$mask" \) \( -size 208x16 "xc:$bg" \) +swap -compose Over \
       -composite -filter point -resize 400% -bordercolor "$grey" -border 6 "$work/sheet_on_$bg.png"
  done
  im "$out/commands_16.bmp" -filter point -resize 400% -bordercolor "$grey" -border 6 "$work/sheet_strip_raw.png"
  montage "${font[@]}" -background "$grey" -pointsize 12 \
          -label 'commands_16.bmp as stored' "$work/sheet_strip_raw.png" \
          -label 'shown on a white row' "$work/sheet_on_white.png" \
          -label 'shown on a selected row' "$work/sheet_on_#3875d7.png" \
          -geometry +0+4 -tile 1x "$work/sheet_strip.png"
  rows=()
  for ico in category_user category_system help quillet; do
    tiles=()
    for i in $(identify -format '%p ' "$out/$ico.ico"); do
      w=$(identify -format '%w' "$out/$ico.ico[$i]")
      scale=400; [ "$w" -ge 256 ] && scale=100
      im "$out/$ico.ico[$i]" -filter point -resize "$scale%" "$work/sheet_${ico}_$i.png"
      tiles+=(-label "${w}px" "$work/sheet_${ico}_$i.png")
    done
    montage "${font[@]}" -background "$grey" -pointsize 12 -title "$ico.ico" "${tiles[@]}" -geometry +10+6 \
            -gravity south -tile x1 "$work/sheet_row_$ico.png"
    rows+=("$work/sheet_row_$ico.png")
  done
  im -background "$grey" "$work/sheet_cmds.png" "$work/sheet_strip.png" "${rows[@]}" \
     -gravity center -append "${clean[@]}" "$sheet"
  echo "  contact sheet: $sheet"
fi
