#!/usr/bin/env bash
# AddressSanitizer + UndefinedBehaviorSanitizer build of the plug-in, the unit tests and the
# host-level tests (the instrumented bundle is loaded into the instrumented host test). Any
# report aborts the process, so it fails its test and this stage.
set -euo pipefail
source tests/ci/common.sh
# Set before building too: test discovery runs the test programs at build time.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
configure_and_build build-asan "${SANITIZER_BUILD_FLAGS[@]}" \
    -DBRUME2_SANITIZE=address,undefined -DBRUME2_BUILD_BENCH=OFF
run_ctest build-asan
