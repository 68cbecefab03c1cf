#!/usr/bin/env bash
# Installs what is missing, builds the program and starts the English edition. This build is for
# playing: a compiler warning is reported but does not stop it, and the benchmarks are left out
# (the test build, scripts/test.sh, keeps warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh

build=build/release
program="$build/app/kartovan-en"
mkdir -p "$build"
log="$build/configure.log"
if ! cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKARTOVAN_QT=ON -DKARTOVAN_TESTS=OFF \
           -DKARTOVAN_BENCH=OFF -DKARTOVAN_WERROR=OFF >"$log" 2>&1; then
  cat "$log" >&2
  echo "run.sh: configuring the build failed (messages above, also in $log); the program was not built." >&2
  exit 1
fi
if ! cmake --build "$build" -j "$(nproc)"; then
  echo "run.sh: the build failed (the compiler's messages are above); the program was not built." >&2
  exit 1
fi
if [ ! -x "$program" ]; then
  echo "run.sh: the build finished without $program; remove the folder $build and run run.sh again." >&2
  exit 1
fi
exec "$program" "$@"
