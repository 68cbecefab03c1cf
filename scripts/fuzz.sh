#!/usr/bin/env bash
# Builds the fuzzers (clang, libFuzzer) in build/fuzz and runs each for a fixed number of inputs: the
# settings file reader from the seeds in tests/fuzz/corpus, the rich-text reader from those in
# tests/fuzz/richtext-corpus. Any crash, sanitizer report or broken round trip fails the run and
# leaves the input that did it in build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${KARTOVAN_FUZZ_RUNS:-200000}"
bash scripts/setup-deps.sh
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DKARTOVAN_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$(nproc)"
# New inputs go to a corpus of the build's own; the committed seeds stay as they are.
mkdir -p build/fuzz/corpus
start=$(date +%s)
(cd build/fuzz && ./registry_fuzzer -runs="$runs" -seed=1 -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
   -print_final_stats=1 corpus ../../tests/fuzz/corpus)
echo "fuzz: $runs inputs of the settings file reader in $(( $(date +%s) - start )) s"
mkdir -p build/fuzz/richtext-corpus
start=$(date +%s)
(cd build/fuzz && ./richtext_fuzzer -runs="$runs" -seed=1 -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
   -print_final_stats=1 richtext-corpus ../../tests/fuzz/richtext-corpus)
echo "fuzz: $runs inputs of the rich-text reader in $(( $(date +%s) - start )) s"
