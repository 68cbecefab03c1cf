#!/usr/bin/env bash
# The long run of the readers' fuzzers: scripts/fuzz.sh [target] [inputs]. Builds them (clang,
# libFuzzer) in build/fuzz and runs the named one, or each in turn, for the number of inputs
# (10 million by default), starting from its committed seeds. Any crash, sanitizer report or broken
# round trip stops the run and leaves the input that did it in build/fuzz/.
# Targets: registry_fuzzer match_list_fuzzer game_file_fuzzer stored_deals_fuzzer statistics_fuzzer
#          richtext_fuzzer
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:-all}"
runs="${2:-10000000}"
bash scripts/setup-deps.sh
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DKARTOVAN_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$(nproc)"

declare -A seeds=(
  [registry_fuzzer]=corpus [match_list_fuzzer]=seeds/match-list [game_file_fuzzer]=seeds/game-file
  [stored_deals_fuzzer]=seeds/stored-deals [statistics_fuzzer]=seeds/statistics
  [richtext_fuzzer]=richtext-corpus
)
if [ "$target" = all ]; then
  targets=(registry_fuzzer match_list_fuzzer game_file_fuzzer stored_deals_fuzzer statistics_fuzzer richtext_fuzzer)
elif [ -n "${seeds[$target]+set}" ]; then
  targets=("$target")
else
  echo "fuzz: unknown target '$target' (one of: ${!seeds[*]})" >&2
  exit 2
fi

for name in "${targets[@]}"; do
  # New inputs go to a corpus of the build's own; the committed seeds stay as they are.
  mkdir -p "build/fuzz/corpus-$name"
  start=$(date +%s)
  (cd build/fuzz && "./$name" -runs="$runs" -seed=1 -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
     -print_final_stats=1 "corpus-$name" "../../tests/fuzz/${seeds[$name]}")
  seconds=$(( $(date +%s) - start ))
  echo "fuzz: $runs inputs of $name in $seconds s ($(( runs / (seconds > 0 ? seconds : 1) )) inputs/s)"
done
