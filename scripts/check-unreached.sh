#!/usr/bin/env bash
# Every function of the game that is built is reached by the running program. The English program is
# linked once more from the test build's objects (one section per function) with the whole game libraries
# and the linker's collection of unused sections; what the linker drops, nothing from main() reaches.
# A dropped function of the game's folders fails the check unless scripts/unreached-allowed.txt names
# it with its reason. Of the platform layer only the functions in scripts/reached-platform.txt are
# looked at: the rest is a library whose unused calls are fine.
#
#   scripts/check-unreached.sh                  links and judges the test build (build/test, or $KARTOVAN_BUILD)
#   scripts/check-unreached.sh --judge LOG PROGRAM ALLOWED PLATFORM SOURCES
#                                               judges a link's report LOG and the linked PROGRAM
set -euo pipefail
export LC_ALL=C
here="$(cd "$(dirname "$0")" && pwd)"

# normalise: reads "library<TAB>member<TAB>demangled<TAB>mangled" lines and writes "name<TAB>library<TAB>member":
# the name without its parameter list and return type; a destructor's deleting variant is marked.
normalise() {
  awk -F'\t' '
    function shortname(s,    n, i, c, depth, cut) {
      while (s ~ / (const|volatile|&|&&)$/) sub(/ (const|volatile|&|&&)$/, "", s)
      n = length(s)
      if (substr(s, n, 1) == ")") {
        depth = 0
        for (i = n; i > 0; i--) {
          c = substr(s, i, 1)
          if (c == ")") depth++
          else if (c == "(") { depth--; if (depth == 0) break }
        }
        if (i > 1) s = substr(s, 1, i - 1)
      }
      # A return type (function templates) stands before the name, outside every bracket.
      if (s !~ /operator/) {
        depth = 0; cut = 0
        for (i = 1; i <= length(s); i++) {
          c = substr(s, i, 1)
          if (c == "(" || c == "<" || c == "{" || c == "[") depth++
          else if (c == ")" || c == ">" || c == "}" || c == "]") depth--
          else if (c == " " && depth == 0) cut = i
        }
        if (cut > 0) s = substr(s, cut + 1)
      }
      return s
    }
    {
      name = $3
      gsub(/\[abi:[^]]*\]/, "", name)
      name = shortname(name)
      if ($4 ~ /D0Ev$/) name = name " (deleting)"
      print name "\t" $1 "\t" $2
    }'
}

# lines FILE: the lines of a list that are neither empty nor comments.
lines() {
  grep -v '^[[:space:]]*\(#\|$\)' "$1" || true
}

# inlined OBJECT...: the symbols of the functions the compiler copied into a caller in these objects
# (their debug information names each inlined copy's origin).
inlined() {
  local object
  for object in "$@"; do
    echo "@@object $object"
    readelf --debug-dump=info "$object" 2>/dev/null
  done | awk '
    function hex(text) { sub(/^<?(0x)?0*/, "", text); sub(/>.*/, "", text); return text }
    /^@@object / { ++file; next }
    match($0, /^ *<[0-9]+><[0-9a-f]+>: Abbrev Number: [0-9]+ \(DW_TAG_[a-z_]+\)/) {
      split($1, parts, "><"); current = file "@" hex(parts[2]); sub(/:$/, "", current)
      if ($0 ~ /DW_TAG_inlined_subroutine/) copies[++n] = current
      next
    }
    /DW_AT_abstract_origin/ { origin[current] = file "@" hex($NF) }
    /DW_AT_spec/ { origin[current] = file "@" hex($NF) }
    /DW_AT_linkage_name/ { linkage[current] = $NF }
    END {
      for (i = 1; i <= n; i++) {
        die = copies[i]
        for (step = 0; step < 8 && die != ""; step++) {
          if (die in linkage) {
            name = linkage[die]; print name
            # The debug information names a constructor or destructor by its unified variant.
            if (sub(/C4E/, "C1E", name)) { print name; sub(/C1E/, "C2E", name); print name }
            else if (sub(/D4E/, "D1E", name)) { print name; sub(/D1E/, "D2E", name); print name }
            break
          }
          die = (die in origin) ? origin[die] : ""
        }
      }
    }' | sort -u
}

