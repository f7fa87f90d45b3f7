#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every question picture comes from our generators, and drawing them again
# gives the same files: the generators run in a copy of the tree, and each
# picture they render must match the committed one byte for byte, with none
# left over on either side.
#
#   run-redraw.sh SOURCE-DIR
#
# Exits 77 (skipped) where python3, rsvg-convert, ImageMagick or the
# Liberation fonts are missing.
set -euo pipefail
source=$1
for tool in python3 rsvg-convert identify; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing"; exit 77; }
done
[ -f /usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf ] \
  || { echo "SKIPPED: fonts-liberation is missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tools" "$work/data"
cp -r "$source/tools/pictures" "$work/tools/"
rm -f "$work/tools/pictures/svg/"*.svg
cd "$work/tools/pictures"
for generator in gen_*.py; do python3 "$generator" >/dev/null; done
./render.sh >/dev/null

status=0
drawn=$(cd "$work/data/pictures" && ls | sort)
shipped=$(cd "$source/data/pictures" && ls | sort)
if [ "$drawn" != "$shipped" ]; then
  echo "FAILED: the generators draw other pictures than data/pictures holds:"
  diff <(echo "$shipped") <(echo "$drawn") || true
  status=1
fi
for name in $drawn; do
  if ! cmp -s "$work/data/pictures/$name" "$source/data/pictures/$name"; then
    echo "FAILED: $name drawn again differs from the committed one"
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "PASSED: $(echo "$drawn" | wc -l) pictures drawn again, identical"
exit $status
