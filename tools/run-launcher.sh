#!/bin/sh
# Installs what is missing, builds, and starts the Vantellis launcher.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
exec "$root/build/products/vantellis/Vantellis"
