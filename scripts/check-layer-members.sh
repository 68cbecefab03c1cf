#!/usr/bin/env bash
# A class of the bottom layers has its functions defined in its own layer: a member the model declares
# and a layer above defines would pass every include check, so the built libraries' symbol tables are
# compared. A class is the model's when the model's library defines a function of it, the computer
# player's when its library does and the model's does not; neither may have a function defined in a
# library above its own.
#
#   scripts/check-layer-members.sh [BUILD]   judges the libraries of BUILD (build/test by default)
set -euo pipefail
export LC_ALL=C
build="${1:-$(cd "$(dirname "$0")/.." && pwd)/build/test}"

# The one split class: the computer player's half of CPlayer (bidding, lay-away, declaration, card
# play) is declared with the player in the model and defined in the computer player's library.
shared='CPlayer computer'

# classes LIBRARY: "class<TAB>function" for every function the library defines out of line.
classes() {
  nm -C --defined-only "$1" 2>/dev/null | awk '$2 == "T" { $1 = ""; $2 = ""; sub(/^  /, ""); print }' |
    awk '{ name = $0; sub(/\(.*/, "", name)
           if (match(name, /^[A-Za-z_][A-Za-z_0-9]*::/)) print substr(name, 1, RLENGTH - 2) "\t" $0 }' | sort -u
}

for library in model computer upper; do
  file="$build/libkartovan_$library.a"
  [ "$library" = upper ] && file="$build/libkartovan.a"
  if [ ! -f "$file" ]; then echo "Layer members: $file is missing (build the program first)."; exit 1; fi
  classes "$file" > "$build/.layer-members-$library"
done
trap 'rm -f "$build"/.layer-members-*' EXIT

findings=$(awk -F'\t' -v shared="$shared" '
  BEGIN { split(shared, s, " "); allowed[s[1] SUBSEP s[2]] = 1 }
  FILENAME ~ /-model$/ { owner[$1] = "model"; next }
  FILENAME ~ /-computer$/ {
    if (($1 in owner) && owner[$1] == "model") {
      if (!(($1 SUBSEP "computer") in allowed)) print "the computer player defines " $2 " of the model'"'"'s class " $1
      next
    }
    owner[$1] = "computer"; next
  }
  ($1 in owner) { print "a layer above defines " $2 " of the " owner[$1] "'"'"'s class " $1 }
' "$build/.layer-members-model" "$build/.layer-members-computer" "$build/.layer-members-upper" | sort -u)

if [ -n "$findings" ]; then
  echo "Layer members: functions defined above the layer of their class:"
  printf '%s\n' "$findings" | sed 's/^/  /'
  exit 1
fi
echo "Layer members: the model's and the computer player's classes are defined in their own layers."
