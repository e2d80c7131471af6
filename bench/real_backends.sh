#!/bin/sh
# Measures the launcher on the GTK and WebKitGTK backends against a bare GTK window and a bare
# WebKitGTK window, on a virtual display of its own, and prints each figure's median and spread
# with a verdict per goal (see bench/README.md).
# Usage: bench/real_backends.sh [BUILD-DIR [RUNS]]   (default: build/, 10 runs)
# The build must have the real backends and its start pages on http://127.0.0.1:PORT/login.html
# (tools/setup.sh builds it so); the benchmark serves its own pages on that port.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-10}
for tool in xvfb-run xdotool python3; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
done
cmake --build "$build" --target first_frame_observer bare_gtk_window bare_webkit_window \
  bare_web_extension Vantellis >/dev/null
exec "$root/tests/e2e/virtual-display.sh" python3 "$root/bench/real_backends.py" "$build" "$runs"
