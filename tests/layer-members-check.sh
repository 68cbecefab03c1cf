#!/usr/bin/env bash
# The check of where the bottom layers' members are defined (scripts/check-layer-members.sh) on three
# small libraries of its own: a model class, a computer class and the layers above. Each case places
# one more definition and gives the finding the check must print ("" when it must pass).
set -euo pipefail
export LC_ALL=C
script="$(cd "$(dirname "$0")/.." && pwd)/scripts/check-layer-members.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > Classes.h <<'EOF'
struct CTrick { void Reset(); void Count(); };
struct CPlayer { void Discard(); void UpdateTrumpFlag(); int PlayGrandSoloistLead(); };
struct CEstimator { int Estimate(); int Explain(); };
struct CMainFrame { void OnDeal(); };
EOF
# library NAME SOURCE: the library of one layer from one source. A source an earlier case built is
# not compiled again: the cases share the libraries they have in common.
mkdir built
library() {
  local kept
  kept="built/$1-$(printf '%s' "$2" | cksum | cut -d' ' -f1).a"
  if [ ! -f "$kept" ]; then
    printf '#include "Classes.h"\n%s\n' "$2" > "$1.cpp"
    c++ -c -o "$1.o" "$1.cpp"
    rm -f "$kept"; ar rcs "$kept" "$1.o"
  fi
  cp "$kept" "$1.a"
}
base_model='void CTrick::Reset() {} void CPlayer::Discard() {}'
base_computer='int CEstimator::Estimate() { return 1; }'
base_upper='void CMainFrame::OnDeal() {}'

failures=0
cases=(
  '|||'
  '|int CPlayer::PlayGrandSoloistLead() { return 2; }||'
  '||void CPlayer::UpdateTrumpFlag() {}|a layer above defines CPlayer::UpdateTrumpFlag() of the model'"'"'s class CPlayer'
  '||int CEstimator::Explain() { return 3; }|a layer above defines CEstimator::Explain() of the computer'"'"'s class CEstimator'
  '|void CTrick::Count() {}||the computer player defines CTrick::Count() of the model'"'"'s class CTrick'
  'void CPlayer::UpdateTrumpFlag() {}|||'
)
for entry in "${cases[@]}"; do
  IFS='|' read -r model computer upper expected <<< "$entry"
  library libkartovan_model "$base_model $model"
  library libkartovan_computer "$base_computer $computer"
  library libkartovan "$base_upper $upper"
  status=0
  report=$(bash "$script" "$work") || status=$?
  findings=$(printf '%s\n' "$report" | sed -n 's/^  //p')
  if [ -z "$expected" ]; then
    [ "$status" -eq 0 ] || { echo "FAILED: [$entry] fails: $report"; failures=$((failures + 1)); }
  elif [ "$status" -eq 0 ] || [ "$findings" != "$expected" ]; then
    echo "FAILED: [$entry] reports \"$findings\" (status $status)"; failures=$((failures + 1))
  fi
done
if [ "$failures" -gt 0 ]; then exit 1; fi
echo "The layer members check finds every member defined above its class's layer."
