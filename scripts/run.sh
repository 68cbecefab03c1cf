#!/usr/bin/env bash
# Installs what is missing, builds the program and starts the English edition.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKARTOVAN_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
if [ -x build/release/app/kartovan-en ]; then
  exec build/release/app/kartovan-en "$@"
fi
echo "The game library is built; the program's window comes with the Qt host, which is not built yet."
