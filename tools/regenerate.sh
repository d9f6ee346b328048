#!/usr/bin/env bash
# Regenerates every resource from the tools: resources/, the bundled card sets in cardsets/
# (pictures, .faz markers, spoken names) and docs/contact_sheet.png.
# Usage: tools/regenerate.sh <path of the built kartola_resgen>
set -euo pipefail
resgen=${1:?usage: regenerate.sh <kartola_resgen>}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
mkdir -p resources cardsets docs
"$resgen" resources resources
# The generated sets are rebuilt whole; stale thumbnails would keep showing old pictures.
for set in DATA_ovocie DATA_tvary DATA_zvierata; do
    mkdir -p cardsets/$set
    (cd cardsets/$set && rm -f -- *.bmp *.faz *.wav *.ogg *.thm *.png *.PNG *.jpg *.JPG *.jpeg)
done
"$resgen" cardsets cardsets
bash tools/speak_names.sh cardsets
"$resgen" contact docs/contact_sheet.png
echo "regenerated resources/, cardsets/DATA_* and docs/contact_sheet.png"
