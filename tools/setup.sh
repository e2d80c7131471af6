#!/bin/sh
# Installs the Debian packages that are missing, then configures and builds everything into
# build/: both launchers on the GTK and WebKitGTK backends with their start pages on the demo
# site (port QUELLIX_DEMO_PORT, default 8617), the tests and the benchmarks. Meant for a fresh
# Debian machine, run as root; running it again only rebuilds.
# Packages given as arguments are installed too, for callers that need more than the build.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

packages="cmake ninja-build g++ pkg-config zip
  libgtest-dev libgmock-dev libbenchmark-dev
  libzip-dev libpugixml-dev libcairo2-dev libpango1.0-dev fonts-noto-cjk
  libgtk-3-dev libwebkit2gtk-4.1-dev
  xvfb xauth xdotool x11-utils scrot openbox python3 $*"

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

port=${QUELLIX_DEMO_PORT:-8617}
site="http://127.0.0.1:$port/login.html"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUELLIX_REAL_BACKENDS=ON -DQUELLIX_E2E_PORT="$port" \
  -DQUELLIX_VANTELLIS_START_PAGE="$site" -DQUELLIX_TESSMARKCORVANE_START_PAGE="$site" >/dev/null
cmake --build "$root/build"
