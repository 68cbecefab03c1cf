#!/usr/bin/env bash
# The comments speak the program's own language. One pass over the comments of the program, its
# tests and tools (C++ // and /* */ comments, CMake and shell # comments) fails on
#   - a section number: one or two digits, a dot and three digits, standing alone;
#   - a word that points at an outside description of the program instead of saying what the code
#     does (the words are those of words() below).
# A number with three decimals is a value, not a section, where it is written as one: next to an
# arithmetic sign (=, ->, *, /, x, +, <, >), after "version" or "v", or in a comment made of numbers
# alone that holds a value with one or two decimals too (a row of computed measures).
#
#   scripts/check-comment-language.sh [ROOT]     checks the tree at ROOT (the repository by default)
set -euo pipefail
export LC_ALL=C
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

folders="app audio cmake computer dialogs flow match model platform resources scripts shell tavlo tests tools windows .ci"
present=$(for f in $folders; do [ -d "$f" ] && printf '%s\n' "$f"; done)
findings=$({ [ -f CMakeLists.txt ] && printf '%s\0' CMakeLists.txt
             [ -n "$present" ] && find $present -type d -name 'build*' -prune -o -type f \
               \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.sh' -o -name '*.cmake' \
                  -o -name 'CMakeLists.txt' -o -path '.ci/*' \) -print0; } |
  xargs -0 -r awk '
  # kind: "c" for C++, "hash" for shell and CMake (both take "#" to the end of the line).
  FNR == 1 {
    inblock = 0
    kind = (FILENAME ~ /\.(h|hpp|cpp)$/) ? "c" : "hash"
    shellfile = (FILENAME ~ /\.sh$/ || FILENAME ~ /^\.ci\//)
  }
  # words(t): the words of t that point at an outside description, "" for none.
  function words(t,    l) {
    l = " " tolower(t) " "
    if (l ~ /[^a-z0-9_]spec(s|ification|ifications)?[^a-z0-9_]/) return "spec"
    if (l ~ /piece-[0-9]/) return "piece-NN"
    if (t ~ /(^|[^A-Za-z])Parts? [0-9]/) return "Part N"
    if (l ~ /design (document|page|description|text)/) return "design document"
    if (l ~ /(game|program)(.s|s.)? description/) return "the game'"'"'s description"
    return ""
  }
  # isvalue(t, at, len): whether the number at t[at, at+len) is written as a value.
  function isvalue(t, at, len,    before, after, rest) {
    before = substr(t, 1, at - 1); after = substr(t, at + len)
    if (before ~ /(=|->|[*\/x+<>]) *$/ || after ~ /^ *(=|->|[*\/x+<>])/) return 1
    if (before ~ /(version |[^A-Za-z]v)$/ || before == "v") return 1
    rest = t
    if (rest !~ /[A-Za-z]/ && rest ~ /(^|[^0-9.])[0-9]+\.[0-9][0-9]?([^0-9.]|$)/) return 1
    return 0
  }
  function judge(t,    rest, off, w, at, len) {
    sub(/^[ \t]+/, "", t)
    w = words(t)
    if (w != "") { print FILENAME ":" FNR ": \"" w "\" in the comment: " t; return }
    rest = t; off = 0
    while (match(rest, /[0-9][0-9]?\.[0-9][0-9][0-9]/)) {
      at = RSTART; len = RLENGTH
      if ((at == 1 || substr(rest, at - 1, 1) !~ /[0-9.]/) && substr(rest, at + len, 1) !~ /[0-9]/ &&
          substr(rest, at + len, 2) !~ /^\.[0-9]/ && !isvalue(t, off + at, len)) {
        print FILENAME ":" FNR ": the section number " substr(rest, at, len) " in the comment: " t; return
      }
      off += at + len - 1; rest = substr(rest, at + len)
    }
  }
  kind == "c" {
    line = $0; text = ""
    while (line != "") {
      if (inblock) {
        end = index(line, "*/")
        if (end == 0) { text = text " " line; line = ""; break }
        text = text " " substr(line, 1, end - 1); line = substr(line, end + 2); inblock = 0; continue
      }
      if (!match(line, /["'"'"']|\/\/|\/\*/)) break
      token = substr(line, RSTART, RLENGTH)
      if (token == "//") { text = text " " substr(line, RSTART + 2); line = ""; break }
      if (token == "/*") { line = substr(line, RSTART + 2); inblock = 1; continue }
      # A string or character literal: skipped whole, its escapes with it.
      line = substr(line, RSTART)
      if (token == "\"" ? match(line, /^"([^"\\]|\\.)*"/) : match(line, /^'"'"'([^'"'"'\\]|\\.)*'"'"'/))
        line = substr(line, RLENGTH + 1)
      else
        line = substr(line, 2)
    }
    if (text != "") judge(text)
    next
  }
  {
    line = $0
    while (line != "") {
      if (!match(line, shellfile ? "[\"'"'"'#]" : "[\"#]")) break
      token = substr(line, RSTART, 1)
      if (token == "#") {
        if (RSTART == 1 || substr(line, RSTART - 1, 1) ~ /[ \t]/) { judge(substr(line, RSTART + 1)); break }
        line = substr(line, RSTART + 1); continue
      }
      line = substr(line, RSTART)
      if (token == "\"" ? match(line, /^"([^"\\]|\\.)*"/) : match(line, /^'"'"'[^'"'"']*'"'"'/))
        line = substr(line, RLENGTH + 1)
      else
        line = substr(line, 2)
    }
  }' | sort -t: -k1,1 -k2,2n)

if [ -n "$findings" ]; then
  echo "Comment language: comments that point at an outside description of the program:"
  printf '%s\n' "$findings" | sed 's/^/  /'
  exit 1
fi
echo "Comment language: every comment says what the code does in the program's own words."
