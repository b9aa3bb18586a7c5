#!/usr/bin/env bash
# Builds the engine, the simulator and their tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, and with assertions on, so the engine checks
# its table after every action (no window: Qt's own libraries are not
# instrumented), and runs those tests. Any report fails the run. -O1 builds
# a third faster than -O2 and still finds what the checks are for.
# Usage: tools/sanitize.sh [build folder] [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DCORVANE_SANITIZE=ON -DCORVANE_BUILD_UI=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
cmake --build "$build"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure -j2 "$@"
