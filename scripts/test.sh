#!/usr/bin/env bash
# Installs what is missing, builds the sanitized test build and runs every test, then the
# readers' fuzzers for a fixed number of inputs each.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKARTOVAN_SANITIZE=ON \
      -DCMAKE_CXX_FLAGS="-O1" >/dev/null
cmake --build build/test -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/test --output-on-failure -j "$jobs"
# The file, settings and rich-text readers against generated input (clang and its fuzzer library, from setup-deps.sh): each
# fuzzer takes 20,000 inputs from a fixed seed under CTest; scripts/fuzz.sh is the long run.
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DKARTOVAN_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure -j "$jobs"
