#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs each one briefly.
# Skips, with a message, where clang++ or its fuzzing runtime is missing.
# FUZZ_SECONDS (default 25) is the time per target; FUZZ_BUILD the build folder.
set -euo pipefail

cd "$(dirname "$0")/.."
build="${FUZZ_BUILD:-build-fuzz}"
seconds="${FUZZ_SECONDS:-25}"
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
run_target() {
    local name="$1"
    shift
    local corpus="$build/corpus/$name"
    mkdir -p "$corpus" "$build/artifacts/$name"
    "$@" "$corpus"
    echo "fuzz: $name for ${seconds}s"
    if ! "$build/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
        -artifact_prefix="$build/artifacts/$name/" "$corpus" >"$build/$name.log" 2>&1; then
        tail -n 40 "$build/$name.log"
        echo "fuzz: $name FAILED; the input is in $build/artifacts/$name/"
        return 1
    fi
    echo "fuzz: $name ok ($(grep -o 'Done [0-9]*' "$build/$name.log" | tail -n 1 | cut -d' ' -f2) runs)"
}

run_target bmp_fuzz "$build/bmp_seeds"
run_target wav_fuzz "$build/wav_seeds"
run_target picture_fuzz "$build/picture_seeds"
