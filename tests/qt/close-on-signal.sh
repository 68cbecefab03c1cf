#!/usr/bin/env bash
# The program started from a shell and sent SIGTERM (as a desktop session does at logout) closes as
# on a normal close: it ends promptly (see fresh-home.sh), with exit status 0, and its settings file is
# written. Usage: close-on-signal.sh PROGRAM (ctest passes the built kartovan-en).
set -uo pipefail
program=$1

source "$(dirname "$0")/fresh-home.sh"

# Step 1: the program gets ready to take a signal as a close request.
start_until_ready
[ -e "$settings" ] && fail "the settings file was there before the close"

# Step 2: SIGTERM ends it, normally, with its settings written.
close_by_sigterm
echo "closed ${elapsed} ms after SIGTERM, exit status 0, settings written"
