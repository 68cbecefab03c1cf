#!/usr/bin/env bash
# Installs what is missing, builds the sanitized test build and runs every test, then the fuzzers.
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
# The settings file and rich-text readers against generated input (clang and its fuzzer library, from setup-deps.sh).
bash scripts/fuzz.sh
