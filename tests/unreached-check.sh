#!/usr/bin/env bash
# The unreached check on a small program of its own: a game library with a function nothing calls, an
# inline function a reached function also uses, a function the compiler copies into its caller, a
# copy of a standard algorithm, and a platform library
# with a watched and an unwatched function nobody calls and an inline one nothing makes a copy of. Each case gives the allowed and the watched
# lines, whether the check passes, and the names it must report.
set -euo pipefail
export LC_ALL=C
script="$(cd "$(dirname "$0")/.." && pwd)/scripts/check-unreached.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > Game.cpp <<'EOF'
#include <algorithm>
#include <vector>
inline int Twice(int x) { return 2 * x + 1; }
int Step(int x) { return x * 5 + 3; }
int Reached(int x) { return Step(Twice(x)) + 1; }
int OnlyTestsCall(int x) { return x * 3; }
std::vector<int> SortedCopy(std::vector<int> v) { std::sort(v.begin(), v.end()); return v; }
namespace { int Hidden(int x) { return x - 7; } }
int (*volatile g_Hook)(int) = nullptr;
void InstallHidden() { g_Hook = Hidden; }
struct CPanel { virtual ~CPanel(); virtual int Paint() const; int Refresh(); };
CPanel::~CPanel() {}
int CPanel::Paint() const { return 4; }
int CPanel::Refresh() { return Paint() + 1; }
int ShowPanel() { CPanel panel; return panel.Refresh(); }
EOF
cat > Platform.cpp <<'EOF'
struct Dialog {
    static void SetDefaultOwner(int owner);
    static int Run();
    static int DefaultOwner() { return s_Owner; }
    static int s_Owner;
};
int Dialog::s_Owner;
void Dialog::SetDefaultOwner(int owner) { s_Owner = owner; }
int Dialog::Run() { return s_Owner; }
int UnusedHelper(int x) { return x + 11; }
EOF
cat > main.cpp <<'EOF'
int Reached(int x);
int ShowPanel();
struct Dialog {
    static void SetDefaultOwner(int owner);
    static int Run();
    static int DefaultOwner() { return s_Owner; }
    static int s_Owner;
};
inline int Twice(int x) { return 2 * x + 1; }
int main(int argc, char**) { return Reached(argc) + Twice(argc) + ShowPanel() + Dialog::Run(); }
EOF
flags=(-O1 -g -std=c++20 -ffunction-sections -fdata-sections)
c++ "${flags[@]}" -c Game.cpp main.cpp Platform.cpp
ar rcs libkartovan.a Game.o
ar rcs libplatform_core.a Platform.o
mkdir platform && cp Platform.cpp platform/
c++ -o program main.o -Wl,--whole-archive libkartovan.a libplatform_core.a -Wl,--no-whole-archive \
    -Wl,--gc-sections -Wl,--print-gc-sections 2> gc.log

failures=0
# case ^ allowed lines ^ watched lines ^ expected status ^ names the report must list (;-separated, in order)
while IFS='^' read -r name allowed watched expected listed; do
  printf '%b' "$allowed" > allowed.txt
  printf '%b' "$watched" > watched.txt
  status=0
  bash "$script" --judge gc.log program allowed.txt watched.txt "$work/platform" "$work" > report.txt || status=$?
  cat report.txt >> reports.txt
  reported=$(grep '^  ' report.txt | sed 's/^  //; s/   (.*//' | tr '\n' ';' || true)
  if [ "$status" != "$expected" ] || [ "$reported" != "$listed" ]; then
    echo "case $name: status $status (expected $expected), reported '$reported' (expected '$listed')"
    sed 's/^/    /' report.txt
    failures=1
  fi
done <<'EOF'
nothing allowed^# the game's allowed names\n^Dialog::SetDefaultOwner | owner\n^1^(anonymous namespace)::Hidden;Dialog::SetDefaultOwner;InstallHidden;OnlyTestsCall;SortedCopy;
all allowed^OnlyTestsCall | only the tests call it\nSortedCopy | kept for the tests\nInstallHidden | a hook\n(anonymous namespace)::Hidden | its target\nDialog::SetDefaultOwner | wired later\n^Dialog::SetDefaultOwner | owner\nDialog::Run | the loop\n^0^
inline platform name never made^OnlyTestsCall | a\nSortedCopy | b\nInstallHidden | c\n(anonymous namespace)::Hidden | d\n^Dialog::DefaultOwner | owner\n^1^Dialog::DefaultOwner;
platform unwatched^OnlyTestsCall | a\nSortedCopy | b\nInstallHidden | c\n(anonymous namespace)::Hidden | d\n^# none\n^0^
reason missing^OnlyTestsCall |\nSortedCopy | b\nInstallHidden | c\n(anonymous namespace)::Hidden | d\n^^1^OnlyTestsCall |;
reached name allowed^OnlyTestsCall | a\nSortedCopy | b\nInstallHidden | c\n(anonymous namespace)::Hidden | d\nReached | stale\nCPanel::Refresh | stale\n^^1^CPanel::Refresh;Reached;
misspelt platform name^OnlyTestsCall | a\nSortedCopy | b\nInstallHidden | c\n(anonymous namespace)::Hidden | d\nDialog::SetDefaultOwnr | wired later\n^Dialog::SetDefaultOwnr | owner\n^1^Dialog::SetDefaultOwnr;
EOF
# The inline copy kept by main, the standard library's sort and the platform's unwatched helper are
# never findings, whatever the case.
if grep -q 'Twice\|Step\|std::\|UnusedHelper' reports.txt; then
  echo "the report names an inline copy, a function inlined into its caller, a standard template or an unwatched platform function"
  failures=1
fi
exit "$failures"
