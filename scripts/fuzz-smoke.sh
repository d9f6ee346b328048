#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs each one briefly.
# Skips, with a message, where clang++ or its fuzzing runtime is missing.
# FUZZ_SECONDS (default 25) is the time per target; FUZZ_BUILD the build folder; FUZZ_ONLY, when
# set, the names of the targets to run. Each run starts
# from the target's seeds and its kept corpus in fuzz/corpus/<target>/ (earlier findings among
# them). FUZZ_KEEP_CORPUS=1 (make fuzz-long) adds what a run found to the kept corpus and
# minimises it afterwards; every target runs even when one fails.
set -euo pipefail

cd "$(dirname "$0")/.."
# Absolute paths: a target may change its working folder.
build="$(realpath -m "${FUZZ_BUILD:-build-fuzz}")"
seconds="${FUZZ_SECONDS:-25}"
keep="${FUZZ_KEEP_CORPUS:-0}"
only="${FUZZ_ONLY:-}"
cxx="${FUZZ_CXX:-clang++}"

if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "fuzz: skipped: $cxx not found (install clang and libclang-rt-14-dev to fuzz)"
    exit 0
fi
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' >"$probe/p.cpp"
if ! "$cxx" -fsanitize=fuzzer,address "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1; then
    echo "fuzz: skipped: $cxx cannot build libFuzzer targets (install libclang-rt-14-dev)"
    exit 0
fi

cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

# run_target <fuzzer> <seed command...>: seeds a fresh corpus folder, then fuzzes for a while.
failed=0
run_target() {
    local name="$1"
    shift
    if [ -n "$only" ] && [[ " $only " != *" $name "* ]]; then return 0; fi
    local seeds="$build/corpus/$name" kept="$PWD/fuzz/corpus/$name"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$kept" "$build/artifacts/$name"
    "$@" "$seeds"
    # New inputs go to the first folder: the scratch one, or the kept corpus for a long run.
    local dirs=("$seeds" "$kept")
    [ "$keep" = 1 ] && dirs=("$kept" "$seeds")
    echo "fuzz: $name for ${seconds}s"
    if ! "$build/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name/" "${dirs[@]}" >"$build/$name.log" 2>&1; then
        tail -n 40 "$build/$name.log"
        echo "fuzz: $name FAILED; the input is in $build/artifacts/$name/"
        failed=1
        [ "$keep" = 1 ] || exit 1
        return 0
    fi
    local done
    done="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/$name.log" | tail -n 1)"
    echo "fuzz: $name ok ($(grep -o 'Done [0-9]*' "$build/$name.log" | tail -n 1 | cut -d' ' -f2) runs;$(
        echo "$done" | grep -o ' cov: [0-9]* ft: [0-9]*'))"
    if [ "$keep" = 1 ]; then
        # The kept corpus shrinks to the inputs that each add coverage.
        local merged="$build/merged/$name"
        rm -rf "$merged"
        mkdir -p "$merged"
        "$build/$name" -merge=1 -timeout=10 -rss_limit_mb=2048 "$merged" "$kept" >"$build/$name.merge.log" 2>&1
        rm -rf "$kept"
        mv "$merged" "$kept"
        echo "fuzz: $name corpus kept: $(ls "$kept" | wc -l) inputs, $(du -sh "$kept" | cut -f1)"
    fi
}

run_target bmp_fuzz "$build/bmp_seeds"
run_target wav_fuzz "$build/wav_seeds"
run_target sound_convert_fuzz "$build/sound_convert_seeds"
run_target picture_fuzz "$build/picture_seeds"
run_target settings_fuzz true
run_target cardset_fuzz "$build/cardset_seeds"
exit "$failed"
