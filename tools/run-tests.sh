#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
ctest --test-dir "$root/build" --output-on-failure -j8 --timeout 300 --repeat until-pass:2
