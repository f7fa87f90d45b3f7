#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# make-sounds.sh - synthesises the five sound cues that Veltrin's Test plays
# from its program folder:
#
#   carstart.wav  a car engine cranked by its starter, catching and idling;
#                 plays while the welcome window shows the car driving
#   skid1.wav     a tyre screech; one of the two wrong-answer cues
#   siren.wav     an emergency-vehicle wail; the other wrong-answer cue
#   skidbump.wav  a screech that ends in a crash; the exam was failed
#   honkyea.wav   two honks of a two-tone horn, then a cheering crowd;
#                 the exam was passed
#
# Everything is made here from oscillators, filtered noise and espeak-ng
# voices; nothing is recorded or downloaded.  The player in the program
# (QSoundEffect) reads plain PCM only, so every file is written as 16-bit
# signed mono WAV at 22050 Hz (which also keeps each under 200 KB),
# normalised to -3 dBFS peak with short fades so that nothing clicks.
# sox runs with -R (repeatable noise and dither), so running the script
# again gives byte-identical files.  The five files are built in a scratch
# folder and only moved into place once all of them are made, so a failed
# run leaves the old set as it was.
#
# Usage: tools/make-sounds.sh [output-folder]   (default: data/ of the repo)

set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../data"}

for tool in sox espeak-ng; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "make-sounds: '$tool' is not installed;" \
             "run: apt-get install -y sox libsox-fmt-all espeak-ng" >&2
        exit 1
    fi
done

mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir finished

rate=22050
# Working files are 32-bit float so that intermediate mixes keep their detail.
float=(-r "$rate" -c 1 -b 32 -e floating-point)

# sox with repeatable randomness; any clipping warning is a fault in this
# script, not something to ship, so it stops the run.
sx() {
    local log
    if ! log=$(sox -R "$@" 2>&1); then
        printf 'make-sounds: sox failed: sox %s\n%s\n' "$*" "$log" >&2
        exit 1
    fi
    if grep -qi 'clip' <<<"$log"; then
        printf 'make-sounds: clipping in: sox %s\n%s\n' "$*" "$log" >&2
        exit 1
    fi
}

# gen FILE SYNTH-ARGS... : a fresh synthesised working file.
gen() {
    local f=$1
    shift
    sx -r "$rate" -n "${float[@]}" "$f" "$@"
}

