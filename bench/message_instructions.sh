#!/bin/sh
# Counts with callgrind the instructions one page message costs in the web process and in the UI
# process, for the launcher and for the bare web extension, on a virtual display of its own.
# Usage: bench/message_instructions.sh [BUILD-DIR]   (a build as real_backends.sh needs)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
for tool in valgrind callgrind_annotate xvfb-run xdotool python3; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
done
cmake --build "$build" --target bare_webkit_window bare_web_extension Vantellis >/dev/null
exec "$root/tests/e2e/virtual-display.sh" python3 "$root/bench/message_instructions.py" "$build"
