#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots under docs/ from the real program, run under Xvfb with
# the openbox window manager and driven from the keyboard with xdotool.
#
#   tools/screenshots.sh [BUILD-DIR]     (default: build)
#
# Each scene runs the program from a temporary program folder holding a bank of
# 20 questions picked from the shipped bank, so that whatever the draw, the
# first question is of the kind the scene wants.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
out=$top/docs/screenshots
mkdir -p "$out"
for tool in xvfb-run xdotool import convert openbox python3; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
[ -x "$build/bin/veltrin" ] || { echo "screenshots: build the program first ($build/bin/veltrin)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A program folder whose bank holds 20 shipped questions chosen by KIND:
#   all        the shipped bank as it is
#   picture4   four-answer questions with a picture whose right answer is B or C
#   three      three-answer questions
folder() {
  local kind=$1 dir=$work/$1
  mkdir -p "$dir"
  cp -r "$build/bin/." "$dir/"
  if [ "$kind" != all ]; then
    for bank in veltrin.dll es/veltrin.dll; do
      python3 - "$top/data/$bank" "$dir/$bank" "$kind" <<'PY'
import sys
src, dst, kind = sys.argv[1:]
text = open(src, 'rb').read().decode('utf-8')
records = [r for r in text.split('\r\n\r\n')[0:] if r.strip()]
header, records[0] = records[0].split('\r\n', 1)
def keep(r):
    lines = r.split('\r\n')
    fields = lines[0][2:].split('/')
    answers = sum(1 for l in lines if l[:2] in ('1.', '2.', '3.', '4.'))
    if kind == 'picture4':
        return answers == 4 and len(fields) > 3 and fields[2] in ('2', '3')
    return answers == 3
chosen = [r for r in records if keep(r)][:20]
assert len(chosen) == 20, len(chosen)
open(dst, 'wb').write(('20 Copyright screenshots\r\n' + '\r\n\r\n'.join(chosen) + '\r\n\r\n').encode('utf-8'))
PY
    done
  fi
  echo "$dir"
}

scene() { # NAME SCREEN-SIZE SCRIPT
  local name=$1 size=$2 script=$3
  xvfb-run -a -s "-screen 0 ${size}x24" bash -c "
    set -e
    openbox >/dev/null 2>&1 &
    sleep 0.5
    $script
  "
  echo "screenshots: $name"
}

shot() { echo "import -window root '$out/$1.png'"; }

run="LANG=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=xcb"
es="LANG=es_US.UTF-8 LANGUAGE= QT_QPA_PLATFORM=xcb"

# The welcome window opens with the focus on Exit: Tab reaches Continue, then
# About. The exam window opens with the focus on Return: Tab reaches Start.

all=$(folder all)
scene welcome 1024x768 "
  $run '$all/veltrin' >/dev/null 2>&1 & sleep 1.6
  $(shot welcome-1); sleep 1.4; $(shot welcome-2)
  xdotool key Tab Tab space; sleep 0.8; $(shot about)
  xdotool key Return; sleep 0.3; xdotool key shift+Tab space; sleep 0.8; $(shot exam-instructions)
"

pictures=$(folder picture4)
scene picture-question 1024x768 "
  $run '$pictures/veltrin' >/dev/null 2>&1 & sleep 1.5
  xdotool key Tab space; sleep 0.8; xdotool key Tab space; sleep 0.8; $(shot exam-picture-question)
  xdotool key a; sleep 0.8; $(shot exam-wrong-answer)
"

# The same windows in Spanish, and the result and a refused bank.
scene spanish 1024x768 "
  $es '$pictures/veltrin' >/dev/null 2>&1 & sleep 1.6
  $(shot es-welcome)
  xdotool key Tab Tab space; sleep 0.8; $(shot es-about)
  xdotool key Return; sleep 0.3; xdotool key shift+Tab space; sleep 0.8; $(shot es-exam-instructions)
  xdotool key Tab space; sleep 0.8; $(shot es-exam-picture-question)
  xdotool key a; sleep 0.8; $(shot es-exam-wrong-answer)
  xdotool key Return; sleep 0.4
  for i in \$(seq 2 20); do xdotool key a; sleep 0.35; xdotool key Return; sleep 0.35; done
  sleep 0.6; $(shot es-result)
"
bad=$work/bad
mkdir -p "$bad/es"
cp -r "$build/bin/." "$bad/"
printf '20 copyright\r\nQ.a/b/1\r\nTexto\r\n1. A\r\n\r\n' >"$bad/es/veltrin.dll"
scene spanish-refusal 1024x768 "
  $es '$bad/veltrin' >/dev/null 2>&1 & sleep 1.6
  xdotool key Tab space; sleep 0.8; xdotool key Tab space; sleep 1; $(shot es-refused-bank)
"

three=$(folder three)
scene three-answers 1024x768 "
  $run '$three/veltrin' >/dev/null 2>&1 & sleep 1.5
  xdotool key Tab space; sleep 0.8; xdotool key Tab space; sleep 0.8; $(shot exam-three-answers)
"

# Every window at twice the size, as on a high-density screen.
scene high-dpi 2048x1536 "
  QT_SCALE_FACTOR=2 $run '$pictures/veltrin' >/dev/null 2>&1 & sleep 1.8
  $(shot hidpi-welcome)
  xdotool key Tab Tab space; sleep 0.8; $(shot hidpi-about)
  xdotool key Return; sleep 0.3; xdotool key shift+Tab space; sleep 0.8
  xdotool key Tab space; sleep 0.8; xdotool key a; sleep 0.8; $(shot hidpi-exam-wrong-answer)
"

# The car driving and wrapping at the right edge of an 800-pixel screen: About
# first, so that the welcome window stays up.
frames=$work/frames
mkdir -p "$frames"
scene car 800x600 "
  $run '$all/veltrin' >/dev/null 2>&1 & sleep 1.2
  xdotool key Tab Tab space; sleep 0.4; xdotool key Return
  sleep 7.5
  for i in \$(seq -w 1 30); do import -window root -crop 800x160+0+300 +repage \"$frames/f\$i.png\"; sleep 0.15; done
"
convert -delay 20 -loop 0 "$frames"/f*.png "$top/docs/car.gif"
echo "screenshots: car.gif"
