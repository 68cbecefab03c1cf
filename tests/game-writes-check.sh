#!/usr/bin/env bash
# The check of the game record's writes on a copy of the folders it reads: the tree as it stands
# passes, and each line planted into the copy (one at a time) fails with exactly the finding it
# names, or passes where it only reads.
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
# print ("" when the check must pass).
cases=(
  'dialogs/StartDialog.cpp~void Trial() { g_Game.Leader = 1; }~dialogs/StartDialog.cpp:@: writes g_Game.Leader (=)'
  'dialogs/ResultDialog.cpp~void Trial() { g_Game.GameEndFlags |= 8; }~dialogs/ResultDialog.cpp:@: writes g_Game.GameEndFlags (|=)'
  'dialogs/AuctionDialog.cpp~void Trial() { ++g_Game.PendingRaise; }~dialogs/AuctionDialog.cpp:@: writes g_Game.PendingRaise (++)'
  'dialogs/AuctionDialog.cpp~void Trial() { g_Game.HasBid[2]--; }~dialogs/AuctionDialog.cpp:@: writes g_Game.HasBid[2] (--)'
  'dialogs/DeclareDialog.cpp~void Trial() { g_Game.SetGameType(6); }~dialogs/DeclareDialog.cpp:@: calls g_Game.SetGameType()'
  'dialogs/MessageDialogs.h~inline void Trial() { g_Game.ResetKontra(); }~dialogs/MessageDialogs.h:@: calls g_Game.ResetKontra()'
  'dialogs/RenameDialog.cpp~void Trial() { CGameState& game = g_Game; }~dialogs/RenameDialog.cpp:@: binds a reference that is not const to g_Game'
  'dialogs/PlayBars.cpp~void Trial() { int* raise = &g_Game.PendingRaise; }~dialogs/PlayBars.cpp:@: takes the address of g_Game.PendingRaise outside a const declaration'
  'audio/VoicePlayer.cpp~void Trial() { g_Game.KontraState = 2; }~audio/VoicePlayer.cpp:@: writes g_Game.KontraState (=)'
  'dialogs/StartDialog.cpp~bool Trial() { return g_Game.BidIndex == 3 && g_Game.HasBid[2] != 0 && g_Game.Soloist <= 2; }~'
  'dialogs/RenameDialog.cpp~void Trial() { const CGameState& game = g_Game; }~'
  'dialogs/PlayBars.cpp~const int* Trial() { const int* raise = &g_Game.PendingRaise; return raise; }~'
  'dialogs/ResultDialog.cpp~int Trial(int flags) { return flags & g_Game.GameEndFlags; }~'
  'dialogs/StartDialog.cpp~// g_Game.Leader = 1;~'
  'dialogs/StartDialog.cpp~const char* kTrial = "g_Game.Leader = 1";~'
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
