#!/usr/bin/env bash
# Builds a release and installs it for the current user into $HOME/.local: both programs, the
# icon, the desktop entry and the file types of match lists (.skm), games (.skt) and stored deals
# (.sks). The entry starts the German edition for a German user, else the English one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
edition=en
case "${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}" in
  de*) edition=ge ;;
esac
prefix="$HOME/.local"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKARTOVAN_TESTS=OFF -DKARTOVAN_BENCH=OFF \
      -DKARTOVAN_DESKTOP_EDITION="$edition" >/dev/null
cmake --build build/release -j "$(nproc)"
cmake --install build/release --prefix "$prefix"
data="${XDG_DATA_HOME:-$HOME/.local/share}"
update-mime-database "$data/mime"
update-desktop-database "$data/applications"
echo "installed kartovan-ge and kartovan-en into $prefix; the desktop entry starts kartovan-$edition"
