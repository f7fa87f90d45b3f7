#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Practice from outside: the real program under Xvfb on a private session
# bus, driven with xdotool and read through AT-SPI (read-practice.py).
#
#   run-practice.sh PROGRAM SOURCE-DIR
#
# A bank of 25 questions whose right answer is always B: 5 on topic "alpha",
# 20 on "beta". Round 1, --practice --topic alpha, is answered "A" throughout,
# so its 5 questions become open mistakes in the progress kept under a
# private XDG_DATA_HOME; its review lists all 5. Round 2, --practice on every
# topic, must bring those back first: its first two questions, read from the
# screen, are alpha questions (a draw that ignored the progress would show a
# beta one four times in five). An unknown topic ends with status 2.
# Exits 77 (skipped) where Xvfb, xdotool, D-Bus or AT-SPI is missing.
set -euo pipefail
program=$1
source=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing"; exit 77; }
done
python=/usr/bin/python3
[ -x "$python" ] || python=$(command -v python3 || echo python3)
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIPPED: python3-pyatspi is missing"; exit 77; }
launcher=$(ls /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher 2>/dev/null | head -n 1 || true)
[ -n "$launcher" ] || { echo "SKIPPED: at-spi2-core is missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/data"
cp "$program" "$work/program/veltrin"
{
  printf '25 Copyright practice test bank\r\n'
  for n in $(seq 1 25); do
    if [ "$n" -le 5 ]; then topic=alpha; else topic=beta; fi
    printf 'Q.%s/p%d/2\r\nQuestion %s %d\r\n1. First\r\n2. Second\r\n3. Third\r\n\r\n' "$topic" "$n" "$topic" "$n"
  done
} >"$work/program/veltrin.dll"
for n in $(seq 1 25); do printf 'p%d|Because rule %d says so.|Handbook, page %d\n' "$n" "$n" "$n"; done \
  >"$work/program/veltrin.reasons"

if XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen "$work/program/veltrin" --practice --topic gamma \
  >/dev/null 2>"$work/topic.err"; then
  echo "FAILED: an unknown topic was taken"; exit 1
fi
grep -q "its topics are: alpha, beta" "$work/topic.err" || { echo "FAILED: an unknown topic did not list the topics"; cat "$work/topic.err"; exit 1; }
echo "an unknown topic lists the bank's topics"

cat >"$work/session.sh" <<SESSION
set -euo pipefail
export LANG=C.UTF-8 LANGUAGE= LC_ALL= XDG_DATA_HOME="$work/data"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb
"$launcher" --launch-immediately >/dev/null 2>&1 &
fail() { echo "FAILED: \$*"; exit 1; }
# until SECONDS COMMAND...: waits, a tenth of a second at a time, until the command succeeds.
until_true() { local n=\$((\$1 * 10)); shift; for _ in \$(seq 1 \$n); do "\$@" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
shown() { xdotool search --onlyvisible --name "\$1"; }
none() { ! xdotool search --onlyvisible --name "\$1"; }
question() { "$python" "$here/read-practice.py" question; }

# round TOPIC-ARGS...: starts the program, opens the exam window and starts.
round() {
  "$work/program/veltrin" --practice "\$@" >>"$work/program.log" 2>&1 &
  pid=\$!
  until_true 10 shown "^Veltrin's Test – Practice\\\$" || fail "the practice welcome window did not appear"
  until_true 10 bash -c '[ \$(xdotool search --onlyvisible --name "^Veltrin.s Test – Practice\\\$" | wc -l) -ge 2 ] || { xdotool mousemove 604 28 click 1; false; }' \
    || fail "Continue did not open the practice window"
  until_true 10 bash -c 'question | grep -q "^Question " || { xdotool mousemove 200 364 click 1; false; }' \
    || fail "Start did not show a question"
}
# answer KEY: answers the question on screen and closes the verdict.
answer() {
  xdotool key "\$1"
  until_true 10 shown "^Message\\\$" || fail "no verdict came"
  xdotool key Return
  until_true 10 none "^Message\\\$" || fail "the verdict did not close"
}
finish() {
  xdotool mousemove 958 723 click 1   # Exit
  until_true 5 bash -c "! kill -0 \$pid" || kill \$pid
  wait \$pid 2>/dev/null || true
}
export -f question shown; export python here

round --topic alpha
for n in 1 2 3 4 5; do
  question | grep -q "^Question alpha" || fail "--topic alpha asked: \$(question)"
  xdotool key a
  until_true 10 shown "^Message\\\$" || fail "no verdict came"
  if [ \$n -lt 5 ]; then xdotool key Return; until_true 10 none "^Message\\\$" || fail "the verdict did not close"; fi
done
xdotool key Return                      # the last verdict; then the result
until_true 10 shown "^Message\\\$" || fail "no result came"
xdotool key Return
until_true 10 shown "^Review of this round\\\$" || fail "no review after the round"
until_true 10 bash -c '[ \$("$python" "$here/read-practice.py" review | grep -c "^Missed question") -eq 5 ]' \
  || fail "the review does not list the 5 questions missed: \$("$python" "$here/read-practice.py" review)"
"$python" "$here/read-practice.py" review | grep -q "Your answer: A. First / Right answer: B. Second / Because rule" \
  || fail "a review row lacks the answers or the reason"
"$python" "$here/read-practice.py" review | grep -q "^alpha: 0 of 5" || fail "the topic bar does not read 0 of 5 known"
echo "round 1: 5 alpha questions answered wrong, all 5 in the review"
xdotool key Return                      # Return on the review
until_true 10 bash -c '[ \$(xdotool search --onlyvisible --name "^Veltrin.s Test – Practice\\\$" | wc -l) -eq 1 ]' \
  || fail "Return on the review did not close the practice window"
finish
ls "$work/data/veltrin/progress/"*.progress >/dev/null || fail "no progress was kept"

round
first=\$(question)
answer b
until_true 10 bash -c '! question | grep -qx "\$0"' "\$first" || fail "the second question did not come"
second=\$(question)
echo "round 2 began with: \$first; then: \$second"
case "\$first\$second" in Question\ alpha*Question\ alpha*) ;; *) fail "the mistakes did not come back first" ;; esac
finish
SESSION
# -noreset: else the server resets whenever its last client leaves (the
# first round's program, say), and turns away whoever connects meanwhile.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- bash "$work/session.sh" || {
  echo "--- program output"; cat "$work/program.log" 2>/dev/null || true
  exit 1
}
echo "PASSED"
