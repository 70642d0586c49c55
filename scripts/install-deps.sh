#!/usr/bin/env bash
# Installs every Debian 12 package qomvi needs to build, test and run.
# Idempotent: packages already present are left alone; the package index is
# refreshed once, and only when something is missing.
set -euo pipefail

packages=(
  # toolchain
  g++ make cmake ninja-build pkg-config
  # Qt 6: widgets, SQL with the SQLite driver, SVG, multimedia, print support, network
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-svg-dev qt6-multimedia-dev
  libqt6svg6 qt6-qpa-plugins
  # the counters' click: the MP3 decoder of the multimedia back end
  gstreamer1.0-plugins-good
  # JSON, HTTP server with TLS and compression
  nlohmann-json3-dev libcpp-httplib-dev libssl-dev zlib1g-dev libbrotli-dev libsqlite3-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # a display for GUI checks
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
