#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's artwork from the drawings in tools/artwork/ into assets/:
#
#   car-a.png, car-b.png   the two frames of the welcome window's car (237 x 74, on white)
#   street.png             the welcome window's street scene (470 x 146, on white)
#   car-a.bmp, car-b.bmp, street.bmp   the same as 256-colour bitmaps, as the program shows them
#   portrait.jpg           the about window's portrait (111 x 143, baseline JPEG, on a light ground)
#   icon-16.png, icon-32.png                     window icon, at most 16 colours
#   icon-48.png ... icon-256.png                 the icon at desktop sizes
#   veltrin.ico            the 16 and 32 pixel icons in one Windows icon file
#   veltrin.svg            the desktop icon as a scalable drawing
#   link-cursor.png        the about window's link pointer: a monochrome hand,
#                          32 x 32, black, white and transparent
#
# Safe to run again: metadata and time stamps are left out, so unchanged
# drawings give byte-identical files.
#
#   tools/make-artwork.sh
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/.." && pwd)
src="$here/artwork"
out="$top/assets"

missing=()
for tool in rsvg-convert convert identify compare; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "make-artwork: missing ${missing[*]}; install with: apt-get install librsvg2-bin imagemagick" >&2
  exit 1
fi

mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Options that keep a PNG free of anything that changes between runs.
png_clean=(-strip -define "png:exclude-chunks=date,time")

# render NAME [WIDTH HEIGHT]: the drawing NAME.svg as a PNG in the work folder,
# at its own size or at the size given.
render() {
  local name=$1
  shift
  local size=()
  [ "$#" -eq 2 ] && size=(--width="$1" --height="$2")
  rsvg-convert "${size[@]}" --format=png --output="$work/$name.png" "$src/$name.svg"
}

# on_white NAME: an opaque RGB picture on white, for the windows' image boxes.
on_white() {
  render "$1"
  convert "$work/$1.png" -background white -alpha remove -alpha off \
    "${png_clean[@]}" "PNG24:$out/$1.png"
}

# expect FILE WIDTH HEIGHT: stop if a rendered file came out at the wrong size.
expect() {
  local got
  got=$(identify -format '%wx%h' "$1")
  if [ "$got" != "$2x$3" ]; then
    echo "make-artwork: $1 is $got, expected $2x$3" >&2
    exit 1
  fi
}

# The car frames and the street scene.  car-b.svg takes its car from
# car-a.svg, so rsvg-convert must see both in the same folder.
on_white car-a
on_white car-b
on_white street
expect "$out/car-a.png" 237 74
expect "$out/car-b.png" 237 74
expect "$out/street.png" 470 146

# The program shows these three as 256-colour bitmaps: they decode at once, so
# the welcome window appears sooner than with PNG. The two car frames share one
# palette, so that their colours match exactly as they alternate.
convert "$out/car-a.png" "$out/car-b.png" +append +dither -colors 256 -unique-colors "$work/car-palette.png"
for frame in car-a car-b; do
  convert "$out/$frame.png" +dither -remap "$work/car-palette.png" -type Palette "BMP3:$out/$frame.bmp"
done
convert "$out/street.png" +dither -colors 256 -type Palette "BMP3:$out/street.bmp"

# The animation swaps the frames in place, so the car must not move between
# them: outside the corner where frame B draws its speed lines (left of
# x = 64 and above y = 34) the two frames have to match pixel for pixel.
for region in 173x74+64+0 237x40+0+34; do
  diff=$(compare -metric AE "$out/car-a.png[$region]" "$out/car-b.png[$region]" null: 2>&1 || true)
  if [ "$diff" != "0" ]; then
    echo "make-artwork: car frames differ outside the speed lines ($region: $diff pixels)" >&2
    exit 1
  fi
done

# The portrait: a small baseline colour JPEG with a plain JFIF header.
render portrait
convert "$work/portrait.png" -background white -alpha remove -alpha off -strip \
  -colorspace sRGB -type TrueColor -interlace none -sampling-factor 2x2 -quality 88 \
  -units PixelsPerInch -density 96 "$out/portrait.jpg"
expect "$out/portrait.jpg" 111 143
bytes=$(wc -c <"$out/portrait.jpg")
if [ "$bytes" -ge 10240 ]; then
  echo "make-artwork: portrait.jpg is $bytes bytes, it must stay under 10 KB" >&2
  exit 1
fi

# Window icons: each small size has its own drawing, fitted to its pixel
# grid, and is cut down to 16 colours without dithering so edges stay clean.
for size in 16 32; do
  render "icon-$size"
  convert "$work/icon-$size.png" +dither -colors 16 "${png_clean[@]}" "PNG32:$out/icon-$size.png"
  expect "$out/icon-$size.png" "$size" "$size"
  colours=$(identify -format '%k' "$out/icon-$size.png")
  if [ "$colours" -gt 16 ]; then
    echo "make-artwork: icon-$size.png has $colours colours, at most 16 allowed" >&2
    exit 1
  fi
done

# Desktop icons: one drawing at every larger size, full colour, transparent.
for size in 48 64 128 256; do
  render icon "$size" "$size"
  convert "$work/icon.png" "${png_clean[@]}" "PNG32:$out/icon-$size.png"
  expect "$out/icon-$size.png" "$size" "$size"
done

# The link pointer: every pixel black, white or transparent, as a monochrome
# cursor is; the hot spot (5, 0), the tip of the finger, must be black.
render link-cursor
convert "$work/link-cursor.png" -background none -channel RGB -colorspace gray -threshold 60% \
  -channel A -threshold 40% +channel "${png_clean[@]}" "PNG32:$out/link-cursor.png"
expect "$out/link-cursor.png" 32 32
tip=$(convert "$out/link-cursor.png" -format '%[pixel:p{5,0}]' info:)
case "$tip" in
  *"(0,0,0,1)"* | "black" | "srgba(0,0,0,1)" | "graya(0,1)") ;;
  *) echo "make-artwork: the link pointer's tip (5, 0) is $tip, not black" >&2; exit 1 ;;
esac

convert "$out/icon-16.png" "$out/icon-32.png" "$out/veltrin.ico"
cp "$src/icon.svg" "$out/veltrin.svg"

echo "make-artwork: wrote $(cd "$out" && echo car-a.png car-b.png street.png car-a.bmp car-b.bmp street.bmp portrait.jpg \
  icon-16.png icon-32.png icon-48.png icon-64.png icon-128.png icon-256.png veltrin.ico veltrin.svg \
  link-cursor.png)"
