#!/usr/bin/env bash
# Speaks the name of every card-set picture (BMP, PNG, JPEG) in Slovak into a sound beside it with
# the same name. Needs espeak-ng and sox (scripts/setup.sh --tools). DATA_ovocie gets 16-bit,
# DATA_tvary 8-bit mono PCM WAV, DATA_zvierata OGG Vorbis, as today's recorders give; all at
# 22050 Hz, trimmed and normalised to -1 dBFS. No dither and sox's repeatable mode, so reruns match.
set -euo pipefail
root=${1:?usage: speak_names.sh <folder holding the DATA_* card sets>}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
shopt -s nullglob nocaseglob
for dir in "$root"/DATA_*/; do
    format=(-b 8 -e unsigned-integer)
    ext=wav
    case "$(basename "$dir")" in
        DATA_ovocie) format=(-b 16 -e signed-integer) ;;
        DATA_zvierata) format=(-C 3) ext=ogg ;;
    esac
    for picture in "$dir"*.bmp "$dir"*.png "$dir"*.jpg "$dir"*.jpeg; do
        file=$(basename "$picture")
        name=${file%.*}
        # A calm, slightly slow voice for children.
        espeak-ng -v sk -s 130 -p 55 -w "$tmp/raw.wav" "$name"
        sox -R -D "$tmp/raw.wav" -r 22050 -c 1 "${format[@]}" "$dir$name.$ext" \
            silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse pad 0.05 0.1 gain -n -1
    done
done
