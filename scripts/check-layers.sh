#!/usr/bin/env bash
# Fails when an #include points against the layer picture (README.md, section "Layers" under
# "Layout"): a folder may include itself and the folders listed before it in its own stack, and
# each stack may include the stacks it stands on. The framework and the game see the platform only
# through its public headers (below). Tests, tools, benchmarks and fuzzers may include anything.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# Each stack, bottom first. The platform's ground (wintypes.h, backend.h) is "platform/base";
# the headers that gather a whole layer (platform.h, tessalin.h) are "platform/all" and
# "framework/all", above every folder they gather. The test hooks (platform/testing) are for tests
# only: nothing in the framework or the game may include them.
platform=(platform/base platform/kernel platform/pixels platform/image platform/gdi platform/ddraw
          platform/text platform/user platform/dsound platform/all platform/testing platform/present
          platform/headless platform/sdl)
framework=(framework/support framework/graphics framework/sound framework/widgets framework/lists
           framework/app framework/editor framework/all framework/demo)
game=(game)

# The platform's public boundary: the only platform headers framework/ and game/ may include, one
# a line. A new public extension header is one more line here and in the README's Layers section.
public_platform=(
    platform/platform.h
    platform/ddraw/surface_access.h
    platform/image/scale.h
    platform/kernel/regular_file.h
)

# The layer a file belongs to: its folder, or "<stack>/all" for the gathering headers.
layer_of() {
    case $1 in
        platform/platform.h) echo platform/all ;;
        framework/tessalin.h) echo framework/all ;;
        *) dirname "$1" ;;
    esac
}

# The folders a file in $1 may include.
allowed() {
    local folder=$1 stack=() extra=() f
    case $folder in
        platform*) stack=("${platform[@]}") ;;
        framework*) stack=("${framework[@]}") ;;
        game*) stack=("${game[@]}"); extra=("${framework[@]}") ;;
        *) echo "*"; return ;;
    esac
    for f in "${stack[@]}"; do
        echo "$f"
        [ "$f" = "$folder" ] && break
    done
    printf '%s\n' "${extra[@]}"
}

bad=0
while IFS= read -r file; do
    folder=$(layer_of "$file")
    rules=$(allowed "$folder")
    [ "$rules" = "*" ] && continue
    if ! grep -qxF "$folder" <<<"$rules"; then
        echo "layers: $file lies in $folder, which the layer picture does not name"
        bad=1
        continue
    fi
    while IFS= read -r inc; do
        if [[ $folder != platform* && $inc == platform/* ]]; then
            [[ " ${public_platform[*]} " == *" $inc "* ]] && continue
            echo "layers: $file includes $inc, which is not one of the platform's public headers"
            bad=1
            continue
        fi
        target=$(layer_of "$inc")
        grep -qxF "$target" <<<"$rules" && continue
        echo "layers: $file includes $inc, against the layer picture"
        bad=1
    done < <(grep -oE '^\s*#\s*include\s+"[^"]+"' "$file" | sed -E 's/.*"(.+)"/\1/' | grep '/' || true)
done < <(git ls-files 'platform/*' 'framework/*' 'game/*' | grep -E '\.(h|cpp)$')

# The presentation library is the backends' own: only they link it.
while IFS= read -r line; do
    echo "layers: $line links the backends' presentation library"
    bad=1
done < <(git grep -n 'tkp_present' -- '*CMakeLists.txt' '*.cmake' | grep -vE '^platform/CMakeLists.txt:' || true)

[ $bad -eq 0 ] && echo "layers: every include points down the layer picture"
exit $bad