# judge LOG PROGRAM ALLOWED PLATFORM SOURCES [OBJECTS]: prints what nothing reaches and fails when a
# name is not allowed. SOURCES is the platform layer's folder, where every watched name has to be
# found; OBJECTS the folders of the game libraries' objects (separated by colons), whose debug information tells which
# dropped functions live on as copies inlined into their callers.
judge() {
  local log="$1" program="$2" allowed="$3" platform="$4" sources="$5" objects="${6:-}"
  local work; work="$(mktemp -d)"
  # Every symbol the linked program keeps, without the compiler's clone suffixes.
  nm --defined-only "$program" | awk 'NF >= 3 { sub(/\..*/, "", $3); print $3 }' | sort -u > "$work/kept"
  # The functions the linker dropped: "library<TAB>member<TAB>symbol", symbol without clone suffix.
  awk '
    /removing unused section/ {
      if (match($0, /section .\.text\.[^'\'']*/) == 0) next
      section = substr($0, RSTART + 9, RLENGTH - 9)
      sub(/\[.*/, "", section)  # the section of an inline copy names its group too
      sub(/^\.text\./, "", section)
      sub(/^(unlikely|hot|startup|exit)\./, "", section)
      sub(/\..*/, "", section)
      if (match($0, /in file .[^'\'']*/) == 0) next
      file = substr($0, RSTART + 9, RLENGTH - 9)
      library = file; member = ""
      if (match(file, /\(.*\)$/)) { member = substr(file, RSTART + 1, RLENGTH - 2); library = substr(file, 1, RSTART - 1) }
      sub(/.*\//, "", library)
      print library "\t" member "\t" section
    }' "$log" | sort -u > "$work/dropped"
  # Inline copies the program keeps elsewhere and the standard library's template copies are no finding.
  awk -F'\t' 'FILENAME == ARGV[1] { kept[$1] = 1; next }
              ($3 in kept) { next }
              $3 ~ /^_ZZ?N?[KVRO]*(St|Sa|Sb|Ss|Si|So|Sd|9__gnu_cxx)/ { next }
              $3 ~ /^_ZGV|^_ZTh|^_ZTv|^_ZTc/ { next }
              # A lambda or local class goes with the function it lives in, which is named itself.
              $3 ~ /^_ZZ/ { next }
              { print }' "$work/kept" "$work/dropped" > "$work/candidates"
  # A function the compiler copied into each of its callers is reached through them; were they all
  # unreached, they would be named themselves.
  if [ -n "$objects" ] && [ -s "$work/candidates" ]; then
    local members=()
    local folders=()
    IFS=: read -r -a folders <<< "$objects"
    mapfile -t members < <(cut -f2 "$work/candidates" | sort -u | while IFS= read -r member; do
                             find "${folders[@]}" -name "$member" -type f; done)
    if [ ${#members[@]} -gt 0 ]; then
      inlined "${members[@]}" > "$work/inlined"
      awk -F'\t' 'FILENAME == ARGV[1] { copied[$1] = 1; next } !($3 in copied)' \
          "$work/inlined" "$work/candidates" > "$work/candidates.left"
      mv "$work/candidates.left" "$work/candidates"
    fi
  fi
  cut -f3 "$work/candidates" | c++filt > "$work/demangled"
  paste <(cut -f1,2 "$work/candidates") "$work/demangled" <(cut -f3 "$work/candidates") | normalise > "$work/named"
  # The game libraries' dropped functions (the model, the computer player and the layers above).
  awk -F'\t' '$2 ~ /^libkartovan(_model|_computer)?\.a$/ { print $1 "\t" $3 }' "$work/named" > "$work/unreached"
  # Of the platform layer only the listed names count: one the program does not hold is unreached,
  # whether the linker dropped it or, being inline, nothing made a copy of it.
  lines "$platform" | sed 's/[[:space:]]*|.*//; s/[[:space:]]*$//' | sort -u > "$work/watched"
  normalise_kept "$work" | sort -u > "$work/kept-names"
  comm -23 "$work/watched" "$work/kept-names" | sed 's/$/\tplatform/' >> "$work/unreached"
  sort -u -o "$work/unreached" "$work/unreached"

  local status=0
  # The allowed names: "name | reason", one a line; a line without its reason is a fault of the list.
  local bad
  bad=$(lines "$allowed" | awk -F'|' '{ r = $2; gsub(/^[ \t]+|[ \t]+$/, "", r) } NF < 2 || r == "" { print }' || true)
  if [ -n "$bad" ]; then
    echo "Unreached: these lines of $(basename "$allowed") give no reason:"
    echo "$bad" | sed 's/^/  /'
    status=1
  fi
  lines "$allowed" | awk -F'|' '{ n = $1; gsub(/^[ \t]+|[ \t]+$/, "", n); print n }' | sort -u > "$work/allowed"
  local found
  found=$(awk -F'\t' 'FILENAME == ARGV[1] { ok[$1] = 1; next } !($1 in ok) { print "  " $1 "   (" $2 ")" }' "$work/allowed" "$work/unreached")
  if [ -n "$found" ]; then
    echo "Unreached: nothing in the running program calls these functions (wire them in, move them to the tests or delete them):"
    echo "$found"
    status=1
  fi
  # An allowed name that the program now reaches is a line to remove.
  local stale
  stale=$(cut -f1 "$work/unreached" | sort -u | comm -23 "$work/allowed" - | sed 's/^/  /')
  if [ -n "$stale" ]; then
    echo "Unreached: the program reaches these allowed names now; remove their lines from $(basename "$allowed"):"
    echo "$stale"
    status=1
  fi
  # A watched name whose function the platform's sources do not define is a misspelt line.
  local name
  : > "$work/unknown"
  while IFS= read -r name; do
    grep -rqwF -- "${name##*::}" "$sources" || echo "$name" >> "$work/unknown"
  done < "$work/watched"
  if [ -s "$work/unknown" ]; then
    echo "Unreached: $(basename "$platform") names functions the platform's sources do not hold:"
    sed 's/^/  /' "$work/unknown"
    status=1
  fi
  if [ "$status" -eq 0 ]; then
    echo "Unreached: every function of the game is reached by the program, or allowed with its reason."
  fi
  rm -rf "$work"
  return "$status"
}

# normalise_kept WORK: the names of the kept symbols, as normalise names them.
normalise_kept() {
  local work="$1"
  c++filt < "$work/kept" > "$work/kept-demangled"
  paste <(sed 's/.*/-\t-/' "$work/kept") "$work/kept-demangled" "$work/kept" | normalise | cut -f1
}

if [ "${1:-}" = "--judge" ]; then
  shift
  judge "$@"
  exit $?
fi

cd "$here/.."
build="${KARTOVAN_BUILD:-build/test}"
if ! grep -q -- '-ffunction-sections' "$build/compile_commands.json" 2>/dev/null; then
  echo "Unreached: $build is not a build with one section per function (configure it with KARTOVAN_SECTIONS=ON)."
  exit 1
fi
cmake --build "$build" --target kartovan-en >/dev/null
link=$(ninja -C "$build" -t commands app/kartovan-en | tail -n 1)
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The same link, with the whole game and platform libraries and the collection of unused sections.
link="${link//-o app\/kartovan-en/-o $work/kartovan-en}"
for library in libkartovan.a libkartovan_computer.a libkartovan_model.a libplatform_qt.a libplatform_core.a; do
  link="${link// $library / -Wl,--whole-archive $library -Wl,--no-whole-archive }"
done
link="${link% && :} -Wl,--gc-sections -Wl,--print-gc-sections && :"
(cd "$build" && bash -c "$link") 2> "$work/gc.log" || { cat "$work/gc.log"; exit 1; }
judge "$work/gc.log" "$work/kartovan-en" scripts/unreached-allowed.txt scripts/reached-platform.txt platform \
      "$build/CMakeFiles/kartovan.dir:$build/CMakeFiles/kartovan_computer.dir:$build/CMakeFiles/kartovan_model.dir"
