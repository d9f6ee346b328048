#!/usr/bin/env bash
# Starts the game from cardsets/hra, so that the bundled "DATA..." card sets lie in its parent folder;
# the arguments after the build folder go to the game (run-game.sh build --window).
set -euo pipefail
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
exe="$top/$build/game/kartola"
if [ ! -x "$exe" ]; then
    echo "run: $exe was not built" >&2
    exit 1
fi
mkdir -p "$top/cardsets/hra"
cd "$top/cardsets/hra"
shift || true
exec "$exe" "$@"
