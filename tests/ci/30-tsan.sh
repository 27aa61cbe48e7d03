#!/usr/bin/env bash
# ThreadSanitizer build of the unit suite: above all a host restoring state on its own thread
# while the audio thread processes (StateThreadSafety). Any race report fails the stage.
set -euo pipefail
source tests/ci/common.sh
dir=build-tsan
cmake -S . -B "$dir" -G Ninja "${SANITIZER_BUILD_FLAGS[@]}" \
    -DBRUME2_SANITIZE=thread -DBRUME2_BUILD_BENCH=OFF -DBRUME2_BUILD_TOOLS=OFF
cmake --build "$dir" --target brume2_tests
export TSAN_OPTIONS="halt_on_error=1 abort_on_error=1 second_deadlock_stack=1"
# The race test first, on its own and repeated, so a report names it plainly; then the suites
# that exercise the processor, its state and its engine (the widget tests run no second thread).
"$dir/tests/brume2_tests" --gtest_filter='StateThreadSafety.*' --gtest_repeat=5
run_ctest "$dir" -L unit -R '^(StateThreadSafety|RealtimeSafety|Processor|PluginState|BandEngine|Crossover|FactoryPresets|PresetStore[A-Za-z]*|PresetHeaderRules|PresetNames|NameHash)\.'

