#!/bin/sh
# Installs what is missing, builds, and starts the Vantellis launcher.
# With a display (DISPLAY set) the launcher runs until the player closes it. Without one it
# runs on the platform's headless desktop, where nobody can close it, so it is stopped after
# QUELLIX_HEADLESS_SECONDS (default 10) and the script ends normally.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
launcher="$root/build/products/vantellis/Vantellis"

if [ -n "${DISPLAY:-}" ]; then
  exec "$launcher"
fi
seconds=${QUELLIX_HEADLESS_SECONDS:-10}
echo "No display: running Vantellis on the headless desktop for $seconds seconds."
status=0
timeout "$seconds" "$launcher" || status=$?
if [ "$status" -eq 124 ]; then
  echo "Vantellis was still running its login window; stopped."
  exit 0
fi
exit "$status"
