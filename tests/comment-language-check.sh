#!/usr/bin/env bash
# The check of the comments' language on a copy of the program's sources, tests and tools: the tree
# as it stands passes, and each comment planted into the copy fails with exactly the finding it
# names, or passes where the number in it is a value or the words stand outside a comment.
set -euo pipefail
export LC_ALL=C
source_root="$(cd "$(dirname "$0")/.." && pwd)"
script="$source_root/scripts/check-comment-language.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$source_root" && find app audio cmake computer dialogs flow match model platform resources scripts shell tavlo tests tools windows .ci \
   -type d -name 'build*' -prune -o -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.sh' -o -name '*.cmake' \
   -o -name 'CMakeLists.txt' -o -path '.ci/*' \) -print0 | xargs -0 cp --parents -t "$work" && cp CMakeLists.txt "$work")

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

if ! report=$(bash "$script" "$work"); then
  fail "the unchanged tree does not pass:"; echo "$report"
fi

# Each case: the file the lines go into, the lines (printf's \n parts them), and the start of the
# finding the check must print, @ for the number of the planted line that holds it ("" when the
# line must pass).
cases=(
  'computer/play/SuitDefenderLead.cpp|// Steps 4 and 5 of 5.215: small cards.|computer/play/SuitDefenderLead.cpp:@: the section number 5.215'
  'model/Cards.h|int kFirst = 1; /* as in 2.117 */|model/Cards.h:@: the section number 2.117'
  'model/Cards.h|/* the lead,\n   following 12.301 */|model/Cards.h:@: the section number 12.301'
  'tests/model/CardsTest.cpp|// The Jacks rank as the spec orders them.|tests/model/CardsTest.cpp:@: "spec"'
  'tools/selfplay/GameLine.cpp|// Laid out by the Specification.|tools/selfplay/GameLine.cpp:@: "spec"'
  'model/Trick.cpp|// See piece-03 for the order.|model/Trick.cpp:@: "piece-NN"'
  'CMakeLists.txt|# Part 2 asks for the test build.|CMakeLists.txt:@: "Part N"'
  'scripts/run.sh|echo start  # as the design document says|scripts/run.sh:@: "design document"'
  'model/GameState.h|// the name the game'"'"'s description gives it|model/GameState.h:@: "the game'"'"'s description"'
  'cmake/Sanitize.cmake|# 5.205 and the rest|cmake/Sanitize.cmake:@: the section number 5.205'
  # Values, not sections: a row of measures, a factor, a version; and words outside any comment.
  'tests/platform/DialogTest.cpp|int w = 88;  // 87.5, 8.125, 227.5|'
  'model/Trick.cpp|// The widths grow by x 1.125 a step.|'
  'model/Trick.cpp|// A factor: 1.125 * the width.|'
  'tools/selfplay/GameLine.cpp|// Written since version 2.100 of the list.|'
  'model/Trick.cpp|const char* kNote = "5.205 // the spec";  // a special case|'
  'model/Trick.cpp|// Pi to five places, 3.14159, is no section.|'
  'scripts/run.sh|echo "# the spec 5.205"  # the program'"'"'s start|'
  'scripts/run.sh|n=${#list[@]}|'
)
# All cases are planted at once, each at lines of its own, and judged by one run of the check: each
# planted line must give its finding, and no other line any.
declare -A wanted=() plantedLines=() found=()
for entry in "${cases[@]}"; do
  IFS='|' read -r file lines expected <<< "$entry"
  target="$work/$file"
  mkdir -p "$(dirname "$target")"
  printf '%b\n' "$lines" >> "$target"
  mapfile -t content < "$target"
  number=${#content[@]}
  wanted["$file:$number"]="${expected//@/$number}"
  plantedLines["$file:$number"]="$lines"
done
status=0
report=$(bash "$script" "$work") || status=$?
[ "$status" -ne 0 ] || fail "the check passes with the planted comments"
while IFS= read -r finding; do
  [[ "$finding" == "  "* ]] || continue
  finding="${finding#  }"
  place="${finding%%: *}"
  if [ -z "${wanted[$place]+set}" ]; then fail "a finding no case planted: $finding"; else found["$place"]="$finding"; fi
done <<< "$report"
for place in "${!wanted[@]}"; do
  expected="${wanted[$place]}"
  finding="${found[$place]-}"
  if [ -z "$expected" ]; then
    [ -z "$finding" ] || fail "$place with ${plantedLines[$place]}: the check reports \"$finding\""
  else
    [[ -n "$finding" && "$finding" == "$expected"* ]] ||
      fail "$place with ${plantedLines[$place]}: the check reports \"$finding\", not \"$expected ...\""
  fi
done

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "The comment language check judges every planted comment."
