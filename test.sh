#!/usr/bin/env bash
# Builds everything and runs every test; then the engine's tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short fuzz run of
# the names and statistics readers and of the record reader with the replay.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2 "$@"
tools/sanitize.sh build-asan
tools/fuzz.sh 50000 build-fuzz 20000
