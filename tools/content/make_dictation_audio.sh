#!/bin/sh
# Regenerates the spoken dictation samples from their transcriptions.
# Needs espeak-ng, sox and lame (Debian packages of the same names).
# The voice is slow and clear so that a learner can type along; mono
# 16 kHz at 24 kbit/s keeps every sample well under 600 KB.
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
texts="$root/resources/texts"
out="$root/data/components/dictationsamples"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$out"
for key in 800 801 802 803 804 805; do
    # -l 1000: every line end closes a clause, so headings and address
    # lines are read with a pause instead of running into the next line.
    tr -d '\r' < "$texts/$key.txt" > "$work/$key.txt"
    espeak-ng -v en-us -s 140 -g 4 -l 1000 -f "$work/$key.txt" -w "$work/$key.wav"
    # Half a second of silence before and after the voice, normalised level.
    sox "$work/$key.wav" -r 16000 -c 1 "$work/$key-16k.wav" \
        pad 0.5 0.5 norm -1
    lame --quiet -m m -b 24 "$work/$key-16k.wav" "$out/$key.mp3"
    printf '%s.mp3: %s bytes\n' "$key" "$(wc -c < "$out/$key.mp3")"
done
