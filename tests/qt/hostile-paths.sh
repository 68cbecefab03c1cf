#!/usr/bin/env bash
# The program started with settings that name named pipes, a device and a folder where it expects
# files (a portrait shown on the table, the trace log with tracing on, the work folder's sounds):
# nothing of them holds it up. It gets ready, closes on SIGTERM within two seconds with exit status
# 0 and writes its settings. Usage: hostile-paths.sh PROGRAM (ctest passes the built kartovan-en).
set -uo pipefail
program=$1

source "$(dirname "$0")/fresh-home.sh"

# The places the settings name: pipes nobody writes to, a device, a folder, a link to a pipe.
mkdir -p "$home/config/kartovan" "$home/desk" "$home/folder.bmp"
mkfifo "$home/portrait.bmp" "$home/desk/Kartovan+.log"
ln -s "$home/portrait.bmp" "$home/link.bmp"
key='[HKEY_CURRENT_USER\Software\Kartovan+\skat'
cat >"$settings" <<REG
Windows Registry Editor Version 5.00

${key}\\Image]
"ImageComputer1"="$home/portrait.bmp"
"ImageComputer2"="/dev/zero"
"ImagePerson1"="$home/folder.bmp"
"ImagePerson2"="$home/link.bmp"
"ShowComputer1"=dword:00000001
"ShowComputer2"=dword:00000001
"ShowPerson1"=dword:00000001
"ShowPerson2"=dword:00000001

${key}\\Paths]
"Desk"="$home/desk/"

${key}\\View]
"Log"=dword:00000001
"LogDelete"=dword:00000000
"LogList"=dword:00000001
REG
before=$(stat -c %Y "$settings")

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
# Give the first paint and the log window their time to look at the paths.
sleep 1
ended && fail "the program ended before it was sent SIGTERM"

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
[ -p "$home/portrait.bmp" ] && [ -p "$home/desk/Kartovan+.log" ] || fail "a named pipe was replaced"
echo "closed ${elapsed} ms after SIGTERM, exit status 0, settings written, pipes left as they were"
