#!/bin/sh
# Installs what is missing, builds, and runs every check: the whole test suite (headless
# backends, the GTK desktop and WebKitGTK engine, and both launchers played on a virtual
# display), the suite again under AddressSanitizer with UndefinedBehaviorSanitizer, and each
# fuzz target for a short fixed time from a fixed seed. Every step runs even when an earlier
# one failed; the script ends non-zero if any did.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)

failed=""
step() {
  name=$1
  shift
  echo "== $name"
  start=$(date +%s)
  "$@" || failed="$failed $name"
  echo "== $name: $(($(date +%s) - start)) s"
}

"$root/tools/setup.sh" clang libclang-rt-14-dev || exit 1
# Tests on a virtual display still meet the window manager's own timing under load now and
# then, so a failing test there is run once more before it counts.
step tests ctest --test-dir "$root/build" --output-on-failure -j8 --timeout 300 \
  --repeat until-pass:2
step asan "$root/tools/sanitize.sh" asan
step fuzz "$root/tests/fuzz/run.sh"

if [ -n "$failed" ]; then
  echo "Failed:$failed"
  exit 1
fi
echo "All checks passed."
