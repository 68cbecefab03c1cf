# A fresh home for one run of the program: no settings, no running instance, no sound device; the
# program is killed and the home removed at exit, and fail() shows the program's output. Sourced by
# the scripts that start the built program, which keep its process id in `pid`; the settings file the
# program writes is `$settings`.
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
