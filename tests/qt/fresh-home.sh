# A fresh home for one run of the built program (no settings, no running instance, no sound device)
# and the steps of starting it and closing it by SIGTERM. Sourced by the scripts that start the
# program, which set `program`; the program's process id is kept in `pid`, the settings file it
# writes is `$settings`, and at exit the program is killed and the home removed.
home=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  rm -rf "$home"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  if [ -f "$home/output.txt" ]; then
    echo "--- the program's output:" >&2
    cat "$home/output.txt" >&2
  fi
  exit 1
}

# A fresh home: no settings, no running instance, no sound device.
mkdir -p "$home/config" "$home/data" "$home/runtime" "$home/tmp"
chmod 700 "$home/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
       XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
settings="$home/config/kartovan/registry.reg"

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

# Starts the program and waits (at most a minute, for a loaded machine) until it has started far
# enough to take a signal as a close request.
start_until_ready() {
  "$program" >"$home/output.txt" 2>&1 &
  pid=$!
  local deadline=$(( $(now_ms) + 60000 ))
  until catches_term; do
    ended && fail "the program ended before it was sent SIGTERM"
    [ "$(now_ms)" -lt "$deadline" ] || fail "the program did not get ready within a minute"
    sleep 0.05
  done
}

# Sends SIGTERM: the program must end, with exit status 0 and the settings the close writes. An idle
# machine sees it end in well under a second; the limit of 20 s only tells a close that hangs from a
# sanitized build on a machine busy with other builds, which took over two seconds. Leaves the
# milliseconds it took in `elapsed`.
close_by_sigterm() {
  local sent status
  sent=$(now_ms)
  kill -TERM "$pid"
  until ended; do
    [ $(( $(now_ms) - sent )) -le 20000 ] || fail "the program still ran 20 seconds after SIGTERM"
    sleep 0.02
  done
  elapsed=$(( $(now_ms) - sent ))
  wait "$pid"
  status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM (0 expected)"
  [ -s "$settings" ] || fail "no settings file at $settings after the close"
  grep -q 'RectMain' "$settings" || fail "the settings file lacks the window's place the close writes"
}
