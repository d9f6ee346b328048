#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Does nothing when they are all there; uses sudo only when not root.
set -euo pipefail

packages=(
    build-essential cmake pkg-config git ccache
    libgtest-dev libgmock-dev libbenchmark-dev
    libsdl2-dev libfreetype-dev libfontconfig-dev libpng-dev libjpeg62-turbo-dev libsndfile1-dev
    fonts-dejavu-core
    xvfb xauth xdotool x11-apps imagemagick valgrind
    clang libclang-rt-14-dev clang-format-14
)

# Only for regenerating the resources (`make resources`): speech synthesis and sound conversion
# (libsox-fmt-base lets sox write OGG Vorbis).
tool_packages=(espeak-ng sox libsox-fmt-base)
if [ "${1:-}" = "--tools" ]; then
    packages+=("${tool_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
