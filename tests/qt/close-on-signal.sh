#!/usr/bin/env bash
# The program started from a shell and sent SIGTERM (as a desktop session does at logout) closes as
# on a normal close: it ends within two seconds, with exit status 0, and its settings file is
# written. Usage: close-on-signal.sh PROGRAM (ctest passes the built kartovan-en).
set -uo pipefail
program=$1

source "$(dirname "$0")/fresh-home.sh"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# The process has ended (a zombie until we collect it, or gone).
ended() {
  local state
  state=$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null) || return 0
  [ -z "$state" ] || [ "$state" = Z ]
}
# The program catches SIGTERM: bit 15 (SIGTERM) of its caught-signals mask.
catches_term() {
  local mask
  mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null) || return 1
  [ -n "$mask" ] && (( (16#$mask >> 14) & 1 ))
}

"$program" >"$home/output.txt" 2>&1 &
pid=$!

# Step 1: wait (at most a minute, for a loaded machine) until the program has started far enough
# to take a signal as a close request.
deadline=$(( $(now_ms) + 60000 ))
until catches_term; do
  ended && fail "the program ended before it was sent SIGTERM"
  [ "$(now_ms)" -lt "$deadline" ] || fail "the program did not get ready within a minute"
  sleep 0.05
done
[ -e "$settings" ] && fail "the settings file was there before the close"

# Step 2: SIGTERM; the program must end within two seconds.
sent=$(now_ms)
kill -TERM "$pid"
until ended; do
  [ $(( $(now_ms) - sent )) -le 2000 ] || fail "the program still ran two seconds after SIGTERM"
  sleep 0.02
done
elapsed=$(( $(now_ms) - sent ))
wait "$pid"
status=$?
pid=""

# Step 3: a normal end, and the settings written by the close.
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM (0 expected)"
[ -s "$settings" ] || fail "no settings file at $settings after the close"
grep -q 'RectMain' "$settings" || fail "the settings file lacks the window's place the close writes"
echo "closed ${elapsed} ms after SIGTERM, exit status 0, settings written"
