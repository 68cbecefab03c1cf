#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the desktop entry and the file types with
# the desktop's own tools: the entry validates, the MIME database builds and names the three types
# by their extensions.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/kartovan.desktop"
test -f "$entry"
test -f "$prefix/share/mime/packages/kartovan.xml"
grep -q '^Exec=kartovan-\(en\|ge\) %f$' "$entry"
grep -q '^TryExec=kartovan-\(en\|ge\)$' "$entry"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry"
else
  echo "desktop-file-validate missing: run scripts/setup-deps.sh" >&2
  exit 1
fi
update-mime-database "$prefix/share/mime"
for pair in "skm application/x-kartovan-match" "skt application/x-kartovan-game" "sks application/x-kartovan-deals"; do
  set -- $pair
  grep -q "^$2:\*\.$1$" "$prefix/share/mime/globs" || { echo "no glob *.$1 for $2" >&2; exit 1; }
done
echo "desktop integration: entry valid, three file types known"
