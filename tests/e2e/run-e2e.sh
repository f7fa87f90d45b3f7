#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program, started as a user starts it, driven from outside:
#
#   run-e2e.sh PROGRAM SOURCE-DIR
#
# Lays out a program folder (the executable, a test bank, pictures, sounds),
# mounts it read-only where the machine allows (the program writes nothing),
# starts the program under Xvfb and checks with xdotool and screenshots that
# the welcome window appears, that it opens the exam window by itself about
# nine seconds later, that Start shows question 1, that the about window's
# link reaches the desktop's opener, that Exit ends the process with status
# 0, and that --bank takes the questions and pictures of a bank elsewhere,
# read afresh at every Start. Exits 77 (skipped) with a message where Xvfb or xdotool is missing.
set -euo pipefail
program=$1
source=$2

for tool in xvfb-run Xvfb xdotool import convert compare identify; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (apt-get install xvfb xauth xdotool imagemagick)"
    exit 77
  fi
done

work=$(mktemp -d)
mounted=""
cleanup() {
  [ -n "$mounted" ] && umount -l "$mounted" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

folder=$work/program
mkdir -p "$folder/pictures" "$work/bin"
cp "$program" "$folder/veltrin"
cp "$(dirname "$program")"/libveltrin-sound.so "$folder/"
cp "$source"/data/*.wav "$folder/"
cp "$source/data/pictures/stop.png" "$folder/pictures/"
cp -r "$source/data/guide" "$folder/"
{
  printf '20 Copyright end-to-end test bank\r\n'
  for n in $(seq 1 20); do
    if [ "$n" -eq 1 ]; then printf 'Q.t/e%d/2/pictures\\stop.png\r\n' "$n"; else printf 'Q.t/e%d/2\r\n' "$n"; fi
    printf 'Question number %d\r\n1. First\r\n2. Second\r\n3. Third\r\n4. Fourth\r\n\r\n' "$n"
  done
} >"$folder/veltrin.dll"

mkdir -p "$work/own/Signs"
cp "$source/data/pictures/yield.png" "$work/own/Signs/Own.PNG"
{
  printf '20 Copyright a bank of our own\r\n'
  for n in $(seq 1 20); do
    printf 'Q.own/o%d/1/signs\\own.png\r\nWhat does this sign mean, %d?\r\n1. Yield\r\n2. Stop\r\n3. Merge\r\n\r\n' "$n" "$n"
  done
} >"$work/own/veltrin.dll"

run_from=$folder
if [ "$(id -u)" -eq 0 ] && mkdir -p "$work/readonly" \
  && mount --bind "$folder" "$work/readonly" 2>/dev/null; then
  mounted=$work/readonly
  if mount -o remount,ro,bind "$work/readonly" 2>/dev/null; then
    run_from=$work/readonly
    echo "program folder: read-only bind mount"
  else
    echo "program folder: writable (a read-only remount is not allowed here)"
  fi
else
  echo "program folder: writable (no read-only mount without root)"
fi

# The desktop's opener, as the program finds it on the PATH: it only records.
cat >"$work/bin/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$*" >>"$work/opened"
OPENER
chmod +x "$work/bin/xdg-open"

cat >"$work/drive.sh" <<'DRIVE'
set -euo pipefail
# English unless a step says otherwise, whatever the machine's language.
export LANG=C.UTF-8 LC_ALL="" LC_MESSAGES="" LANGUAGE=""
run_from=$1 work=$2
fail() { echo "FAILED: $*" >&2; exit 1; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }
windows() { xdotool search --onlyvisible --name "^Veltrin's Test$" 2>/dev/null | wc -l; }
# The pixels of a region of the screen that differ from a colour, by default
# the exam window's light yellow (RGB 255,255,192).
ink() { import -window root -crop "$1" -depth 8 txt:- | tail -n +2 | grep -vc "#${2:-FFFFC0}" || true; }
# The colour of one pixel of the screen, as RRGGBB.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR == 2 { print substr($3, 2, 6) }'; }

# What the screen holds, for a failure's message: the windows shown, where,
# and the one with the keyboard focus.
screen() {
  local id
  echo "the screen held:"
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    echo "  \"$(xdotool getwindowname "$id")\" $(xdotool getwindowgeometry "$id" \
      | awk '/Position/ { at = $2 } /Geometry/ { size = $2 } END { print size " at " at }')"
  done
  id=$(xdotool getwindowfocus getwindowname 2>/dev/null || true)
  if [ -n "$id" ]; then echo "  the focus on \"$id\""; else echo "  the focus on no window with a title"; fi
}
# await WHAT SECONDS TEST...: runs TEST every tenth of a second until it
# holds; after SECONDS fails, telling what was awaited, what TEST saw last
# (it leaves that in $seen), what the screen held, and whether the program
# ($pid) had ended.
seen="" pid=""
await() {
  local what=$1 limit=$2 deadline status=0
  shift 2
  deadline=$((${EPOCHREALTIME/[.,]/} + limit * 1000000))
  seen=""
  until "$@"; do
    if [ "${EPOCHREALTIME/[.,]/}" -gt "$deadline" ]; then
      if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" 2>/dev/null || status=$?
        seen="${seen:+$seen; }the program had ended, status $status"
      fi
      fail "waited $limit s for $what${seen:+ (last seen: $seen)}; $(screen)"
    fi
    sleep 0.1
  done
}

# The conditions awaited.
windows_are() { local n; n=$(windows); seen="$n windows titled Veltrin's Test"; [ "$n" -eq "$1" ]; }
# The welcome window alone and drawn: white where the exam window is light
# yellow, and its Continue button.
welcome_drawn() {
  local n corner button
  n=$(windows) corner=$(pixel 1000 100) button=$(ink 57x25+576+16 FFFFFF)
  seen="$n windows, #$corner at 1000,100, $button pixels of Continue"
  [ "$n" -eq 1 ] && [ "$corner" = FFFFFF ] && [ "$button" -gt 0 ]
}
# The exam window over the welcome window, drawn as it is before Start: light
# yellow, and its Start button.
exam_drawn() {
  local n corner button
  n=$(windows) corner=$(pixel 1000 100) button=$(ink 81x25+160+352)
  seen="$n windows, #$corner at 1000,100, $button pixels of Start"
  [ "$n" -eq 2 ] && [ "$corner" = FFFFC0 ] && [ "$button" -gt 0 ]
}
question_shown() {
  local button number
  button=$(ink 20x25+136+352) number=$(ink 49x17+392+376)
  seen="$button pixels of answer button A, $number of the question number"
  [ "$button" -gt 0 ] && [ "$number" -gt 0 ]
}
# picture_shown FILE: the exam window shows the picture FILE where pictures
# go, on its light yellow: not a pixel differs.
picture_shown() {
  local differ
  convert "$1" -background "#FFFFC0" -flatten "$work/expected.png"
  import -window root -crop "$(identify -format %wx%h "$1")+464+16" +repage "$work/shown.png"
  differ=$(compare -metric AE -fuzz 5% "$work/shown.png" "$work/expected.png" null: 2>&1 || true)
  seen="$differ pixels unlike $1"
  [ "$differ" = 0 ]
}
# showing TITLE: a window titled TITLE is shown; its id is left in $found.
found=""
showing() { found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1); [ -n "$found" ]; }
gone() { ! showing "$1"; }
focused() {
  local on
  on=$(xdotool getwindowfocus 2>/dev/null || true)
  seen="the focus on window $on, not $1"
  [ "$on" = "$1" ]
}
# about_drawn TITLE: the about window shown, with the focus, its link drawn.
about_drawn() {
  showing "$1" || { seen="no window titled $1"; return 1; }
  focused "$found" || return 1
  local link
  link=$(import -window "$found" -crop 300x16+30+172 -depth 8 txt:- | tail -n +2 | grep -vc "#FFFFC0" || true)
  seen="$link pixels of the link"
  [ "$link" -gt 0 ]
}
# The refusal closed, and the exam window with it.
refusal_closed() {
  gone "Veltrin" || { seen="the refusal still shown"; return 1; }
  welcome_drawn
}
opened() { grep -q "guide/index.html" "$work/opened" 2>/dev/null; }
ended() { ! kill -0 "$1" 2>/dev/null; }

PATH=$work/bin:$PATH QT_QPA_PLATFORM=xcb "$run_from/veltrin" >"$work/program.log" 2>&1 &
pid=$!
start=$(date +%s.%N)
await "the welcome window" 10 windows_are 1
shown=$(date +%s.%N)
echo "welcome window shown after $(seconds "$start" "$shown") s"

await "the exam window, opened by itself" 20 windows_are 2
advance=$(seconds "$shown" "$(date +%s.%N)")
echo "exam window opened by itself after $advance s"
awk -v t="$advance" 'BEGIN { exit !(t >= 8.8 && t <= 11.5) }' || fail "self-advance after $advance s, not about 9"

await "the exam window, drawn" 10 exam_drawn
[ "$(ink 20x25+136+352)" -eq 0 ] || fail "answer button A showed before Start"   # where it will be
xdotool mousemove 200 364 click 1           # Start
await "Start to show question 1" 10 question_shown
echo "Start showed question 1"

xdotool mousemove 954 722 click 1           # Return
await "Return to close the exam window" 10 welcome_drawn

xdotool mousemove 604 60 click 1            # About
await "About to open the about window, drawn and with the focus" 10 about_drawn "Copyright notice"
about=$found
xdotool mousemove --window "$about" 172 180 click 1   # the link
await "the link to reach the desktop's opener" 10 opened
echo "the link opened $(head -n 1 "$work/opened")"
await "the about window to keep the focus" 10 focused "$about"
xdotool key Return                          # OK on the about window
await "OK to close the about window" 10 gone "Copyright notice"

xdotool mousemove 958 723 click 1           # Exit
await "Exit to end the program" 10 ended "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "Exit ended the program with status 0"

# A bank of one's own in another folder, its picture beside it, named in
# another letter case: --bank takes both from there.
# continue_to_exam: presses Continue until the exam window is up over the
# welcome window; a slow start (the sanitizer build) may miss the first click.
continue_to_exam() {
  for _ in 1 2 3 4 5; do
    xdotool mousemove 604 28 click 1        # Continue
    for _ in $(seq 1 20); do [ "$(windows)" -ge 2 ] && break 2; sleep 0.1; done
  done
  [ "$(windows)" -ge 2 ] || fail "Continue did not open the exam window"
  await "the exam window, drawn" 10 exam_drawn
}
await "the windows of the run before to go" 10 windows_are 0
PATH=$work/bin:$PATH QT_QPA_PLATFORM=xcb "$run_from/veltrin" --bank "$work/own/veltrin.dll" >"$work/own.log" 2>&1 &
pid=$!
await "the welcome window of the run with --bank, drawn" 20 welcome_drawn
continue_to_exam
[ "$(ink 100x100+470+20)" -eq 0 ] || fail "--bank: a picture showed before Start"
xdotool mousemove 200 364 click 1           # Start
await "--bank: the picture beside the bank" 10 picture_shown "$work/own/Signs/Own.PNG"
echo "--bank: question 1 showed with the picture beside the bank"
xdotool mousemove 954 722 click 1           # Return
await "Return to bring back the welcome window, drawn" 10 welcome_drawn
printf '20 copyright\r\nQ.a/b/1\r\nText\r\n1. A\r\n\r\n' >"$work/own/veltrin.dll"
continue_to_exam
xdotool mousemove 200 364 click 1           # Start, on the bank as it is now
await "--bank: the refusal of the edited, invalid bank at Start" 10 showing "Veltrin"
refusal=$found
echo "--bank: the edited, invalid bank was refused at Start"
await "the refusal to take the focus" 10 focused "$refusal"
xdotool key Return                          # OK on the refusal
await "OK on the refusal to close it and the exam window" 10 refusal_closed
xdotool mousemove 958 723 click 1           # Exit
await "Exit to end the program started with --bank" 10 ended "$pid"
echo "Exit ended the program started with --bank"

# The language: the about window's title tells which one the program chose.
# about_title ENV... -- ARGS...: starts the program so, opens About, prints
# the about window's title, and ends the program.
about_title() {
  local envs=() args=()
  while [ "$1" != "--" ]; do envs+=("$1"); shift; done
  shift
  args=("$@")
  local title="" name p attempt
  # A start that shows no about window at all (neither language) is tried
  # once more, and told on standard error with what the screen held.
  for attempt in 1 2; do
    # The window of the run before has gone first, so the clicks reach this one.
    await "the windows of the run before to go" 10 windows_are 0
    env "${envs[@]}" PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb "$run_from/veltrin" "${args[@]}" \
      >"$work/lang.log" 2>&1 &
    p=$! pid=$p
    # This run's own welcome window, drawn, unless the program has ended.
    for _ in $(seq 1 300); do
      welcome_drawn && break
      kill -0 "$p" 2>/dev/null || break
      sleep 0.1
    done
    # A slow start (the sanitizer build) may not take the first click yet:
    # click About again until its window shows, a few times.
    for _ in 1 2 3 4 5 6; do
      kill -0 "$p" 2>/dev/null || break
      xdotool mousemove 604 60 click 1      # About
      for _ in $(seq 1 20); do
        for name in "Copyright notice" "Aviso de derechos de autor"; do
          xdotool search --all --onlyvisible --pid "$p" --name "^$name\$" >/dev/null 2>&1 && title=$name
        done
        [ -n "$title" ] && break 2
        sleep 0.1
      done
    done
    if [ -z "$title" ]; then
      {
        echo "attempt $attempt with ${envs[*]} ${args[*]}: no about window; $(screen)"
        kill -0 "$p" 2>/dev/null || echo "(the program had ended)"
        echo "--- its output"; cat "$work/lang.log"
      } >&2
    else
      showing "$title"
      await "the about window to take the focus" 10 focused "$found"
      xdotool key Return                    # OK
      await "OK to close the about window" 10 gone "$title"
      xdotool mousemove 958 723 click 1     # Exit
      await "Exit to end the program" 10 ended "$p"
    fi
    kill "$p" 2>/dev/null || true
    wait "$p" 2>/dev/null || true
    [ -n "$title" ] && break
  done
  echo "$title"
}
got=$(about_title LANG=es_US.UTF-8 -- )
[ "$got" = "Aviso de derechos de autor" ] || fail "LANG=es_US.UTF-8 did not give Spanish (\"$got\")"
[ "$(about_title LANG=C.UTF-8 LANGUAGE=es:en -- )" = "Aviso de derechos de autor" ] || fail "LANGUAGE=es did not give Spanish"
[ "$(about_title LANG=en_US.UTF-8 LANGUAGE=fr:es -- )" = "Aviso de derechos de autor" ] \
  || fail "Spanish first among the languages we have did not give Spanish"
[ "$(about_title LANG=es_US.UTF-8 -- --lang en)" = "Copyright notice" ] || fail "--lang en did not win over LANG"
[ "$(about_title LANG=C.UTF-8 -- --lang es)" = "Aviso de derechos de autor" ] || fail "--lang es did not give Spanish"
[ "$(about_title LANG=de_DE.UTF-8 -- )" = "Copyright notice" ] || fail "German did not fall back to English"
[ "$(about_title LANG=C.UTF-8 -- --lang fr)" = "Copyright notice" ] || fail "--lang fr did not fall back to English"
grep -q 'no texts in the language "fr"' "$work/lang.log" || fail "--lang fr was not told"
echo "the language follows LANG, LANGUAGE and --lang, and falls back to English"
DRIVE

# -noreset: else the server resets whenever its last client leaves, and
# turns away a client that connects meanwhile (a program starting, xdotool).
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$work/drive.sh" "$run_from" "$work" || {
  echo "--- program output"
  cat "$work/program.log" 2>/dev/null || true
  exit 1
}
echo "PASSED"
