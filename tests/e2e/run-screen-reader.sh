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

for tool in xvfb-run xdotool dbus-run-session dbus-send; do
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

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
launcher=$1 work=$2 python=$3 reader=$4
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT
# await WHAT SECONDS TEST...: runs TEST every tenth of a second until it
# holds; after SECONDS fails, telling what was awaited and what the screen held.
await() {
  local what=$1 limit=$2 deadline
  shift 2
  deadline=$((${EPOCHREALTIME/[.,]/} + limit * 1000000))
  until "$@"; do
    if [ "${EPOCHREALTIME/[.,]/}" -gt "$deadline" ]; then
      echo "FAILED: waited $limit s for $what; the screen held:"
      xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null || echo "(no window)"
      echo "the focus on: $(xdotool getwindowfocus getwindowname 2>/dev/null || echo none)"
      [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || echo "(the program had ended)"
      exit 1
    fi
    sleep 0.1
  done
}
# The launcher has taken its name on the session bus (asked without starting it).
a11y_bus() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"
}
windows() { xdotool search --onlyvisible --name "^Veltrin's Test\$" 2>/dev/null | wc -l; }
welcome_window() { [ "$(windows)" -ge 1 ]; }
# The exam window is up over the welcome window and holds the focus, which
# the program gives it once it is shown.
exam_window() {
  [ "$(windows)" -eq 2 ] && [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "Veltrin's Test" ] \
    && [ "$(xdotool getwindowfocus 2>/dev/null)" != "$welcome" ]
}

"$launcher" --launch-immediately >/dev/null 2>&1 &
await "the accessibility bus's launcher on the session bus" 20 a11y_bus
LANG=C.UTF-8 LANGUAGE="" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb "$work/program/veltrin" \
  >"$work/program.log" 2>&1 &
pid=$!
await "the welcome window" 20 welcome_window
welcome=$(xdotool search --onlyvisible --name "^Veltrin's Test\$" | head -n 1)
# A slow start may not take the first click yet: click Continue again, a few times.
for _ in 1 2 3 4 5; do
  xdotool mousemove 604 28 click 1    # Continue
  for _ in $(seq 1 20); do exam_window && break 2; sleep 0.1; done
done
await "the exam window with the focus, after Continue" 10 exam_window
xdotool mousemove 200 364 click 1     # Start
# The reader waits itself for the clock to show a second or two.
"$python" "$reader"
SESSION
# -noreset: else the server resets whenever its last client leaves, and
# turns away a client that connects meanwhile (a program starting, xdotool).
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- \
  bash "$work/session.sh" "$launcher" "$work" "$python" "$here/read-exam.py" || {
  echo "--- program output"; cat "$work/program.log" 2>/dev/null || true
  exit 1
}
echo "PASSED"
