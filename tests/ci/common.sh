# Shared by the stages: configure and build a folder, run ctest and record its counts.
configure_and_build() {   # folder, then extra cmake arguments
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$dir"
}

run_ctest() {             # folder, then extra ctest arguments
    local dir=$1; shift
    local log="$dir/ctest-output.txt" status=0
    ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log" || status=$?
    local line passed total
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
    if [ -n "$line" ]; then
        total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
        failed=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
        echo "$((total - failed)) $failed" >> "$BRUME2_RESULTS"
    fi
    return $status
}

# Instrumented builds of all of JUCE are the slowest part of CI: -O1 without debug information
# compiles far faster than -O2 -g, is what the sanitizers recommend, and reports still name functions.
SANITIZER_BUILD_FLAGS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo
                       "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -DNDEBUG"
                       "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -DNDEBUG")
