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

parec -d nr.monitor --raw --format=s16le --rate=22050 --channels=1 >"$runtime/heard.raw" &
recorder=$!
sleep 0.3
"$play" "$modules" 0 1000
sleep 1.5
kill "$recorder"; wait "$recorder" 2>/dev/null || true

# RMS amplitude of a stretch of the recording: START LENGTH (seconds).
rms() {
  sox -t raw -r 22050 -e signed -b 16 -c 1 "$runtime/heard.raw" -n trim "$1" "$2" stat 2>&1 \
    | awk '/RMS +amplitude/ { print $3 }'
}
playing=$(rms 0.5 0.6)
after=$(rms 2.2 0.8)
echo "RMS while the cue plays: $playing; after it was closed: $after"
awk -v p="$playing" -v a="$after" 'BEGIN { exit !(p > 0.02 && a < 0.001) }' \
  || { echo "FAILED: the device did not sound the cue, or closing did not cut it short"; exit 1; }
echo "PASSED"
