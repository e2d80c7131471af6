#!/bin/sh
# Runs a command on a virtual X display of its own (Xvfb), with a window manager when one is
# installed, since maximising is the window manager's job. Ends with the command's status.
# Usage: virtual-display.sh COMMAND [ARGUMENTS...]
set -eu
if [ "${QUELLIX_VIRTUAL_DISPLAY:-}" != "inside" ]; then
  command -v xvfb-run >/dev/null || { echo "xvfb-run is not installed" >&2; exit 2; }
  export QUELLIX_VIRTUAL_DISPLAY=inside
  exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" "$0" "$@"
fi
wm=""
if command -v openbox >/dev/null; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  export QUELLIX_WINDOW_MANAGER=openbox
  # A window shown while openbox is still starting may never be managed.
  python3 "$(dirname "$0")/window_manager_ready.py" 60 ||
    echo "virtual-display.sh: the window manager did not answer within 60 s" >&2
fi
status=0
"$@" || status=$?
if [ -n "$wm" ]; then kill "$wm" 2>/dev/null || true; fi
exit "$status"
