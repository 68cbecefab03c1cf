#!/usr/bin/env bash
# The check of the ways around the readers' const view of the game, on a copy of the folders it
# reads: the tree as it stands passes, and each line planted into the copy (one at a time) fails with
# exactly the finding it names, or passes where it takes no way around.
set -euo pipefail
export LC_ALL=C
source_root="$(cd "$(dirname "$0")/.." && pwd)"
script="$source_root/scripts/check-game-writes.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$source_root" && find dialogs windows audio -type f \( -name '*.h' -o -name '*.cpp' \) -print0 |
   xargs -0 cp --parents -t "$work")

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

if ! report=$(bash "$script" "$work"); then
  fail "the unchanged tree does not pass:"; echo "$report"
fi

# Each case, split at "~": the file the line goes into, the line, and the finding the check must
# print ("" when the check must pass). The plain writes are the compiler's to refuse
# (tests/game-readers-compile.sh); these are the ways around the const view that it lets pass.
cases=(
  'dialogs/StartDialog.cpp~void Trial() { const_cast<CGameState&>(g_Game).Leader = 1; }~dialogs/StartDialog.cpp:@: casts const away (const_cast)'
  'windows/Score.cpp~void Trial() { ((CGameState&)g_Game).Leader = 1; }~windows/Score.cpp:@: casts to CGameState&'
  'audio/VoicePlayer.cpp~void Trial() { *(int*)&g_Game.KontraState = 2; }~audio/VoicePlayer.cpp:@: casts to int*'
  'dialogs/PlayBars.cpp~void Trial() { extern CGameState g_Game; g_Game.PendingRaise = 1; }~dialogs/PlayBars.cpp:@: declares g_Game'
  'dialogs/MessageDialogs.h~#undef KARTOVAN_GAME_READER~dialogs/MessageDialogs.h:@: names KARTOVAN_GAME_READER'
  'windows/TrickEstimation.cpp~void Trial(const CPlayer* shown) { shown->partner->Reset(); }~windows/TrickEstimation.cpp:@: follows the partner pointer of a player'
  'dialogs/StartDialog.cpp~bool Trial() { return g_Game.BidIndex == 3 && g_Game.HasBid[2] != 0 && g_Game.Soloist <= 2; }~'
  'windows/Score.cpp~const int* Trial() { return (const int*)&g_Game.Leader; }~'
  'dialogs/RenameDialog.cpp~struct Trial { bool Seen(const CPlayer&) const; bool Held(CPlayer&) const; };~'
  'audio/VoicePlayer.cpp~auto trial = [](CPlayer&) { return 0; };~'
  'dialogs/StartDialog.cpp~// const_cast<CGameState&>(g_Game).Leader = 1;~'
  'dialogs/StartDialog.cpp~const char* kTrial = "extern CGameState g_Game;";~'
)
for entry in "${cases[@]}"; do
  IFS='~' read -r file line expected <<< "$entry"
  target="$work/$file"
  [ -e "$target" ] || { fail "$file is not in the tree"; continue; }
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
  mv "$work/saved" "$target"
done

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "The game record check judges every planted line."
