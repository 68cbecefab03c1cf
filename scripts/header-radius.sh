#!/usr/bin/env bash
# The rebuild radius of headers: how many of the build's objects depend on each header, read from the
# dependency lists the compiler left in the build's ninja log (an object counts when its list names
# the header). Build every target first: an object not yet compiled has no list and is not counted,
# and the total says how many objects were read.
#
#   scripts/header-radius.sh [-C BUILD] HEADER...   HEADER relative to the repository root, e.g.
#                                                   model/Player.h; BUILD defaults to build/test
set -euo pipefail
export LC_ALL=C
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/test"
if [ "${1:-}" = "-C" ]; then
  build="$(cd "$2" && pwd)"
  shift 2
fi
[ $# -gt 0 ] || { echo "usage: $0 [-C BUILD] HEADER..." >&2; exit 2; }
[ -f "$build/.ninja_deps" ] || { echo "No ninja dependency log in $build: build it first" >&2; exit 1; }
for header in "$@"; do
  [ -f "$root/$header" ] || { echo "No header $header under $root" >&2; exit 2; }
done

# Each dependency is made absolute (relative ones are relative to the build folder) and its "." and
# ".." parts taken apart, so that every spelling of a header's path is counted as the one file.
ninja -C "$build" -t deps | awk -v build="$build" -v root="$root" -v headers="$*" '
function normal(path,    parts, n, i, out, k, stack) {
  if (substr(path, 1, 1) != "/") path = build "/" path
  n = split(path, parts, "/")
  k = 0
  for (i = 1; i <= n; i++) {
    if (parts[i] == "" || parts[i] == ".") continue
    if (parts[i] == "..") { if (k > 0) k--; continue }
    stack[++k] = parts[i]
  }
  out = ""
  for (i = 1; i <= k; i++) out = out "/" stack[i]
  return out
}
BEGIN {
  count = split(headers, names, " ")
  for (i = 1; i <= count; i++) wanted[root "/" names[i]] = i
}
/^[^ \t].*: #deps/ {
  objects++
  if ($0 ~ /\(STALE\)/) stale++
  delete seen
  next
}
/^[ \t]+[^ \t]/ {
  path = $1
  if (path ~ /^\//) full = path; else full = normal(path)
  if (substr(full, 1, 1) != "/") next
  full = normal(full)
  if ((full in wanted) && !(full in seen)) { seen[full] = 1; radius[wanted[full]]++ }
}
END {
  for (i = 1; i <= count; i++) printf "%-40s %5d\n", names[i], radius[i] + 0
  printf "%-40s %5d\n", "objects", objects + 0
  if (stale > 0) printf "(%d objects are out of date: build all targets for a true count)\n", stale
}'
