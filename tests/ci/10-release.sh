#!/usr/bin/env bash
# Release build: plug-in, tools, unit and host-level tests.
set -euo pipefail
source tests/ci/common.sh
configure_and_build build
run_ctest build
