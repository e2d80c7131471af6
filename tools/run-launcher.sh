#!/bin/sh
# Serves the demo site (demo/) on the loopback address, builds both launchers on the GTK and
# WebKitGTK backends with their start pages pointed at it (tools/setup.sh), and starts Vantellis, or
# TessmarkCorvane with --tessmarkcorvane.
# With a display (DISPLAY set) the launcher runs until the player closes it. Without one a
# virtual display is started, the demo is walked as a player would, and what the player would
# have seen is written to screenshots (QUELLIX_SCREENSHOTS, default build/screenshots).
# The demo site's port is QUELLIX_DEMO_PORT (default 8617).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

case "${1:-}" in
  "") product=vantellis program=products/vantellis/Vantellis ;;
  --tessmarkcorvane) product=tessmarkcorvane program=products/tessmarkcorvane/TessmarkCorvane ;;
  *) echo "usage: $0 [--tessmarkcorvane]" >&2; exit 2 ;;
esac
port=${QUELLIX_DEMO_PORT:-8617}
build="$root/build"
shots=${QUELLIX_SCREENSHOTS:-$build/screenshots}
site="http://127.0.0.1:$port/login.html"

# The setup builds both launchers with their start pages on the demo site at this port.
QUELLIX_DEMO_PORT=$port "$root/tools/setup.sh"

if [ -z "${DISPLAY:-}" ]; then
  echo "No display: walking the demo on a virtual one as a player would."
  status=0
  "$root/tests/e2e/virtual-display.sh" \
    python3 "$root/tests/e2e/player.py" "$build/$program" "$product" "$port" "$shots" ||
    status=$?
  echo "Screenshots of what the player saw: $shots"
  exit "$status"
fi

python3 "$root/demo/serve.py" "$port" &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT INT TERM
sleep 1  # a port in use ends the server at once, with its reason on standard error
kill -0 "$server" 2>/dev/null || exit 1
echo "Demo site: $site"
QUELLIX_BACKEND=real "$build/$program"
