#!/usr/bin/env bash
# Runs every test stage in tests/ci/ in order (each builds what it needs in its own build folder).
# A failing stage stops the run with a non-zero exit.
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
export BRUME2_RESULTS="$PWD/build/test-results.txt"
mkdir -p build
: > "$BRUME2_RESULTS"
for stage in tests/ci/[0-9]*.sh; do
    echo "==== ${stage}"
    bash "$stage"
done
# Each stage appends "<passed> <failed>" per ctest run to the results file.
awk '{ p += $1; f += $2 } END { printf "all stages: %d passed, %d failed\n", p, f; exit (f > 0) }' "$BRUME2_RESULTS"
