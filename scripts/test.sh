#!/usr/bin/env bash
# Installs what is missing, builds the sanitized test build and runs every test, then the
# readers' fuzzers for a fixed number of inputs each. Each phase says so as it starts.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
started=$SECONDS
phase() { echo "== $(printf '%d:%02d' $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60))) $*"; }
# build FOLDER WHAT: says how many steps the build of FOLDER has in all (ninja counts those left
# as it goes), and builds it.
build() {
  local steps
  steps=$(ninja -C "$1" -t commands 2>/dev/null | wc -l)
  phase "building $2: $steps steps in all, $jobs at a time"
  cmake --build "$1" -j "$jobs"
}

phase "installing the Debian packages that are missing (scripts/setup-deps.sh)"
bash scripts/setup-deps.sh
phase "configuring the sanitized test build in build/test"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKARTOVAN_SANITIZE=ON \
      -DCMAKE_CXX_FLAGS="-O1" >/dev/null
build build/test "the program and its tests"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
phase "running the tests, $jobs at a time"
ctest --test-dir build/test --output-on-failure -j "$jobs"
# The file, settings and rich-text readers against generated input (clang and its fuzzer library, from setup-deps.sh): each
# fuzzer takes 20,000 inputs from a fixed seed under CTest; scripts/fuzz.sh is the long run.
phase "configuring the fuzz build in build/fuzz (clang)"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DKARTOVAN_FUZZ=ON >/dev/null
build build/fuzz "the readers' fuzzers"
phase "running the fuzzers, 20,000 inputs each"
ctest --test-dir build/fuzz --output-on-failure -j "$jobs"
phase "done: every test and fuzzer passed"
