#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the figures of docs/performance.md, all on this machine in one run:
#   - start-up: process start to the welcome window mapped, against a minimal
#     Qt Widgets window built in the same tree (median of 11 runs each);
#   - memory: peak RSS with the exam window open, against the minimal window,
#     shown both at 400 x 200 and maximized (as the program's windows are);
#   - CPU while the welcome window waits with its car driving, over 30 s;
#   - START: click to question 1 drawn, on a 32767-record bank and on the
#     shipped bank.
# Both programs run under Xvfb, with a PulseAudio server (one null sink) as a
# desktop would have, so the program's sound device really opens.
#
#   tools/measure-performance.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-perf
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELTRIN_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target veltrin veltrin-checkbank minimal_window mapwait start_click_bench >/dev/null

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work HOME=$work
pulse=""
cleanup() { [ -n "$pulse" ] && kill "$pulse" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
if command -v pulseaudio >/dev/null; then
  pulseaudio --daemonize=no --exit-idle-time=-1 -n --load="module-null-sink sink_name=nr" \
    --load="module-native-protocol-unix" >/dev/null 2>&1 &
  pulse=$!
  for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi

# A bank of 32767 records in a program folder of its own.
big=$work/big
mkdir -p "$big"
awk 'BEGIN {
  printf "32767 Copyright performance bank\r\n"
  for (i = 1; i <= 32767; i++) {
    printf "Q.topic/P%d/%d\r\nWhat should a driver do in situation number %d?\r\n", i, i % 4 + 1, i
    printf "1. Slow down\r\n2. Keep the same speed\r\n3. Follow more closely\r\n4. Use high beams\r\n\r\n"
  }
}' >"$big/veltrin.dll"

cat >"$work/measure.sh" <<'INNER'
set -euo pipefail
build=$1 work=$2
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
cd "$work"
for _ in $(seq 1 11); do "$build/bench/mapwait" "Minimal" "$build/bench/minimal_window"; done | median >minimal_ms
for _ in $(seq 1 11); do "$build/bench/mapwait" "Minimal" "$build/bench/minimal_window" maximized; done | median >maximized_ms
for _ in $(seq 1 11); do LANG=C.UTF-8 "$build/bench/mapwait" "Veltrin's Test" "$build/bin/veltrin"; done | median >veltrin_ms
# The same in Spanish: the translations are loaded before the first window.
for _ in $(seq 1 11); do LANG=es_US.UTF-8 "$build/bench/mapwait" "Veltrin's Test" "$build/bin/veltrin"; done | median >veltrin_es_ms
# Practice: the same windows, the progress store left until the first Start.
for _ in $(seq 1 11); do LANG=C.UTF-8 "$build/bench/mapwait" "Veltrin's Test – Practice" "$build/bin/veltrin" --practice; done | median >practice_ms

hwm() { awk '/VmHWM/ { print $2 }' "/proc/$1/status"; }
"$build/bench/minimal_window" & pid=$!; sleep 1.5; hwm $pid >minimal_kb; kill $pid; wait $pid 2>/dev/null || true
"$build/bench/minimal_window" maximized & pid=$!; sleep 1.5; hwm $pid >maximized_kb; kill $pid; wait $pid 2>/dev/null || true
"$build/bin/veltrin" >/dev/null 2>&1 & pid=$!; sleep 1.5
xdotool mousemove 604 28 click 1; sleep 1        # Continue
xdotool mousemove 200 364 click 1; sleep 1       # Start: question 1 on screen
[ "$(xdotool search --onlyvisible --name "^Veltrin's Test$" | wc -l)" -eq 2 ] || echo "the exam window is not open" >&2
hwm $pid >exam_kb; kill $pid; wait $pid 2>/dev/null || true

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
"$build/bin/veltrin" >/dev/null 2>&1 & pid=$!; sleep 1.5
xdotool mousemove 604 60 click 1; sleep 0.5      # About: no self-advance
xdotool key Return; sleep 1
before=$(ticks $pid); sleep 30; after=$(ticks $pid)
echo $((after - before)) >idle_ticks
kill $pid; wait $pid 2>/dev/null || true
INNER
screen=${VELTRIN_SCREEN:-1280x1024}
xvfb-run -a -s "-screen 0 ${screen}x24" bash "$work/measure.sh" "$build" "$work"

hz=$(getconf CLK_TCK)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
minimal_ms=$(cat "$work/minimal_ms"); maximized_ms=$(cat "$work/maximized_ms"); veltrin_ms=$(cat "$work/veltrin_ms")
veltrin_es_ms=$(cat "$work/veltrin_es_ms")
minimal_kb=$(cat "$work/minimal_kb"); maximized_kb=$(cat "$work/maximized_kb"); exam_kb=$(cat "$work/exam_kb")
idle=$(cat "$work/idle_ticks")
echo "screen ${screen}"
echo "start-up to the window shown:  Veltrin's Test ${veltrin_ms} ms; minimal ${minimal_ms} ms (ratio $(ratio "$veltrin_ms" "$minimal_ms")), maximized ${maximized_ms} ms (ratio $(ratio "$veltrin_ms" "$maximized_ms"))"
practice_ms=$(cat "$work/practice_ms")
echo "start-up in practice:          Veltrin's Test ${practice_ms} ms; minimal ${minimal_ms} ms (ratio $(ratio "$practice_ms" "$minimal_ms"))"
echo "start-up in Spanish:           Veltrin's Test ${veltrin_es_ms} ms; minimal ${minimal_ms} ms (ratio $(ratio "$veltrin_es_ms" "$minimal_ms")); Spanish against English $(ratio "$veltrin_es_ms" "$veltrin_ms")"
echo "peak RSS, exam window open:    Veltrin's Test ${exam_kb} KiB; minimal ${minimal_kb} KiB (ratio $(ratio "$exam_kb" "$minimal_kb")), maximized ${maximized_kb} KiB (ratio $(ratio "$exam_kb" "$maximized_kb"))"
echo "CPU while the welcome waits:   ${idle} ticks of 1/${hz} s in 30 s = $(awk -v t="$idle" -v hz="$hz" 'BEGIN { printf "%.2f", 100 * t / hz / 30 }')% of one core"
echo "START, 32767-record bank:      $("$build/bench/start_click_bench" "$big" 30 2>/dev/null)"
echo "START, shipped bank:           $("$build/bench/start_click_bench" "$build/bin" 30 2>/dev/null)"
# The checker on the same bank, repeats and all: the slowest of three runs.
checker_s=$(for _ in 1 2 3; do
  s=$(date +%s%N); "$build/bin/veltrin-checkbank" --stats "$big/veltrin.dll" >/dev/null 2>&1 || true; e=$(date +%s%N)
  awk -v d=$((e - s)) 'BEGIN { printf "%.2f\n", d / 1e9 }'
done | sort -n | tail -n 1)
echo "checker --stats, 32767 records: ${checker_s} s (slowest of 3)"
