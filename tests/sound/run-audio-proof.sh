#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens to the sound device: a PulseAudio server with one null sink is
# started for the test, a cue is played through the program's real player and
# closed after one second, and the sink's monitor is recorded. The recording
# must hold the cue while it plays and silence once it has been closed (the
# cue itself is longer). Exits 77 (skipped) where PulseAudio is not installed.
#
#   run-audio-proof.sh PLAY-CUE-PROGRAM PROGRAM-FOLDER
#
# PROGRAM-FOLDER holds the sound module and the cues' wave files, as the
# program's own folder does.
set -euo pipefail
play=$1
modules=$2
for tool in pulseaudio pactl parec sox; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (apt-get install pulseaudio pulseaudio-utils sox)"; exit 77; }
done

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime HOME=$runtime PULSE_RUNTIME_PATH=$runtime/pulse
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT

pulseaudio --daemonize=no --exit-idle-time=-1 -n \
  --load="module-null-sink sink_name=nr norewinds=1" --load="module-native-protocol-unix" \
  >"$runtime/server.log" 2>&1 &
server=$!
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { cat "$runtime/server.log"; echo "FAILED: PulseAudio did not start"; exit 1; }
pactl set-default-sink nr

# The recording is 16-bit mono at 22050 Hz: 44100 bytes a second. It is read
# while it grows; where the cue sits in it is found in the samples, not in
# the wall clock.
recorded() { awk -v n="$(stat -c %s "$runtime/heard.raw")" 'BEGIN { printf "%.2f", n / 44100 }'; }
holds() { awk -v r="$(recorded)" -v s="$1" 'BEGIN { exit !(r >= s) }'; }
# The second of the recording where the cue begins: its first sample above 1 %
# of full scale. Nothing where there is none. (awk reads to the end, so that
# od is not cut off.)
onset() {
  od -An -v -td2 -w2 "$runtime/heard.raw" \
    | awk '!found && ($1 > 327 || $1 < -327) { printf "%.3f\n", (NR - 1) / 22050; found = 1 }'
}
# until_recorded SECONDS WHAT: waits, 10 s at most, until the recording holds
# SECONDS of sound.
until_recorded() {
  local limit=$((SECONDS + 10))
  until holds "$1"; do
    [ "$SECONDS" -lt "$limit" ] \
      || { echo "FAILED: waited 10 s for $2: the recording holds $(recorded) s, not $1 s"; exit 1; }
    sleep 0.1
  done
}
# until_heard SECONDS: waits, 10 s at most, until the cue has sounded and the
# recording holds SECONDS of it from its beginning.
until_heard() {
  local limit=$((SECONDS + 10)) begins=""
  until begins=$(onset) && [ -n "$begins" ] && holds "$(awk -v b="$begins" -v s="$1" 'BEGIN { print b + s }')"; do
    if [ "$SECONDS" -ge "$limit" ]; then
      if [ -z "$begins" ]; then
        echo "FAILED: waited 10 s for the cue to sound: the recording holds $(recorded) s of silence"
      else
        echo "FAILED: waited 10 s for $1 s of recording from the cue's beginning at $begins s: it holds $(recorded) s"
      fi
      exit 1
    fi
    sleep 0.1
  done
}

parec -d nr.monitor --raw --format=s16le --rate=22050 --channels=1 >"$runtime/heard.raw" &
recorder=$!
until_recorded 0.2 "the recorder to start"
"$play" "$modules" 0 1000
until_heard 2.3
kill "$recorder"; wait "$recorder" 2>/dev/null || true

# The cue is closed one second after it was asked for, so at most one second
# after it begins: from 1.5 s on it must be silent, though the cue itself
# lasts 3.75 s. The stretches are measured from the cue's beginning, so the
# recording must begin in silence: one begun in the middle of the cue would
# put that beginning too early.
begins=$(onset)
# RMS amplitude of a stretch of the recording: START LENGTH (seconds), START
# counted from the cue's beginning.
rms() {
  local start
  start=$(awk -v b="$begins" -v s="$1" 'BEGIN { print b + s }')
  sox -t raw -r 22050 -e signed -b 16 -c 1 "$runtime/heard.raw" -n trim "$start" "$2" stat 2>&1 \
    | awk '/RMS +amplitude/ { print $3 }'
}
playing=$(rms 0.1 0.5)
after=$(rms 1.5 0.8)
echo "the cue begins $begins s into the recording; RMS while it plays: $playing; after it was closed: $after"
if [ -z "$begins" ] || ! holds "$(awk -v b="$begins" 'BEGIN { print b + 2.3 }')"; then
  echo "FAILED: the recording ($(recorded) s, the cue at ${begins:-none} s) does not hold the stretches measured"
  exit 1
fi
awk -v b="$begins" 'BEGIN { exit !(b >= 0.1) }' \
  || { echo "FAILED: the recording did not begin in silence (the cue at $begins s)"; exit 1; }
awk -v p="$playing" -v a="$after" 'BEGIN { exit !(p > 0.02 && a < 0.001) }' \
  || { echo "FAILED: the device did not sound the cue, or closing did not cut it short"; exit 1; }
echo "PASSED"
