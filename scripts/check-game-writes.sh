#!/usr/bin/env bash
# The game record g_Game and the game object have an owner: the flow writes them, and the folders
# listed below only read them (a bar asks the flow through its services record). The compiler holds
# it: the build compiles those folders with KARTOVAN_GAME_READER, under which they see g_Game as a
# const view and the game's players as const (tests/game-readers-compile.sh). This check finds the
# ways around the type that the compiler lets pass: a const_cast, a C-style cast to a pointer or a
# reference that is not const, a declaration of g_Game of their own (which would name the mutable
# record), the reader definition named in a source, and the partner pointer of a player, the one
# member of a const player that leads to a player that is not. Comments and string literals do not
# count.
#
#   scripts/check-game-writes.sh [ROOT]     checks the tree at ROOT (the repository by default)
set -euo pipefail
export LC_ALL=C
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

# The folders that only read the game.
folders='dialogs windows audio'

present=()
for folder in $folders; do
  if [ -d "$folder" ]; then present+=("$folder"); fi
done
files=""
if [ ${#present[@]} -gt 0 ]; then
  files=$(find "${present[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) | sort)
fi
[ -n "$files" ] || { echo "Game record: no file to check in $folders"; exit 1; }

findings=$(printf '%s\n' "$files" | xargs -r -d '\n' perl -e '
  use strict; use warnings;
  for my $file (@ARGV) {
    open(my $in, "<", $file) or die "$file: $!";
    local $/; my $text = <$in>; close $in;
    # Comments and literals become blanks of the same length, so that offsets keep their lines.
    $text =~ s{(//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\x27(?:\\.|[^\x27\\\n])*\x27)}{
      my $kept = $1; $kept =~ s/[^\n]/ /g; $kept }gse;
    my $line = sub { 1 + (substr($text, 0, $_[0]) =~ tr/\n//) };
    my $say = sub { my ($at, $what) = @_; $what =~ s/\s+/ /g; print "$file:", $line->($at), ": $what\n" };
    while ($text =~ /\bconst_cast\b/g) { $say->($-[0], "casts const away (const_cast)") }
    # A C-style cast: a parenthesised type ending in * or & that is not const, then an operand (not
    # the qualifier of an unnamed parameter list).
    while ($text =~ /\(\s*((?!const\b)[A-Za-z_][\w:<>, ]*?\s*[*&]+)\s*\)\s*(?!(?:const|override|noexcept|final|volatile)\b)[\w&(]/g) {
      $say->($-[0], "casts to $1");
    }
    while ($text =~ /\bextern\b[^;]*\bg_Game\b/g) { $say->($-[0], "declares g_Game") }
    while ($text =~ /\bKARTOVAN_GAME_READER\b/g) { $say->($-[0], "names KARTOVAN_GAME_READER") }
    while ($text =~ /(?:\.|->)\s*partner\b/g) { $say->($-[0], "follows the partner pointer of a player") }
  }' | sort -t: -k1,1 -k2,2n)

if [ -n "$findings" ]; then
  echo "Game record: a way around the readers' const view:"
  printf '%s\n' "$findings" | sed 's/^/  /'
  exit 1
fi
echo "Game record: $folders take no way around their const view of the game."
