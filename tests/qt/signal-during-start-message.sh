#!/usr/bin/env bash
# The program sent SIGTERM while its start shows a message (a damaged match list, game file or
# stored deals named) ends as on a close by signal: the message is answered as by Esc, and the
# program ends within ten seconds with exit status 0. So it does with a work folder it cannot write
# into, where the close the signal starts cannot store the files either: that failure goes to the
# trace, as nobody is there to answer a message.
# Usage: signal-during-start-message.sh PROGRAM (ctest passes the built kartovan-en).
set -uo pipefail
program=$1

run_case() {
  local what=$1
  (
    source "$(dirname "$0")/fresh-home.sh"
    # The trace on, into a folder of its own: its start line tells that the start has begun.
    mkdir -p "$home/config/kartovan" "$home/desk" "$home/data/kartovan"
    key='[HKEY_CURRENT_USER\Software\Kartovan+\skat'
    cat >"$settings" <<REG
Windows Registry Editor Version 5.00

${key}\\Paths]
"Desk"="$home/desk/"

${key}\\View]
"Log"=dword:00000001
"LogDelete"=dword:00000000
REG
    work="$home/data/kartovan"
    case "$what" in
      list) head -c 100 /dev/zero | tr '\0' 'A' >"$work/cards~.skm" ;;
      game) head -c 128 /dev/zero | tr '\0' '\377' >"$work/cards~.skt" ;;
      deals) head -c 50 /dev/zero | tr '\0' 'B' >"$work/cards~.sks" ;;
      home)
        # The work folder's place is taken by a file: nothing can be written there.
        rm -rf "$work"
        echo x >"$work"
        ;;
    esac
    log="$home/desk/Kartovan+.log"

    "$program" >"$home/output.txt" 2>&1 &
    pid=$!
    # The start has reached the table's start-up, where the messages come.
    deadline=$(( $(now_ms) + 60000 ))
    until [ -f "$log" ] && grep -q ':Startup(' "$log"; do
      ended && fail "$what: the program ended before it was sent SIGTERM"
      [ "$(now_ms)" -lt "$deadline" ] || fail "$what: the start did not reach the table within a minute"
      sleep 0.05
    done
    sent=$(now_ms)
    kill -TERM "$pid"
    until ended; do
      [ $(( $(now_ms) - sent )) -le 10000 ] || fail "$what: the program still ran ten seconds after SIGTERM"
      sleep 0.05
    done
    wait "$pid"
    status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "$what: exit status $status after SIGTERM (0 expected)"
    echo "$what: ended $(( $(now_ms) - sent )) ms after SIGTERM, exit status 0"
  ) || exit 1
}

for what in list game deals home; do
  run_case "$what"
done
