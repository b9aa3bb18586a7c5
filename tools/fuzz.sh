#!/usr/bin/env bash
# Builds the libFuzzer target of the names and statistics readers with clang
# and runs it from the checked-in seed corpus for a fixed number of inputs.
# Usage: tools/fuzz.sh [runs] [build folder]   (runs default 200000)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-200000}
build=${2:-build-fuzz}
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is missing (tools/deps.sh installs it)" >&2
  exit 1
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVANE_FUZZ=ON -DCORVANE_BUILD_UI=OFF -DCORVANE_BUILD_TESTS=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
cmake --build "$build" --target fuzz_data_files
# New inputs go to a scratch folder, so the checked-in corpus stays as it is.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$build"
./tests/fuzz/fuzz_data_files -runs="$runs" -max_len=256 -seed=1 -print_final_stats=1 \
  "$scratch" "$OLDPWD/tests/fuzz/corpus"
