#!/usr/bin/env bash
# Builds everything but the benchmarks with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test headless under them: any
# finding fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1
# The release run makes the full set of generated projects and walks; a tenth
# of them is enough to put every operation under the sanitizers.
export TRAJECTA_PROJECTS=30
export TRAJECTA_WALKS=20
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2
