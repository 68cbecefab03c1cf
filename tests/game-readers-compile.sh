#!/usr/bin/env bash
# The folders that only read the game cannot write it. For each of dialogs/, windows/ and audio/, the
# writes below are appended to a copy of one of its files, which is compiled with that file's own
# command from the build's compile database: the compiler must refuse every write at its own line.
# The reads, appended the same way, must compile, so that a command the compiler cannot run does not
# pass for a refusal. A write planted into a header of the folder (which the folders above include
# too) must be refused by the unit the build compiles the folder's headers in.
#
#   tests/game-readers-compile.sh BUILD
set -euo pipefail
export LC_ALL=C
build="$(cd "$1" && pwd)"
source_root="$(cd "$(dirname "$0")/.." && pwd)"
database="$build/compile_commands.json"
[ -f "$database" ] || { echo "No compile database in $build"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# The build's command for a source file, run from the build folder, with its object written to the
# scratch folder; empty when the database does not list the file. The reads are compiled whole; a
# compile that must be refused stops after the checks of the language (-fsyntax-only), where every
# refusal below is made.
command_of() {
  local entry
  entry=$(grep -B1 -F "\"file\": \"$1\"" "$database" | sed -n 's/^ *"command": "\(.*\)",$/\1/p' | head -n 1)
  entry="${entry//\\\"/\"}"
  entry="${entry//\\\\/\\}"
  printf '%s' "$entry" | sed -E "s# -o [^ ]+# -o $work/planted.o#"
}

# The writes: the review's four (a swap, a structured binding, a fill of an array field, a write
# through the record's address) and the plain ones (assignment, compound assignment, ++ and --, a
# member function, a reference and a pointer that are not const), each one line of its own. PLAYER
# stands for the player of the game object as the folder is handed it.
writes=(
  'void PlantedSwap() { int leader = 0; std::swap(g_Game.Leader, leader); }'
  'void PlantedBinding() { auto& [soloistParty, defenders, ramsch] = g_Game.PartyPoints; soloistParty = 61; }'
  'void PlantedFill() { std::fill_n(g_Game.HasBid, 3, 1); }'
  'void PlantedAddress() { std::addressof(g_Game)->Leader = 1; }'
  'void PlantedAssignment() { g_Game.Leader = 1; }'
  'void PlantedCompound() { g_Game.GameEndFlags |= 8; }'
  'void PlantedIncrement() { ++g_Game.PendingRaise; }'
  'void PlantedDecrement() { g_Game.HasBid[2]--; }'
  'void PlantedCall() { g_Game.SetGameType(6); }'
  'void PlantedReference() { CGameState& game = g_Game; game.Leader = 1; }'
  'void PlantedPointer() { int* raise = &g_Game.PendingRaise; *raise = 1; }'
  'void PlantedPlayer() { PLAYER->Reset(); }'
)
# The same shapes, reading.
reads='int PlantedReads() {
    int leader = g_Game.Leader, other = 2;
    std::swap(leader, other);
    const auto& [soloistParty, defenders, ramsch] = g_Game.PartyPoints;
    int bids[3] = {};
    std::copy_n(g_Game.HasBid, 3, bids);
    const CGameState& game = g_Game;
    const int* raise = &g_Game.PendingRaise;
    return leader + soloistParty + defenders + ramsch + bids[2] + game.Soloist + *raise +
           std::addressof(g_Game)->Soloist + PLAYER->count;
}'

# Each folder: the file the lines go into, the header the lines go into, and the player as the
# folder is handed it, with the header that hands it.
folders=(
  'dialogs~dialogs/StartDialog.cpp~dialogs/PlayBars.h~g_DialogFrame.Player(2)~dialogs/DialogServices.h'
  'windows~windows/TrickEstimation.cpp~windows/Store.h~g_SideWindowFrame.GamePlayer(2)~windows/WindowFrameServices.h'
  'audio~audio/VoicePlayer.cpp~audio/SpeechLogic.h~g_DialogFrame.Player(2)~dialogs/DialogServices.h'
)
includes() {
  printf '#include "%s"\n' "model/GameState.h" "model/Player.h" "$1"
  printf '#include <%s>\n' algorithm memory utility
}

