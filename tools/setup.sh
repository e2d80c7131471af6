#!/bin/sh
# Installs the Debian packages that are missing, then configures and builds everything into
# build/. Meant for a fresh Debian machine, run as root; running it again only rebuilds.
# Packages given as arguments are installed too, for callers that need more than the build.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

packages="cmake ninja-build g++ pkg-config zip
  libgtest-dev libgmock-dev libbenchmark-dev
  libzip-dev libpugixml-dev libcairo2-dev libpango1.0-dev fonts-noto-cjk $*"

missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build"
