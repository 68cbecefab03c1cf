#!/usr/bin/env bash
# The program started with settings that name named pipes, a device and a folder where it expects
# files (a portrait shown on the table, the trace log with tracing on, the work folder's sounds):
# nothing of them holds it up. It gets ready, closes on SIGTERM with exit status
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

# Step 1: the program gets ready to take a signal as a close request.
start_until_ready
# Give the first paint and the log window their time to look at the paths.
sleep 1
ended && fail "the program ended before it was sent SIGTERM"

# Step 2: SIGTERM ends it, normally, with its settings written.
close_by_sigterm
[ -p "$home/portrait.bmp" ] && [ -p "$home/desk/Kartovan+.log" ] || fail "a named pipe was replaced"
echo "closed ${elapsed} ms after SIGTERM, exit status 0, settings written, pipes left as they were"
