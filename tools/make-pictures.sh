#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws every question picture from our generators (tools/pictures/gen_*.py
# write the SVG drawings) and renders them to data/pictures/*.png.
set -euo pipefail
here=$(cd "$(dirname "$0")/pictures" && pwd)
command -v python3 >/dev/null || { echo "python3 is missing (apt-get install python3)" >&2; exit 1; }
for generator in "$here"/gen_*.py; do
  python3 "$generator"
done
"$here/render.sh"
