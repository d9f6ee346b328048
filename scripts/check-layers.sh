#!/usr/bin/env bash
# Fails when an #include points against the layer picture (docs/layers.md): a folder may include
# itself and the folders listed before it in its own stack, and each stack may include the stacks
# it stands on. Tests, tools, benchmarks and fuzzers may include anything.
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

# What a whole stack may reach below it: the framework sees the platform but not its backends.
below_framework=("${platform[@]:0:10}")

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
        framework*) stack=("${framework[@]}"); extra=("${below_framework[@]}") ;;
        game*) stack=("${game[@]}"); extra=("${framework[@]}" "${below_framework[@]}") ;;
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
        target=$(layer_of "$inc")
        grep -qxF "$target" <<<"$rules" && continue
        echo "layers: $file includes $inc, against the layer picture"
        bad=1
    done < <(grep -oE '^\s*#\s*include\s+"[^"]+"' "$file" | sed -E 's/.*"(.+)"/\1/' | grep '/' || true)
done < <(git ls-files 'platform/*' 'framework/*' 'game/*' | grep -E '\.(h|cpp)$')

[ $bad -eq 0 ] && echo "layers: every include points down the layer picture"
exit $bad
