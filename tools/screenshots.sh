#!/bin/sh
# Walks the demo with each product on a virtual display and keeps the pictures of its login
# and game windows in docs/screenshots/, where the README shows them.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
mkdir -p "$root/docs/screenshots"
for flag in "" --tessmarkcorvane; do
  # shellcheck disable=SC2086
  env -u DISPLAY QUELLIX_SCREENSHOTS="$shots" "$root/tools/run-launcher.sh" $flag
done
for product in vantellis tessmarkcorvane; do
  for window in login main; do
    cp "$shots/$product-$window.png" "$root/docs/screenshots/$product-$window.png"
  done
done
echo "Screenshots written to $root/docs/screenshots"
