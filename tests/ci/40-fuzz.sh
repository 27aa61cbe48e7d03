#!/usr/bin/env bash
# libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer: the host state reader and the
# preset-file parser, about a minute each, from the seed corpus in tests/fuzz/corpus. A crash,
# a sanitizer report or a broken invariant fails the stage (the crashing input is kept in the
# build folder). The fuzzers' processor uses a temporary folder tree, never the real folders.
set -euo pipefail
source tests/ci/common.sh
dir=build-fuzz
cmake -S . -B "$dir" -G Ninja "${SANITIZER_BUILD_FLAGS[@]}" \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
    -DBRUME2_SANITIZE=address,undefined \
    -DBRUME2_BUILD_FUZZERS=ON -DBRUME2_BUILD_TESTS=OFF -DBRUME2_BUILD_BENCH=OFF -DBRUME2_BUILD_TOOLS=OFF
cmake --build "$dir" --target brume2_fuzz_ReadState brume2_fuzz_ParsePreset

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for target in ReadState:read_state ParsePreset:parse_preset; do
    program=${target%%:*} corpus=${target##*:}
    work="$dir/corpus-$corpus"   # new inputs go here; the checked-in seeds stay as they are
    mkdir -p "$work"
    echo "---- fuzzing $program"
    "$dir/tests/fuzz/brume2_fuzz_$program" -max_total_time="${BRUME2_FUZZ_SECONDS:-60}" -timeout=10 \
        -max_len=1024 -print_final_stats=1 -artifact_prefix="$dir/crash-$corpus-" \
        "$work" "tests/fuzz/corpus/$corpus"
done
