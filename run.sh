#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/src/ui/corvane ]; then
  exec build/src/ui/corvane "$@"
fi
echo "The window is not built yet; playing a game headless instead." >&2
exec build/corvane-sim --games 1 "$@"
