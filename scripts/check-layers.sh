#!/usr/bin/env bash
# The arrows between folders run one way. Every include of every source file in the program's folders
# is resolved to the folder of the file it names (relative to the including file first, then to the
# root, ".." taken apart), and each folder may name only the folders its row of the table below
# lists. Each file is judged by its own includes: what a header includes is that header's folder's
# edge, not its includer's. The folders above reach the ones below; the ones below reach up only
# through the services records that the upper layers install at start-up.
#
#   scripts/check-layers.sh [ROOT]     checks the tree at ROOT (the repository by default)
set -euo pipefail
export LC_ALL=C
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

# The allowed edges, bottom to top (the order of the folders, from the cards up to the shell). A folder may always include
# itself; the platform, the card-table library and the resource ids lie under every game folder.
table='
platform/core       -
tavlo               platform/core
platform/headless   platform/core tavlo
platform/qt         platform/core tavlo
resources           platform/core
resources/ge        resources platform/core
resources/en        resources platform/core
model               platform/core tavlo
computer/evaluation computer/play model resources platform/core tavlo
computer/play       computer/evaluation model resources platform/core tavlo
match               computer/evaluation computer/play model resources platform/core tavlo
dialogs             match computer/evaluation computer/play model resources platform/core tavlo
audio               dialogs match computer/evaluation computer/play model resources platform/core tavlo
windows             audio dialogs match computer/evaluation computer/play model resources platform/core tavlo
flow                windows audio dialogs match computer/evaluation computer/play model resources platform/core tavlo
shell               flow windows audio dialogs match computer/evaluation computer/play model resources platform/core tavlo
app                 shell flow windows audio dialogs match computer/evaluation computer/play model resources platform/core tavlo platform/headless platform/qt
'

# The back edges not cut yet: a folder may include this one header of a folder above it, and no
# other. Each line says why the edge is still there; a new back edge is never added here.
exceptions='
'

# Every source file of the program's folders (tests/ and tools/ may include anything), from one
# walk over the folders of the table's rows.
tops=()
while read -r folder _; do
  [ -n "$folder" ] || continue
  top="${folder%%/*}"
  if [ -d "$top" ] && [[ " ${tops[*]} " != *" $top "* ]]; then tops+=("$top"); fi
done <<< "$table"
files=""
if [ ${#tops[@]} -gt 0 ]; then
  files=$(find "${tops[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) | sort)
fi

# Each file is read once, in the one awk program that judges its includes.
findings=$(awk -v tablefile=<(printf '%s\n' "$table") -v exceptfile=<(printf '%s\n' "$exceptions") \
             -v filesfile=<(printf '%s\n' "$files") '
  # normal(path): the path with "." and ".." taken apart; "" when it climbs above the root.
  function normal(path,    parts, n, i, out, k, result) {
    n = split(path, parts, "/"); k = 0
    for (i = 1; i <= n; i++) {
      if (parts[i] == "" || parts[i] == ".") continue
      if (parts[i] == "..") { if (k == 0) return ""; k--; continue }
      out[++k] = parts[i]
    }
    result = ""
    for (i = 1; i <= k; i++) result = result (i > 1 ? "/" : "") out[i]
    return result
  }
  function dir(path) { if (path !~ /\//) return ""; sub(/\/[^\/]*$/, "", path); return path }
  # folderof(path): the longest table row that holds path, "" for none.
  function folderof(path,    f, best) {
    best = ""
    for (f in rows) if ((index(path, f "/") == 1) && length(f) > length(best)) best = f
    return best
  }
  BEGIN {
    while ((getline line < tablefile) > 0) {
      n = split(line, w, /[[:space:]]+/); if (n == 0 || w[1] == "") continue
      rows[w[1]] = 1
      for (i = 2; i <= n; i++) if (w[i] != "-" && w[i] != "") allowed[w[1] SUBSEP w[i]] = 1
    }
    while ((getline line < exceptfile) > 0) {
      n = split(line, w, /[[:space:]]+/); if (n < 2 || w[1] == "") continue
      excepted[w[1] SUBSEP w[2]] = 1
    }
    while ((getline line < filesfile) > 0) if (line != "") { present[line] = 1; order[++files] = line }
    for (f = 1; f <= files; f++) {
      file = order[f]; number = 0
      while ((getline line < file) > 0) {
        ++number
        if (!match(line, /^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]+[">]/)) continue
        named = substr(line, RSTART, RLENGTH); sub(/^[^"<]*["<]/, "", named); sub(/[">]$/, "", named)
        judge(file, number, named)
      }
      close(file)
    }
  }
  function judge(file, number, named,    from, target, to) {
    from = folderof(file)
    if (from == "") { if (!(file in unplaced)) print file ": the folder " dir(file) "/ has no row in the table"; unplaced[file] = 1; return }
    # The file it names: beside the includer first, then from the root.
    target = normal(dir(file) "/" named)
    if (!(target in present)) target = normal(named)
    if (target == "" ) { print file ":" number ": #include \"" named "\" climbs above the root"; return }
    to = folderof(target)
    if (to == "" || to == from) return  # a system or library header, or the same folder
    if ((from SUBSEP to) in allowed) return
    if ((from SUBSEP target) in excepted) { used[from SUBSEP target] = 1; return }
    print file ":" number ": " from "/ may not include " to "/ (#include \"" named "\")"
  }
  END {
    # An exception no file needs any more is a line to remove.
    for (e in excepted) if (!(e in used)) { split(e, p, SUBSEP); print "the exception " p[1] " -> " p[2] " is no longer needed: remove its line" }
  }' /dev/null | sort)

if [ -n "$findings" ]; then
  echo "Layering: includes against the folders' order:"
  printf '%s\n' "$findings" | sed 's/^/  /'
  exit 1
fi
echo "Layering: every include runs down the folders' order."