# mix OUT W1 F1 W2 F2 ... [-- EFFECTS...] : weighted sum of working files.
# The weights of one mix add up to at most 1, so the sum cannot clip.
mix() {
    local o=$1
    shift
    local args=()
    while (($#)) && [[ $1 != -- ]]; do
        args+=(-v "$1" "$2")
        shift 2
    done
    (($#)) && shift
    sx -m "${args[@]}" "${float[@]}" "$o" "$@"
}

# level FILE : rescale a working file to a -6 dBFS peak, so that the weights
# given to mix describe how loud each part is heard.
level() {
    sx "$1" "${float[@]}" "$1.tmp.wav" gain -n -6
    mv "$1.tmp.wav" "$1"
}

# finish IN NAME FADE-IN FADE-OUT : a finished file, ready to ship.
finish() {
    sx "$1" -r "$rate" -c 1 -b 16 -e signed-integer "finished/$2" \
        fade h "$3" -0 "$4" gain -n -3
}

# ---------------------------------------------------------------- skid
# A tyre screech: two close tones sliding down together (their beating is the
# rubber's judder), a quieter tone an octave above, a pitch wobble from bend
# and band-passed hiss; a fast tremolo gives the chatter.  bend is silent for
# its first few frames, so the tones start 50 ms early and that lead is cut
# off again.
# skid LEN HIGH LOW OUT
skid() {
    local len=$1 hi=$2 lo=$3 o=$4 tlen
    tlen=$(awk -v l="$len" 'BEGIN { print l + 0.05 }')
    gen skid-a.wav synth "$tlen" sine "$hi/$lo"
    gen skid-b.wav synth "$tlen" sine "$((hi * 1035 / 1000))/$((lo * 1030 / 1000))"
    gen skid-c.wav synth "$tlen" sine "$((hi * 2))/$((lo * 2))"
    gen skid-n.wav synth "$len" whitenoise sinc 1200-3400
    mix skid-t.wav 0.5 skid-a.wav 0.38 skid-b.wav 0.12 skid-c.wav -- \
        gain -10 bend -f 50 \
        0.1,70,0.12 0.05,-110,0.15 0.1,80,0.1 0.15,-60,0.2 0.1,90,0.15 0.1,-70,0.2 \
        trim 0.05 "$len"
    level skid-t.wav
    level skid-n.wav
    # The compander's release outlasts a tremolo cycle, so it lifts the
    # screech as a whole and leaves the chatter in it.
    mix "$o" 0.78 skid-t.wav 0.22 skid-n.wav -- tremolo 23 40 \
        gain -n -1 compand 0.003,0.05 -40,-40,-20,-12,0,-6 -3 -20 0.002
    level "$o"
}

skid 1.8 1900 1150 skid1-raw.wav
finish skid1-raw.wav skid1.wav 0.03 0.5

# ---------------------------------------------------------------- siren
# An emergency-vehicle wail: a tone rising from 650 to 1450 Hz and falling
# back, twice, with its second and third harmonics.  Each rise and fall holds
# a whole number of cycles of every harmonic (mean frequency times length),
# so the joined segments run on without a click.
siren_part() {  # siren_part HARMONIC OUT
    local lo=$((650 * $1)) hi=$((1450 * $1))
    gen sr-up.wav synth 0.8 sine "$lo:$hi"
    gen sr-dn.wav synth 0.6 sine "$hi:$lo"
    sx sr-up.wav sr-dn.wav sr-up.wav sr-dn.wav "${float[@]}" "$2"
}
siren_part 1 siren-1.wav
siren_part 2 siren-2.wav
siren_part 3 siren-3.wav
mix siren-raw.wav 0.6 siren-1.wav 0.15 siren-2.wav 0.25 siren-3.wav -- \
    gain -6 lowpass 3500 reverb 25 50 40
level siren-raw.wav
finish siren-raw.wav siren.wav 0.05 0.35

# ---------------------------------------------------------------- carstart
# The starter: a motor buzz and gear whine that surge with every compression
# stroke (about six a second), over rumbling noise.
gen st-m.wav synth 1.45 sawtooth 90:118 gain -12 lowpass 1800 tremolo 6.2 75
gen st-w.wav synth 1.45 sine 700:880 gain -12 tremolo 6.2 60
gen st-n.wav synth 1.45 brownnoise gain -12 highpass 150 lowpass 2500 tremolo 6.2 80
for f in st-m st-w st-n; do level $f.wav; done
mix starter.wav 0.5 st-m.wav 0.15 st-w.wav 0.35 st-n.wav -- fade h 0.08 -0 0.1
level starter.wav

# The engine: one sharp pulse per firing, each also gating a burst of
# rumble, low-passed and driven into soft clipping for the exhaust's growl.
# It catches (firing rate 15 rising to 60 a second), revs down to idle
# (28 a second) and idles.  Every segment holds whole pulses, so the
# joins fall between firings; the level steps ride on those gaps.
# engine_seg LEN FREQ LEVEL OUT [EFFECTS...]
engine_seg() {
    local len=$1 freq=$2 lvl=$3 o=$4
    shift 4
    gen es-p.wav synth "$len" exp "$freq" 0 0 8 10 vol 0.45 dcshift 0.45
    gen es-n.wav synth "$len" whitenoise lowpass 900 synth "$len" exp amod "$freq" 0 0 8 10
    mix "$o" 0.6 es-p.wav 0.4 es-n.wav -- vol "$lvl" "$@"
}
engine_seg 0.4 15:60 1.0 en-1.wav fade t 0.25
engine_seg 0.75 60:28 1.0 en-2a.wav
sx en-2a.wav "${float[@]}" en-2b.wav fade t 0 -0 0.75
mix en-2.wav 0.6 en-2a.wav 0.4 en-2b.wav
engine_seg 1.25 28 0.6 en-3.wav
sx en-1.wav en-2.wav en-3.wav "${float[@]}" engine.wav \
    gain -6 highpass 25 lowpass 1100 equalizer 160 1q +5 gain -n -1 \
    overdrive 12 0 gain -4 lowpass 1600 tremolo 3.3 12
level engine.wav

sx starter.wav "${float[@]}" starter-pad.wav pad 0 2.3
sx engine.wav "${float[@]}" engine-pad.wav pad 1.35 0
mix carstart-raw.wav 0.4 starter-pad.wav 0.6 engine-pad.wav
level carstart-raw.wav
finish carstart-raw.wav carstart.wav 0.03 0.5

# ---------------------------------------------------------------- skidbump
# A screech cut short by the impact: a low thump of filtered noise, a sine
# dropping from 120 to 35 Hz, a crackling crunch of metal and a few bits of
# debris ringing after it.
skid 1.5 2000 1300 sb-skid.wav
sx sb-skid.wav "${float[@]}" sb-skid-cut.wav trim 0 1.3 fade h 0 -0 0.04
hit=1.27
gen sb-thump.wav synth 0.8 brownnoise gain -12 lowpass 180 lowpass 180 fade q 0.003 -0 0.75
gen sb-drop.wav synth 0.55 sine 120/35 gain -6 fade q 0.002 -0 0.5
gen sb-crunch.wav synth 0.5 whitenoise gain -12 sinc 700-5000 tremolo 37 70 fade l 0.002 -0 0.48
debris() {  # debris OUT FREQ DELAY : a small metal part ringing, two inharmonic partials
    gen "$1" synth 0.3 sine "$2" synth 0.3 sine mix "$(($2 * 141 / 100))" \
        gain -6 fade l 0.001 -0 0.29 pad "$3" 0
}
debris sb-deb1.wav 3150 0.12
debris sb-deb2.wav 2480 0.23
debris sb-deb3.wav 3720 0.33
for f in sb-thump sb-drop sb-crunch; do level $f.wav; done
mix sb-debris.wav 0.4 sb-deb1.wav 0.3 sb-deb2.wav 0.3 sb-deb3.wav
level sb-debris.wav
mix sb-crash.wav 0.34 sb-thump.wav 0.28 sb-drop.wav 0.28 sb-crunch.wav 0.1 sb-debris.wav -- \
    pad "$hit" 0
level sb-skid-cut.wav
level sb-crash.wav
mix skidbump-raw.wav 0.4 sb-skid-cut.wav 0.6 sb-crash.wav
level skidbump-raw.wav
finish skidbump-raw.wav skidbump.wav 0.03 0.3

# ---------------------------------------------------------------- honkyea
# Two honks of a two-tone horn (about 405 and 510 Hz, sawtooth, driven a
# little and low-passed), then a crowd cheering: several espeak-ng voices
# shouting at raised pitch, a bed of crowd noise shaped to an open vowel,
# and clapping.
honk() {  # honk LEN OUT
    gen hk-lo.wav synth "$1" sawtooth 405
    gen hk-hi.wav synth "$1" sawtooth 510
    mix "$2" 0.5 hk-lo.wav 0.5 hk-hi.wav -- gain -8 overdrive 8 gain -6 \
        lowpass 2600 equalizer 1100 1q +4 fade h 0.012 -0 0.035
}
honk 0.22 hk-1.wav
honk 0.5 hk-2.wav
gen hk-gap.wav trim 0 0.11
sx hk-1.wav hk-gap.wav hk-2.wav "${float[@]}" horn.wav
level horn.wav

cheer_at=0.95
voice() {  # voice OUT VOICE PITCH WORD DELAY
    espeak-ng -m -v "$2" -s 185 -w "$1.speech.wav" \
        "<speak><prosody pitch=\"$3\" range=\"x-high\">$4</prosody></speak>"
    sx "$1.speech.wav" "${float[@]}" "$1" pad "$5" 0
    level "$1"
}
voice cv-1.wav en-us+m3 x-high "Yeah!" 0.00
voice cv-2.wav en-us+f2 high "Hooray!" 0.12
voice cv-3.wav en+m1 x-high "Yay!" 0.26
voice cv-4.wav en-gb+f4 x-high "Yeah!" 0.38
voice cv-5.wav en-us+m7 high "Hooray!" 0.55
voice cv-6.wav en-us+f3 x-high "Woo!" 1.05
voice cv-7.wav en+m2 x-high "Yeah!" 1.2
voice cv-8.wav en-us+f4 high "Hooray!" 1.55
mix voices.wav 0.14 cv-1.wav 0.13 cv-2.wav 0.12 cv-3.wav 0.13 cv-4.wav \
    0.12 cv-5.wav 0.12 cv-6.wav 0.12 cv-7.wav 0.12 cv-8.wav -- \
    gain -n -1 compand 0.002,0.1 -40,-40,-20,-12,0,-6 -3 -20 0.002
level voices.wav

# The crowd's breath: pink noise with the formants of an open "ah".
gen crowd.wav synth 2.9 pinknoise gain -12 sinc 300-3500 \
    equalizer 750 2q +8 equalizer 1250 2q +6 tremolo 2.1 25 fade q 0.35 -0 1.2
level crowd.wav
# Clapping: eight clappers at slightly different rates, each a train of
# short decaying noise bursts, so the claps fall in an uneven pattern.
i=0
claps=()
for rate_ph in 4.1:0 4.6:31 5.2:57 5.7:13 6.3:78 6.9:44 7.4:91 8.1:66; do
    i=$((i + 1))
    gen clap-$i.wav synth 2.9 whitenoise gain -6 \
        synth 2.9 exp amod "${rate_ph%%:*}" 0 "${rate_ph##*:}" 1 \
        sinc "$((900 + i * 130))-$((4000 + i * 250))"
    claps+=(0.125 "clap-$i.wav")
done
mix claps.wav "${claps[@]}" -- fade q 0.25 -0 1.0
level claps.wav
mix cheer.wav 0.7 voices.wav 0.12 crowd.wav 0.18 claps.wav -- pad "$cheer_at" 0
level cheer.wav
mix honkyea-raw.wav 0.35 horn.wav 0.65 cheer.wav
level honkyea-raw.wav
finish honkyea-raw.wav honkyea.wav 0.01 0.6

mv finished/*.wav "$out/"
echo "make-sounds: wrote to $out:"
ls -l "$out"/carstart.wav "$out"/skid1.wav "$out"/siren.wav \
    "$out"/skidbump.wav "$out"/honkyea.wav
