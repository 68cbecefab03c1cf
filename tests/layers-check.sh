#!/usr/bin/env bash
# The layering check on a copy of the program's sources: the tree as it stands passes, and each
# include planted into the copy (one at a time) fails with exactly the finding it names.
set -euo pipefail
export LC_ALL=C
source_root="$(cd "$(dirname "$0")/.." && pwd)"
script="$source_root/scripts/check-layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$source_root" && find model computer match dialogs audio windows flow shell tavlo platform resources app \
   -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | xargs -0 cp --parents -t "$work")

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

if ! report=$(bash "$script" "$work"); then
  fail "the unchanged tree does not pass:"; echo "$report"
fi

# Each case: the file the include goes into, the include line, and the finding the check must print
# ("" when the check must pass).
cases=(
  'model/Cards.h|#include "../flow/MainFrame.h"|model/Cards.h:@: model/ may not include flow/ (#include "../flow/MainFrame.h")'
  'model/Trick.cpp|#include "computer/play/CardQueries.h"|model/Trick.cpp:@: model/ may not include computer/play/ (#include "computer/play/CardQueries.h")'
  'tavlo/Tavlo.h|#include "flow/MainFrame.h"|tavlo/Tavlo.h:@: tavlo/ may not include flow/ (#include "flow/MainFrame.h")'
  'computer/play/CardQueries.h|#include <model/../shell/SkatApp.h>|computer/play/CardQueries.h:@: computer/play/ may not include shell/ (#include "model/../shell/SkatApp.h")'
  'dialogs/PlayBars.cpp|#include "flow/Auction.h"|dialogs/PlayBars.cpp:@: dialogs/ may not include flow/ (#include "flow/Auction.h")'
  'model/Cards.h|#include "../../outside.h"|model/Cards.h:@: #include "../../outside.h" climbs above the root'
  'computer/search/Lookahead.cpp|#include "model/Cards.h"|computer/search/Lookahead.cpp: the folder computer/search/ has no row in the table'
  'model/Trick.cpp|#include "Cards.h"|'
  'computer/play/CardQueries.h|#include "../../model/Cards.h"|'
  'flow/Auction.cpp|#include "shell/SkatApp.h"|flow/Auction.cpp:@: flow/ may not include shell/ (#include "shell/SkatApp.h")'
  'model/Trick.cpp|#include <vector>|'
)
for entry in "${cases[@]}"; do
  IFS='|' read -r file line expected <<< "$entry"
  target="$work/$file"
  mkdir -p "$(dirname "$target")"
  created=0
  [ -e "$target" ] || created=1
  [ "$created" -eq 1 ] && : > "$target"
  cp "$target" "$work/saved"
  echo "$line" >> "$target"
  number=$(wc -l < "$target")
  expected="${expected//@/$number}"
  status=0
  report=$(bash "$script" "$work") || status=$?
  if [ -z "$expected" ]; then
    [ "$status" -eq 0 ] || fail "$file with $line: the check fails: $report"
  else
    [ "$status" -ne 0 ] || fail "$file with $line: the check passes"
    findings=$(printf '%s\n' "$report" | sed -n 's/^  //p')
    [ "$findings" = "$expected" ] || fail "$file with $line: the check reports \"$findings\", not \"$expected\""
  fi
  if [ "$created" -eq 1 ]; then rm -f "$target"; rmdir "$(dirname "$target")" 2>/dev/null || true
  else mv "$work/saved" "$target"; fi
done

# An exception lets its one header through, and one whose include is gone is a line to remove: both
# on a copy of the check that holds an exception of its own.
excepting="$work/check-layers-excepting.sh"
sed "/^exceptions='\$/a flow     shell/SkatApp.h  a planted exception" "$script" > "$excepting"
grep -q '^flow     shell/SkatApp.h  a planted exception$' "$excepting" || fail "the planted exception is not in the copy"
echo '#include "shell/SkatApp.h"' >> "$work/flow/Auction.cpp"
report=$(bash "$excepting" "$work") || fail "an include its exception allows fails: $report"
sed -i '$d' "$work/flow/Auction.cpp"
status=0
report=$(bash "$excepting" "$work") || status=$?
expected="the exception flow -> shell/SkatApp.h is no longer needed: remove its line"
[ "$status" -ne 0 ] && [ "$(printf '%s\n' "$report" | sed -n 's/^  //p')" = "$expected" ] ||
  fail "an exception nothing needs passes: $report"

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "The layering check judges every planted include."
