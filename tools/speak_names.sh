#!/usr/bin/env bash
# Speaks the name of every card-set picture in Slovak into a WAV beside it (same name, ".wav").
# Needs espeak-ng and sox (scripts/setup.sh --tools). DATA_ovocie gets 16-bit, the others
# 8-bit mono PCM, all at 22050 Hz, trimmed and normalised to -1 dBFS; no dither, so reruns match.
set -euo pipefail
root=${1:?usage: speak_names.sh <folder holding the DATA_* card sets>}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for dir in "$root"/DATA_*/; do
    bits=8
    encoding=unsigned-integer
    case "$(basename "$dir")" in
        DATA_ovocie) bits=16 encoding=signed-integer ;;
    esac
    for picture in "$dir"*.bmp; do
        name=$(basename "$picture" .bmp)
        # A calm, slightly slow voice for children.
        espeak-ng -v sk -s 130 -p 55 -w "$tmp/raw.wav" "$name"
        sox -D "$tmp/raw.wav" -r 22050 -c 1 -b "$bits" -e "$encoding" "$dir$name.wav" \
            silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse pad 0.05 0.1 gain -n -1
    done
done
