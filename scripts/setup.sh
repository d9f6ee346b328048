#!/usr/bin/env bash
# Installs the Debian packages the project needs. Does nothing when they are all there; uses sudo
# only when not root.
#
#   setup.sh           what building and playing need (make run, make install)
#   setup.sh --test    and the test tools (make test, make bench, make fuzz)
#   setup.sh --deb     and what building the Debian package needs (make deb)
#   setup.sh --tools   and what regenerating the resources needs (make resources)
set -euo pipefail

# Building and playing: the compiler, the libraries the program links and the font it writes in.
packages=(
    build-essential cmake pkg-config git ccache
    libsdl2-dev libasound2-dev libx11-dev libfreetype-dev libfontconfig-dev libpng-dev libjpeg62-turbo-dev
    libsndfile1-dev libgif-dev libwebp-dev libheif-dev
    locales
    fonts-dejavu-core
)

# The test suite and the benchmarks: GoogleTest and Google Benchmark, a real X server with input
# and screenshots, valgrind, clang for the fuzzers and the pinned format, and the checkers of the
# installed desktop files and of the Debian package that the install tests run.
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-apps x11-utils imagemagick valgrind
    clang libclang-rt-14-dev clang-format-14
    appstream desktop-file-utils
    debhelper dpkg-dev lintian
)

# The Debian package: debhelper with its CMake support, and lintian to check the result.
deb_packages=(debhelper dpkg-dev lintian appstream desktop-file-utils)

# Only for regenerating the resources (`make resources`): speech synthesis and sound conversion
# (libsox-fmt-base lets sox write OGG Vorbis).
tool_packages=(espeak-ng sox libsox-fmt-base)

for option in "$@"; do
    case "$option" in
        --test) packages+=("${test_packages[@]}") ;;
        --deb) packages+=("${deb_packages[@]}") ;;
        --tools) packages+=("${tool_packages[@]}") ;;
        *)
            echo "setup: unknown option $option (--test, --deb or --tools)" >&2
            exit 2
            ;;
    esac
done

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
