#!/usr/bin/env bash
# The game record g_Game has an owner: the flow writes it, and the folders listed below only read it
# (a dialog asks the flow through its services record). Fails for each write in those folders: an
# assignment or compound assignment to g_Game or a part of it, ++ or --, a call of one of its
# member functions (every one of them changes the record), a reference bound to it that is not
# const, and its address or a part's taken outside a const declaration. Comments and string
# literals do not count.
#
#   scripts/check-game-writes.sh [ROOT]     checks the tree at ROOT (the repository by default)
set -euo pipefail
export LC_ALL=C
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

# The folders that only read the game record.
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
    # The statement up to `at`, from the end of the one before.
    my $statement = sub { my $head = substr($text, 0, $_[0]); $head =~ s/^.*[;{}]//s; $head };
    my $path = qr/g_Game\b(?:\s*(?:\.|->)\s*\w+|\s*\[[^\]]*\])*/;
    while ($text =~ /($path)\s*(=(?!=)|\+=|-=|\*=|\/=|%=|&=|\|=|\^=|<<=|>>=|\+\+|--)/g) {
      $say->($-[0], "writes $1 ($2)");
    }
    while ($text =~ /(\+\+|--)\s*($path)/g) { $say->($-[0], "writes $2 ($1)") }
    while ($text =~ /(g_Game\s*(?:\.|->)\s*(\w+))\s*\(/g) { $say->($-[0], "calls $1()") }
    # A reference bound to the record or a part: only a const one.
    while ($text =~ /&\s*\w+\s*(?:=|\{)\s*($path)/g) {
      my ($at, $part) = ($-[0], $1);
      $say->($at, "binds a reference that is not const to $part") unless $statement->($at) =~ /\bconst\b/;
    }
    # The address of the record or a part (a unary &: no operand before it): only a const pointer.
    while ($text =~ /&\s*($path)/g) {
      my ($at, $part) = ($-[0], $1);
      my $before = substr($text, 0, $at); $before =~ s/\s+$//;
      next if $before =~ /[\w\)\]&]$/;
      $say->($at, "takes the address of $part outside a const declaration") unless $statement->($at) =~ /^\s*const\b/;
    }
  }' | sort -t: -k1,1 -k2,2n)

if [ -n "$findings" ]; then
  echo "Game record: written outside the flow:"
  printf '%s\n' "$findings" | sed 's/^/  /'
  exit 1
fi
echo "Game record: $folders only read g_Game."
