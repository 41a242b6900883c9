#!/usr/bin/env bash
# Builds Velmora with every test and benchmark, and runs all the tests.
#   scripts/test.sh             the ordinary build, in build/
#   scripts/test.sh --sanitize  the same tests under AddressSanitizer and
#                               UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/dependencies.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    options=(-DVELMORA_SANITIZE=ON -DVELMORA_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
    build=build
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi

cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure --timeout 600
