#!/usr/bin/env bash
# Runs the real-window tests on the virtual X server that xvfb-run started, with openbox managing
# the windows (frames, stacking, focus on a click, as on a desktop), and ends openbox afterwards.
# Nothing can hang: the window manager gets 20 seconds to take the screen, the tests ten minutes.
# Usage: under-window-manager.sh TEST-PROGRAM [ARGUMENTS...]
set -uo pipefail

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
stop_wm() {
  if kill -0 "$wm" 2>/dev/null; then
    kill "$wm" 2>/dev/null
    wait "$wm" 2>/dev/null
  fi
}
trap stop_wm EXIT

# The window manager has taken the screen once the root names its check window.
ready=""
for _ in $(seq 200); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    ready=yes
    break
  fi
  kill -0 "$wm" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$ready" ]; then
  echo "FAIL: openbox did not take the virtual screen" >&2
  exit 1
fi

# The tests that measure the window manager's own work find it by this.
export KARTOVAN_WINDOW_MANAGER_PID=$wm
timeout --kill-after=10 600 "$@"
