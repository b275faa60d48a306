#!/usr/bin/env bash
# Regenerates the event and game sounds under data/ from scratch.
# Needs sox and lame (Debian packages of the same names). The output is
# repeatable: sox runs in repeatable mode and bash's RANDOM is seeded.
#
# Every sound is synthesised here, brought to the same loudness (RMS of
# TARGET_RMS dBFS, peaks kept under full scale by sox's limiter) and encoded
# as 44.1 kHz stereo MP3 at 128 kbit/s.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
sounds="$root/data/sounds"
games="$root/data/thirtyseconds"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$sounds" "$games"

RATE=44100
TARGET_RMS=-18
RANDOM=1907

# Intermediate files are 32-bit float so mixing many parts loses nothing.
SOX=(sox -R -V1)
FLOAT=(-r "$RATE" -e floating-point -b 32)

# A new intermediate file name (called in subshells, so no counter).
fresh() { mktemp --suffix=.wav -p "$work" part.XXXXXX; }

# silence SECONDS -> file
silence() {
    local out; out=$(fresh)
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$out" trim 0 "$1"
    echo "$out"
}

# place FILE SECONDS -> FILE delayed by SECONDS
place() {
    local out; out=$(fresh)
    "${SOX[@]}" "$1" "$out" pad "$2"
    echo "$out"
}

