#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Does nothing when they are all there; uses sudo only when not root.
set -euo pipefail

packages=(
    build-essential cmake pkg-config git ccache
    libgtest-dev libgmock-dev libbenchmark-dev
    libsdl2-dev libfreetype-dev libfontconfig-dev libpng-dev libjpeg62-turbo-dev libsndfile1-dev
    libgif-dev libwebp-dev libheif-dev
    locales
    fonts-dejavu-core
    xvfb xauth xdotool x11-apps imagemagick valgrind
    clang libclang-rt-14-dev clang-format
)

# Only for regenerating the resources (`make resources`): speech synthesis and sound conversion
# (libsox-fmt-base lets sox write OGG Vorbis).
tool_packages=(espeak-ng sox libsox-fmt-base)
if [ "${1:-}" = "--tools" ]; then
    packages+=("${tool_packages[@]}")
fi

# The card-set menu sorts names as Slovak does; the C library needs the locale generated for that.
need_locale() {
    ! locale -a 2>/dev/null | grep -qix 'sk_SK.utf8'
}
make_locale() {
    $sudo sed -i 's/^# *sk_SK.UTF-8 UTF-8/sk_SK.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^sk_SK.UTF-8 UTF-8' /etc/locale.gen || echo 'sk_SK.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
}

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    if need_locale; then make_locale; fi
    exit 0
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
if need_locale; then make_locale; fi
