#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each from its checked-in
# seed corpus for a fixed number of inputs: the names and statistics
# readers, then the record reader with the replay.
# Usage: tools/fuzz.sh [runs] [build folder] [record runs]
#   (runs default 200000; record runs default to runs)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-200000}
build=${2:-build-fuzz}
record_runs=${3:-$runs}
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is missing (tools/deps.sh installs it)" >&2
  exit 1
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVANE_FUZZ=ON -DCORVANE_BUILD_UI=OFF -DCORVANE_BUILD_TESTS=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
cmake --build "$build" --target fuzz_data_files fuzz_record
# New inputs go to scratch folders, so the checked-in corpora stay as they are.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/data_files" "$scratch/record"
src=$PWD
cd "$build"
./tests/fuzz/fuzz_data_files -runs="$runs" -max_len=256 -seed=1 -print_final_stats=1 \
  "$scratch/data_files" "$src/tests/fuzz/corpus"
# The records the tests replay, the tampered and truncated ones, and a few
# more kinds of game (a person's, a chosen deal, a rename) seed the record
# target. A replay of a whole record takes a while, so a run holds fewer
# inputs; a line or a game past these limits is refused or cut off anyway.
./tests/fuzz/fuzz_record -runs="$record_runs" -max_len=40960 -timeout=20 -rss_limit_mb=2048 -seed=1 \
  -print_final_stats=1 "$scratch/record" "$src/tests/records" "$src/tests/record/data" \
  "$src/tests/fuzz/record_corpus"
