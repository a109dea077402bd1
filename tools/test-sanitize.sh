#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer, and runs the whole test suite through that build: the tests'
# own executables and the program that the script tests drive.
# Usage: tools/test-sanitize.sh
# Environment: SANITIZE_BUILD (build folder, default build-asan), SANITIZE_JOBS (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SANITIZE_BUILD:-build-asan}
jobs=${SANITIZE_JOBS:-2}

# -g1: line tables only, enough for every report's stack, and much quicker to build than -g.
cmake -S . -B "$build" -G Ninja -DQUARNEL_WERROR=ON -DQUARNEL_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
cmake --build "$build" -j"$jobs"

# Every test inherits these through CTest and tools/test-env/run.sh. A finding ends the
# process with an error, which fails its test.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export LSAN_OPTIONS=suppressions=$PWD/tools/sanitizer-suppressions/leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure -j"$jobs"
