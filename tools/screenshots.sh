#!/bin/sh
# Walks the demo with each product on a virtual display and keeps the pictures of its login
# and game windows in docs/screenshots/, where the README shows them.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
mkdir -p "$root/docs/screenshots"
status=0
for flag in "" --tessmarkcorvane; do
  # shellcheck disable=SC2086
  env -u DISPLAY QUELLIX_SCREENSHOTS="$shots" "$root/tools/run-launcher.sh" $flag || status=$?
done
# A step that failed late in a walk leaves the two windows' pictures good.
for product in vantellis tessmarkcorvane; do
  for window in login main; do
    if [ -f "$shots/$product-$window.png" ]; then
      cp "$shots/$product-$window.png" "$root/docs/screenshots/$product-$window.png"
    else
      echo "No picture of the $product $window window" >&2
      status=1
    fi
  done
done
echo "Screenshots written to $root/docs/screenshots"
exit "$status"
