#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The exam window read from outside as a screen reader reads it, through
# AT-SPI: the real program under Xvfb on a private session bus, Start
# pressed, then read-exam.py finds the clock's value labelled "Time" and the
# question number labelled "Question".
#
#   run-screen-reader.sh PROGRAM SOURCE-DIR
#
# Exits 77 (skipped) with a message where Xvfb, xdotool, D-Bus or AT-SPI is
# missing.
set -euo pipefail
program=$1
source=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing"; exit 77; }
done
# The system's Python has Debian's AT-SPI bindings; another Python on the
# PATH may not.
python=/usr/bin/python3
[ -x "$python" ] || python=$(command -v python3 || echo python3)
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIPPED: python3-pyatspi is missing"; exit 77; }
launcher=$(ls /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher 2>/dev/null | head -n 1 || true)
[ -n "$launcher" ] || { echo "SKIPPED: at-spi2-core is missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program/pictures"
cp "$program" "$work/program/veltrin"
cp "$source/data/pictures/stop.png" "$work/program/pictures/"
{
  printf '20 Copyright screen-reader test bank\r\n'
  for n in $(seq 1 20); do
    if [ "$n" -eq 1 ]; then printf 'Q.t/s%d/2/pictures\\stop.png\r\n' "$n"; else printf 'Q.t/s%d/2\r\n' "$n"; fi
    printf 'Question number %d\r\n1. First\r\n2. Second\r\n3. Third\r\n4. Fourth\r\n\r\n' "$n"
  done
} >"$work/program/veltrin.dll"

cat >"$work/session.sh" <<SESSION
set -euo pipefail
"$launcher" --launch-immediately >/dev/null 2>&1 &
sleep 1
LANG=C.UTF-8 LANGUAGE= QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb "$work/program/veltrin" >"$work/program.log" 2>&1 &
pid=\$!
for _ in \$(seq 1 50); do xdotool search --onlyvisible --name "^Veltrin's Test\$" >/dev/null 2>&1 && break; sleep 0.1; done
xdotool mousemove 604 28 click 1      # Continue
sleep 1
xdotool mousemove 200 364 click 1     # Start
sleep 2.5                             # the clock shows a second or two
status=0
"$python" "$here/read-exam.py" || status=\$?
kill \$pid 2>/dev/null || true
exit \$status
SESSION
# -noreset: else the server resets whenever its last client leaves, and
# turns away a client that connects meanwhile (a program starting, xdotool).
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- bash "$work/session.sh" || {
  echo "--- program output"; cat "$work/program.log" 2>/dev/null || true
  exit 1
}
echo "PASSED"
