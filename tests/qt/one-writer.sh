#!/usr/bin/env bash
# One program writes into a work folder, whichever edition. Two starts at once (both editions, and
# one edition twice) leave one program running, and its match list only ever grows; a second start
# hands its file to the running program and ends; a killed program leaves no lock that keeps the
# next start out, and the next start finds every game of the killed one; a start that cannot reach
# a hanging program says so, ends, and changes nothing of the folder; the language switch ends with
# the other edition running, with every game of the first.
# Runs on an X server with a window manager (ctest runs it under xvfb-run and openbox), so that
# keys reach the programs as a person's do.
# Usage: one-writer.sh KARTOVAN-EN KARTOVAN-GE
set -uo pipefail
en=$1
ge=$2
program=$en

source "$(dirname "$0")/fresh-home.sh"
export QT_QPA_PLATFORM=xcb
fail() {
  echo "FAIL: $*" >&2
  local output
  for output in "$home"/*.txt; do
    [ -f "$output" ] || continue
    echo "--- $(basename "$output"):" >&2
    cat "$output" >&2
  done
  if [ -f "$home/desk/Kartovan+.log" ]; then
    echo "--- the end of the trace:" >&2
    tail -40 "$home/desk/Kartovan+.log" >&2
  fi
  exit 1
}

work="$home/data/kartovan"
list="$work/cards~.skm"
started_pids=()
stop_started() {
  local p
  for p in "${started_pids[@]}"; do
    if kill -0 "$p" 2>/dev/null; then
      kill -KILL "$p" 2>/dev/null
      wait "$p" 2>/dev/null
    fi
  done
  cleanup
}
trap stop_started EXIT

# --- Programs ---------------------------------------------------------------------------------
# start NAME PROGRAM [ARGUMENTS]: starts it with its output in $home/NAME.txt; its pid in `started`.
start() {
  local name=$1
  shift
  "$@" >"$home/$name.txt" 2>&1 &
  started=$!
  started_pids+=("$started")
}
gone() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 0
  [ -z "$state" ] || [ "$state" = Z ]
}
running() { ! gone "$1"; }
# The program has passed its start: it takes SIGTERM as a close request.
ready() {
  local mask
  mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) || return 1
  [ -n "$mask" ] && (( (16#$mask >> 14) & 1 ))
}
# wait_for MS WHAT COMMAND...: until the command succeeds, at most MS milliseconds.
wait_for() {
  local limit=$1 what=$2
  shift 2
  local deadline=$(( $(now_ms) + limit ))
  until "$@"; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "$what (waited $limit ms)"
    sleep 0.05
  done
}
# collect PID: the ended program's exit status, in `status`.
collect() {
  wait "$1"
  status=$?
}
close_by_sigterm() {
  kill -TERM "$1"
  wait_for 30000 "the program $1 did not end after SIGTERM" gone "$1"
  collect "$1"
  [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM (0 expected)"
}
# The edition the language switch started: the program of this home given the switch's argument.
switched_to() {
  local pid
  for pid in $(pgrep -f -- "--language-switch"); do
    grep -qz "^HOME=$home\$" "/proc/$pid/environ" 2>/dev/null || continue
    tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q "/$(basename "$1") --language-switch" || continue
    echo "$pid"
    return 0
  done
  return 1
}

# --- Keys --------------------------------------------------------------------------------------
windows_of() { xdotool search --onlyvisible --pid "$1" --name 'Kartovan' 2>/dev/null; }
window_count() { windows_of "$1" | wc -l; }
has_window() { [ "$(window_count "$1")" -ge 1 ]; }
has_windows() { [ "$(window_count "$1")" -ge "$2" ]; }
shows_popup() { [ "$(xdotool search --onlyvisible --pid "$1" '' 2>/dev/null | wc -l)" -gt "$2" ]; }
# keys PID KEY: the key goes to the program's window that is in front.
keys() {
  wait_for 30000 "the program $1 shows no window" has_window "$1"
  xdotool windowactivate --sync "$(windows_of "$1" | tail -1)" >/dev/null 2>&1
  xdotool key --clearmodifiers "$2"
}
# menu PID BAR-KEY ITEM-KEY: opens a menu of the menu bar with Alt and takes one of its items.
menu() {
  local before
  wait_for 30000 "the program $1 shows no window" has_window "$1"
  before=$(xdotool search --onlyvisible --pid "$1" '' 2>/dev/null | wc -l)
  keys "$1" "alt+$2"
  wait_for 10000 "the menu did not open" shows_popup "$1" "$before"
  xdotool key --clearmodifiers "$3"
}

# --- The match list ----------------------------------------------------------------------------
# The list's game rows: the bytes between its header (352 bytes) and its settings trailer, which
# begins with the trailer's magic word.
rows_of() {
  local offset
  offset=$(LC_ALL=C grep -obUaP '\xDD\xCC\xBB\xAA' "$1" 2>/dev/null | head -1 | cut -d: -f1)
  [ -n "$offset" ] || return 1
  tail -c +353 "$1" | head -c $(( offset - 352 ))
}
games() {
  local bytes
  bytes=$(rows_of "$list" | wc -c) || bytes=0
  echo $(( bytes / 44 ))
}
has_games() { [ "$(games)" -ge "$1" ]; }
# keeps FILE: the rows of the list kept in FILE begin the list's rows now.
keeps() {
  local kept now
  kept=$(rows_of "$1" | od -An -v -tx1 | tr -d ' \n')
  now=$(rows_of "$list" | od -An -v -tx1 | tr -d ' \n')
  [ -n "$kept" ] && [ "${now:0:${#kept}}" = "$kept" ]
}
# Watches the list while the demonstration plays until it holds `target` games: it never loses one.
watch_growing() {
  local target=$1 last=0 count deadline=$(( $(now_ms) + 300000 ))
  while [ "$last" -lt "$target" ]; do
    count=$(games)
    [ "$count" -ge "$last" ] || fail "the list went from $last to $count games"
    last=$count
    [ "$(now_ms)" -lt "$deadline" ] || fail "the list holds $last games after five minutes ($target wanted)"
    sleep 0.1
  done
}
# play_two_games PROGRAM: starts it and lets it play a demonstration of two games; its pid in `first`.
play_two_games() {
  start first "$1"
  first=$started
  wait_for 60000 "the first program did not get ready" ready "$first"
  keys "$first" ctrl+n
  watch_growing 2
}
snapshot() { (cd "$home" && find data config -type f ! -name 'Kartovan+.log' -print0 | sort -z | xargs -0 md5sum); }

# --- A fresh work folder and settings: a quick demonstration, the trace on --------------------
fresh() {
  rm -rf "$home/data" "$home/config" "$home/desk"
  mkdir -p "$home/data" "$home/config/kartovan" "$home/desk"
  local key='[HKEY_CURRENT_USER\Software\Kartovan+\skat'
  cat >"$settings" <<REG
Windows Registry Editor Version 5.00

${key}\\Options]
"Demo"=dword:00000001

${key}\\Delay]
"Bid"=dword:00000000
"Answer"=dword:00000000
"Show"=dword:00000000
"Continue"=dword:00000000
"Demo"=dword:00000000
"Deal"=dword:00000000
"Play"=dword:00000000
"Order"=dword:00000000
"Swap"=dword:00000000
"Switch"=dword:00000000

${key}\\Paths]
"Desk"="$home/desk/"

${key}\\View]
"Log"=dword:00000001
"LogDelete"=dword:00000000
"LogList"=dword:00000000
REG
}

# Step 1: two starts at once, both editions and one edition twice: one runs, the other ends at
# once, having only brought the running one forward; the list of the one that runs only grows.
for pair in "en ge" "en en" "ge ge"; do
  set -- $pair
  first=${!1}
  second=${!2}
  fresh
  start a "$first"
  a=$started
  start b "$second"
  b=$started
  one_gone() { gone "$a" || gone "$b"; }
  wait_for 60000 "both of two programs started at once on one home still run ($pair)" one_gone
  if gone "$a"; then ended=$a runs=$b; else ended=$b runs=$a; fi
  collect "$ended"
  [ "$status" -eq 0 ] || fail "the second start ended with status $status ($pair)"
  wait_for 60000 "the program that runs did not get ready ($pair)" ready "$runs"
  keys "$runs" ctrl+n
  watch_growing 2
  running "$runs" || fail "the program that writes ended ($pair)"
  close_by_sigterm "$runs"
  echo "started together ($pair): one ended with status 0, the other's list grew to $(games) games without losing one"
done

# Step 2: a second start's file goes to the running program, which opens it; the start ends.
fresh
start first "$en"
first=$started
wait_for 60000 "the first program did not get ready" ready "$first"
wait_for 30000 "the first program shows no window" has_window "$first"
file="$home/Liga 2.skm"
start second "$ge" "$file"
second=$started
wait_for 30000 "the second start with a file did not end" gone "$second"
collect "$second"
[ "$status" -eq 0 ] || fail "the second start with a file ended with status $status"
opened() { grep -aq "OnCopyData($file)" "$home/desk/Kartovan+.log"; }
wait_for 10000 "the file did not reach the running program" opened
close_by_sigterm "$first"
echo "a second start handed its file to the running program and ended"

# Step 3: a killed program leaves no lock that keeps the next start out, and the next start finds
# every game of the killed one.
fresh
play_two_games "$en"
kill -KILL "$first"
wait "$first" 2>/dev/null
cp "$list" "$home/killed.skm"
[ -e "$work/kartovan.lock" ] || fail "the killed program left no lock file (the test needs one)"
start next "$ge"
next=$started
wait_for 60000 "the start after a killed program did not get ready" ready "$next"
keys "$next" ctrl+n
watch_growing $(( $(rows_of "$home/killed.skm" | wc -c) / 44 + 1 ))
keeps "$home/killed.skm" || fail "the games of the killed program are not all in the list"
echo "after a kill the next start took the folder over and kept the killed program's games"

# Step 4: a start that cannot reach the running program (it hangs) says so and ends; nothing of
# the folder or the settings changes.
kill -STOP "$next"
before=$(snapshot)
start blocked "$en"
blocked=$started
said() { grep -q "does not answer" "$home/blocked.txt"; }
wait_for 60000 "the start beside a hanging program did not say why it ends" said
running "$blocked" || fail "the start ended before the person saw its message"
# The message is answered with Enter (again, should the first one come before the box took keys;
# on a loaded machine the sanitized box can take many seconds to take its first key).
answer_deadline=$(( $(now_ms) + 120000 ))
while [ "$(now_ms)" -lt "$answer_deadline" ]; do
  gone "$blocked" && break
  keys "$blocked" Return
  deadline=$(( $(now_ms) + 3000 ))
  until gone "$blocked" || [ "$(now_ms)" -ge "$deadline" ]; do sleep 0.05; done
done
gone "$blocked" || fail "the start did not end once its message was answered"
collect "$blocked"
[ "$status" -eq 1 ] || fail "the refused start ended with status $status (1 expected)"
[ "$(snapshot)" = "$before" ] || fail "the refused start changed the folder's files"
kill -CONT "$next"
cp "$list" "$home/before-close.skm"
close_by_sigterm "$next"
keeps "$home/before-close.skm" || fail "the close lost games"
echo "a start beside a hanging program said so, ended with status 1 and changed nothing"

# Step 5: the language switch without a game under way: the other edition waits for this one to
# close, then takes the folder over.
fresh
start first "$en"
first=$started
wait_for 60000 "the first program did not get ready" ready "$first"
menu "$first" l g
wait_for 30000 "the switched edition did not close" gone "$first"
collect "$first"
[ "$status" -eq 0 ] || fail "the switched edition ended with status $status"
wait_for 10000 "the German edition did not start" switched_to "$ge"
other=$(switched_to "$ge")
started_pids+=("$other")
# Not our child: readiness and the end are read from /proc.
wait_for 60000 "the German edition did not take the folder over" ready "$other"
echo "the language switch without a game ended with the German edition running"

# Step 6: the language switch after a match of games: the English edition closes, and the German
# one takes over with every game and goes on writing after them.
kill -TERM "$other"
wait_for 30000 "the German edition did not end after SIGTERM" gone "$other"
fresh
play_two_games "$en"
close_by_sigterm "$first"
start first "$en"
first=$started
wait_for 60000 "the first program did not get ready again" ready "$first"
menu "$first" l g
wait_for 30000 "the English edition did not close on the switch" gone "$first"
collect "$first"
[ "$status" -eq 0 ] || fail "the switched edition ended with status $status"
cp "$list" "$home/switched.skm"
wait_for 10000 "the German edition did not start" switched_to "$ge"
last=$(switched_to "$ge")
started_pids+=("$last")
wait_for 60000 "the German edition did not take the folder over" ready "$last"
keeps "$home/switched.skm" || fail "the switch lost games"
keys "$last" ctrl+n
watch_growing $(( $(rows_of "$home/switched.skm" | wc -c) / 44 + 1 ))
keeps "$home/switched.skm" || fail "the German edition wrote over the English edition's games"
kill -TERM "$last"
wait_for 30000 "the German edition did not end after SIGTERM" gone "$last"
echo "the language switch after a match ended with the German edition and every game"
