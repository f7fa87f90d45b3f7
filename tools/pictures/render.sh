#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every question picture drawn under tools/pictures/svg/ to a PNG of the
# same name under data/pictures/, at the size the drawing itself declares.
# The exam window leaves 129 x 121 pixels for a picture and never scales one,
# so a drawing should stay near that size and must not pass 200 x 200.
#
#   tools/pictures/render.sh            render all drawings
#   tools/pictures/render.sh stop yield render the named ones only
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
src="$here/svg"
out="$top/data/pictures"
mkdir -p "$out"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }

if [ "$#" -gt 0 ]; then
  names=("$@")
else
  names=()
  for f in "$src"/*.svg; do names+=("$(basename "$f" .svg)"); done
fi

status=0
for name in "${names[@]}"; do
  svg="$src/$name.svg"
  png="$out/$name.png"
  [ -f "$svg" ] || { echo "no drawing $svg" >&2; status=1; continue; }
  rsvg-convert --format=png --output="$png" "$svg"
  size=$(identify -format '%w %h' "$png")
  read -r w h <<<"$size"
  if [ "$w" -gt 200 ] || [ "$h" -gt 200 ]; then
    echo "$name.png is ${w}x${h}, larger than 200x200" >&2
    status=1
  fi
done
exit $status