for entry in "${folders[@]}"; do
  IFS='~' read -r folder file header player services <<< "$entry"
  command=$(command_of "$source_root/$file")
  [ -n "$command" ] || { fail "the compile database has no command for $file"; continue; }
  copy="$work/$(basename "$file")"
  planted_command="${command/ -c $source_root\/$file/ -iquote $source_root/$folder -c $copy}"

  # The reads compile.
  { cat "$source_root/$file"; includes "$services"; printf '%s\n' "${reads//PLAYER/$player}"; } > "$copy"
  if ! report=$(cd "$build" && bash -c "$planted_command" 2>&1); then
    fail "$folder: the reads do not compile:"; printf '%s\n' "$report" | head -n 20
    continue
  fi

  # Every write is refused at its own line.
  { cat "$source_root/$file"; includes "$services"; } > "$copy"
  first=$(($(wc -l < "$copy") + 1))
  for line in "${writes[@]}"; do printf '%s\n' "${line//PLAYER/$player}"; done >> "$copy"
  if report=$(cd "$build" && bash -c "$planted_command -fsyntax-only" 2>&1); then
    fail "$folder: $file with every write compiles"
    continue
  fi
  for index in "${!writes[@]}"; do
    number=$((first + index))
    grep -q -F "$copy:$number:" <<< "$report" ||
      fail "$folder: the compiler takes ${writes[$index]//PLAYER/$player}"
  done

  # A write in a header of the folder is refused where the build compiles the folder's headers: the
  # header's copy stands first on the include path.
  unit="$build/game-readers/${folder}_headers.cpp"
  command=$(command_of "$unit")
  [ -n "$command" ] || { fail "the compile database has no command for the headers of $folder"; continue; }
  mkdir -p "$work/$folder"
  { cat "$source_root/$header"; includes "$services"; } > "$work/$header"
  number=$(($(wc -l < "$work/$header") + 1))
  echo 'inline void PlantedHeaderWrite() { g_Game.Leader = 1; }' >> "$work/$header"
  compiler="${command%% *}"
  if report=$(cd "$build" && bash -c "$compiler -I$work ${command#* } -fsyntax-only" 2>&1); then
    fail "$folder: a write in $header compiles"
  elif ! grep -q -F "$work/$header:$number:" <<< "$report"; then
    fail "$folder: the headers of $folder fail elsewhere than at the write in $header:"
    printf '%s\n' "$report" | head -n 20
  fi
  rm -f "$work/$header"
done

# Outside the frame and the parts it hands the game object to, nothing reaches a mutable game
# object: a shell file that holds the frame may read it, and its call of the frame's own accessor
# is refused.
file=shell/ProgramHooks.cpp
command=$(command_of "$source_root/$file")
if [ -z "$command" ]; then
  fail "the compile database has no command for $file"
else
  copy="$work/$(basename "$file")"
  planted_command="${command/ -c $source_root\/$file/ -iquote $source_root/shell -c $copy}"
  frame_includes() { printf '#include "%s"\n' flow/MainFrame.h model/Skat.h; }
  { cat "$source_root/$file"; frame_includes
    echo 'int PlantedFrameRead(CMainFrame& frame) { return frame.GameObject().Trick().count; }'; } > "$copy"
  if ! report=$(cd "$build" && bash -c "$planted_command" 2>&1); then
    fail "shell: the frame's game object cannot be read:"; printf '%s\n' "$report" | head -n 20
  else
    { cat "$source_root/$file"; frame_includes; } > "$copy"
    number=$(($(wc -l < "$copy") + 1))
    echo 'void PlantedFrameWrite(CMainFrame& frame) { frame.EditGameObject().ClearTrick(); }' >> "$copy"
    if report=$(cd "$build" && bash -c "$planted_command -fsyntax-only" 2>&1); then
      fail "shell: a call of the frame's mutable game accessor compiles"
    elif ! grep -q -F "$copy:$number:" <<< "$report"; then
      fail "shell: the planted call fails elsewhere than at its line:"; printf '%s\n' "$report" | head -n 20
    fi
  fi
fi

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "dialogs, windows and audio cannot write the game: every planted write is refused, the reads compile."
echo "Outside the frame and its parts the game object is read only: the planted call is refused."
