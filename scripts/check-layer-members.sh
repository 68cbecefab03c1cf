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

# The three libraries' symbol tables are read in one pass: "library:member:address T function" for
# every function a library defines out of line, the model's first, then the computer player's.
libraries=()
for library in model computer upper; do
  file="$build/libkartovan_$library.a"
  [ "$library" = upper ] && file="$build/libkartovan.a"
  if [ ! -f "$file" ]; then echo "Layer members: $file is missing (build the program first)."; exit 1; fi
  libraries+=("$file")
done

findings=$(nm -A -C --defined-only "${libraries[@]}" 2>/dev/null | awk -v shared="$shared" \
             -v modelfile="${libraries[0]}" -v computerfile="${libraries[1]}" '
  BEGIN { split(shared, s, " "); allowed[s[1] SUBSEP s[2]] = 1 }
  $2 == "T" {
    library = $1; sub(/:[^:]*:[^:]*$/, "", library)
    layer = library == modelfile ? "model" : library == computerfile ? "computer" : "upper"
    $1 = ""; $2 = ""; sub(/^  /, ""); function_name = $0
    name = function_name; sub(/\(.*/, "", name)
    if (!match(name, /^[A-Za-z_][A-Za-z_0-9]*::/)) next
    class = substr(name, 1, RLENGTH - 2)
    if ((layer, class, function_name) in seen) next
    seen[layer, class, function_name] = 1
    count[layer]++; classes[layer, count[layer]] = class; functions[layer, count[layer]] = function_name
  }
  END {
    # A class is the model'"'"'s when the model defines a function of it, else the computer
    # player'"'"'s when that library does; no layer above may define one of its functions.
    for (i = 1; i <= count["model"]; i++) owner[classes["model", i]] = "model"
    for (i = 1; i <= count["computer"]; i++) {
      class = classes["computer", i]
      if ((class in owner) && owner[class] == "model") {
        if (!((class SUBSEP "computer") in allowed))
          print "the computer player defines " functions["computer", i] " of the model'"'"'s class " class
        continue
      }
      owner[class] = "computer"
    }
    for (i = 1; i <= count["upper"]; i++) {
      class = classes["upper", i]
      if (class in owner) print "a layer above defines " functions["upper", i] " of the " owner[class] "'"'"'s class " class
    }
  }' | sort -u)

if [ -n "$findings" ]; then
  echo "Layer members: functions defined above the layer of their class:"
  printf '%s\n' "$findings" | sed 's/^/  /'
  exit 1
fi
echo "Layer members: the model's and the computer player's classes are defined in their own layers."