# mixdown OUT FILE... : sums the files, then brings the peak to -1 dBFS
mixdown() {
    local out=$1; shift
    if [ $# -eq 1 ]; then cp "$1" "$out"; return; fi
    "${SOX[@]}" -m "$@" "$out" gain -n -1
}

# concat OUT FILE... : plays the files one after the other
concat() {
    local out=$1; shift
    if [ $# -eq 1 ]; then cp "$1" "$out"; return; fi
    "${SOX[@]}" "$@" "$out"
}

# rms FILE: RMS level in dBFS
rms() { "${SOX[@]}" "$1" -n stats 2>&1 | awk '/^RMS lev dB/ {print $4}'; }

# finish IN NAME.mp3 TITLE: matches loudness, makes stereo, encodes.
finish() {
    local in=$1 out=$2 title=$3 stereo="$work/final-stereo.wav" gain=0
    # The limiter keeps the peaks of spiky sounds (claps, drums) under full scale but shifts the
    # level a little, so the gain is corrected until the level is on target.
    for _ in 1 2 3 4 5; do
        # sox reads "-l -6" as options, so only a boost goes through the limiter.
        local level=(gain "$gain")
        [ "${gain#-}" = "$gain" ] && level=(gain -l "$gain")
        "${SOX[@]}" "$in" -r "$RATE" -b 16 -c 2 "$stereo" fade q 0.003 -0 0.08 "${level[@]}" dither -s
        gain=$(awk -v g="$gain" -v t="$TARGET_RMS" -v r="$(rms "$stereo")" 'BEGIN {printf "%.2f", g + t - r}')
    done
    lame --quiet --noreplaygain -b 128 --tt "$title" --ta "Clavora" "$stereo" "$out"
    printf '%-36s %5.2f s  RMS %6s dB  peak %6s dB  %7d bytes\n' "${out#"$root"/}" \
        "$(soxi -D "$out")" "$(rms "$stereo")" \
        "$("${SOX[@]}" "$stereo" -n stats 2>&1 | awk '/^Pk lev dB/ {print $4}')" "$(wc -c < "$out")"
}

# ---------------------------------------------------------------- instruments
# Notes are semitones from A440 (sox's %N notation): C5 = %3, G4 = %-2.

# trumpet SEMITONE SECONDS: bright brass with a quick attack
trumpet() {
    local out; out=$(fresh)
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$out" synth "$2" sawtooth "%$1" synth square mix "%$1" \
        lowpass 2600 overdrive 6 fade q 0.025 "$2" 0.07 gain -8
    echo "$out"
}

# sax SEMITONE SECONDS: darker reed tone with vibrato
sax() {
    local out; out=$(fresh)
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$out" synth "$2" sawtooth "%$1" \
        bandpass 900 1.2o overdrive 12 tremolo 5.5 25 fade q 0.04 "$2" 0.09 gain -6
    echo "$out"
}

# melody VOICE "SEMITONE:SECONDS ..." -> one track; "r" rests
melody() {
    local voice=$1 parts=()
    for step in $2; do
        local note=${step%%:*} length=${step##*:}
        if [ "$note" = r ]; then parts+=("$(silence "$length")")
        else parts+=("$($voice "$note" "$length")"); fi
    done
    local out; out=$(fresh)
    concat "$out" "${parts[@]}"
    echo "$out"
}

# ---------------------------------------------------------------- softbeep
make_softbeep() {
    local tone="$work/beep.wav"
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$tone" synth 0.16 sine 880 synth sine mix 1760 \
        fade h 0.008 0.16 0.12 lowpass 3000
    finish "$tone" "$sounds/softbeep.mp3" "Soft beep"
}

# ---------------------------------------------------------------- applause3
make_applause() {
    local tracks=()
    for clapper in $(seq 1 18); do
        local centre=$((900 + RANDOM % 1800))
        local clap; clap=$(fresh)
        "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$clap" synth 0.05 whitenoise \
            band "$centre" 900 fade l 0.001 0.05 0.048 gain -"$((RANDOM % 6))"
        local parts=("$(silence "0.$(printf '%03d' $((RANDOM % 400 + 20)))")") elapsed=0
        # Each clapper claps at a rate of its own with a little unevenness, for about 6 s.
        local period=$((210 + RANDOM % 90))
        while [ "$elapsed" -lt 5600 ]; do
            local gap=$((period - 50 + RANDOM % 30 - 15))
            parts+=("$clap" "$(silence "0.$(printf '%03d' "$gap")")")
            elapsed=$((elapsed + period))
        done
        local track; track=$(fresh)
        concat "$track" "${parts[@]}"
        # Spread the clappers across the stereo field.
        local left=$((30 + RANDOM % 70)) stereo; stereo=$(fresh)
        "${SOX[@]}" "$track" -c 2 "$stereo" remix "1v0.$left" "1v$(awk -v l="$left" 'BEGIN {printf "%.2f", 1.3 - l / 100}')"
        tracks+=("$stereo")
    done
    local crowd="$work/applause-mix.wav" shaped="$work/applause.wav"
    mixdown "$crowd" "${tracks[@]}"
    "${SOX[@]}" "$crowd" "$shaped" reverb 45 50 70 trim 0 6 fade t 0.35 6 2.2
    finish "$shaped" "$sounds/applause3.mp3" "Applause"
}

# ---------------------------------------------------------------- trumpets1
make_trumpets() {
    # A triplet pick-up and a rising call in two trumpets a third apart.
    local lead second mix="$work/trumpets-mix.wav" out="$work/trumpets.wav"
    lead=$(melody trumpet "-2:0.13 -2:0.13 -2:0.13 3:0.45 -2:0.2 3:0.2 7:0.9")
    second=$(melody trumpet "-5:0.13 -5:0.13 -5:0.13 -1:0.45 -5:0.2 -1:0.2 3:0.9")
    mixdown "$mix" "$lead" "$second"
    "${SOX[@]}" "$mix" -c 2 "$out" remix 1v1 1v0.9 reverb 35 50 60 pad 0 0.4
    finish "$out" "$sounds/trumpets1.mp3" "Trumpets"
}

# ---------------------------------------------------------------- trumpet-n-sax1
make_trumpet_and_sax() {
    # The trumpet plays a bright swing line; the sax answers below it and they end together.
    local horn reed mix="$work/tns-mix.wav" out="$work/tns.wav"
    horn=$(melody trumpet "3:0.22 7:0.22 10:0.22 12:0.5 r:0.55 10:0.18 12:1.0")
    reed=$(melody sax "r:0.7 -9:0.18 -5:0.18 -2:0.2 -5:0.5 -2:0.22 0:1.0")
    mixdown "$mix" "$horn" "$reed"
    "${SOX[@]}" "$mix" -c 2 "$out" remix 1v1 1v0.85 reverb 40 50 60 pad 0 0.4
    finish "$out" "$sounds/trumpet-n-sax1.mp3" "Trumpet and saxophone"
}

# ---------------------------------------------------------------- hypebeat
make_hypebeat() {
    local kick snare hat stab beat=0.42857 step
    step=$(awk -v b="$beat" 'BEGIN {print b / 4}')
    kick=$(fresh); snare=$(fresh); hat=$(fresh); stab=$(fresh)
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$kick" synth 0.3 sine 160/42 fade q 0.002 0.3 0.22 gain 2
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$snare" synth 0.18 whitenoise synth sine mix 190 \
        band 2200 2000 fade l 0.001 0.18 0.17
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$hat" synth 0.045 whitenoise highpass 7500 fade l 0 0.045 0.04 gain -5
    # A minor chord stab on a detuned saw pad: the "hype".
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$stab" synth 0.2 sawtooth %-12 synth sawtooth mix %-9 \
        synth sawtooth mix %-5 lowpass 1800 fade q 0.005 0.2 0.12 gain -4
    local hits=()
    # Two bars of sixteenths: kick, snare, hat and stab patterns.
    local kicks="x.....x.x.......x.....x...x.x..." snares="....x.......x.......x.......x.x."
    local hats="x.x.x.x.x.x.x.x.x.x.x.x.x.x.xxxx" stabs="..x.....x..x......x.....x..x...x"
    for i in $(seq 0 31); do
        local at; at=$(awk -v s="$step" -v i="$i" 'BEGIN {printf "%.5f", s * i}')
        [ "${kicks:$i:1}" = x ] && hits+=("$(place "$kick" "$at")")
        [ "${snares:$i:1}" = x ] && hits+=("$(place "$snare" "$at")")
        [ "${hats:$i:1}" = x ] && hits+=("$(place "$hat" "$at")")
        [ "${stabs:$i:1}" = x ] && hits+=("$(place "$stab" "$at")")
    done
    # The last bar ends on a kick and a long stab.
    local end; end=$(awk -v s="$step" 'BEGIN {printf "%.5f", s * 32}')
    hits+=("$(place "$kick" "$end")" "$(place "$stab" "$end")")
    local mix="$work/hype-mix.wav" out="$work/hype.wav"
    mixdown "$mix" "${hits[@]}"
    "${SOX[@]}" "$mix" -c 2 "$out" remix 1v1 1v1 reverb 20 50 40
    finish "$out" "$sounds/hypebeat.mp3" "Hype beat"
}

# ---------------------------------------------------------------- rockguitar
# power ROOT SECONDS: a distorted root-fifth-octave chord from plucked strings
power() {
    local raw; raw=$(fresh)
    local out; out=$(fresh)
    "${SOX[@]}" -n "${FLOAT[@]}" -c 3 "$raw" synth "$2" pluck "%$1" pluck "%$(($1 + 7))" pluck "%$(($1 + 12))"
    "${SOX[@]}" "$raw" "$out" remix - overdrive 35 15 lowpass 4500 fade 0.003 "$2" 0.04
    echo "$out"
}

make_rockguitar() {
    # E2 is 29 semitones below A440. Chugs on E, a climb through G and A, a ringing E to end.
    local parts=() e=-29 g=-26 a=-24
    for _ in 1 2 3 4; do parts+=("$(power $e 0.14)"); done
    parts+=("$(power $g 0.3)" "$(power $a 0.3)")
    for _ in 1 2; do parts+=("$(power $e 0.14)"); done
    parts+=("$(power $g 0.22)" "$(power $a 0.22)" "$(power $e 1.3)")
    local riff="$work/riff.wav" out="$work/rock.wav"
    concat "$riff" "${parts[@]}"
    "${SOX[@]}" "$riff" -c 2 "$out" remix 1v1 1v0.9 reverb 30 50 50
    finish "$out" "$sounds/rockguitar.mp3" "Rock guitar"
}

# ---------------------------------------------------------------- games
make_missedword() {
    # A falling two-step "bwow-wow": the word got away.
    local first second joined="$work/missed.wav"
    first=$(fresh); second=$(fresh)
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$first" synth 0.18 triangle 520/390 fade q 0.01 0.18 0.05
    "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$second" synth 0.42 triangle 370/170 tremolo 9 40 fade q 0.01 0.42 0.25
    concat "$joined" "$first" "$second"
    finish "$joined" "$games/missedword.mp3" "Missed word"
}

make_siren() {
    # A wailing siren: two slow rises and falls.
    local parts=() out="$work/siren.wav"
    for _ in 1 2; do
        local up down; up=$(fresh); down=$(fresh)
        "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$up" synth 0.75 square 620:1250 lowpass 2500
        "${SOX[@]}" -n "${FLOAT[@]}" -c 1 "$down" synth 0.75 square 1250:620 lowpass 2500
        parts+=("$up" "$down")
    done
    local joined="$work/siren-raw.wav"
    concat "$joined" "${parts[@]}"
    "${SOX[@]}" "$joined" "$out" fade q 0.05 3.0 0.3
    finish "$out" "$games/siren.mp3" "Siren"
}

make_softbeep
make_applause
make_trumpets
make_trumpet_and_sax
make_hypebeat
make_rockguitar
make_missedword
make_siren
