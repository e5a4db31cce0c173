#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need.
# Quick when everything is present: only dpkg is asked.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  libsdl2-dev libsdl2-mixer-dev libmpv-dev
  libgl-dev libgl1-mesa-dri
  libpng-dev libjpeg-dev zlib1g-dev liblzo2-dev
  libcairo2-dev libmp3lame-dev
)
# test: what the tests, fuzzers and benchmarks need (bench is the same list);
# python3 serves HTTP to the web download tests, curl is the benchmark's yardstick.
if [[ "${1:-}" == "test" || "${1:-}" == "bench" ]]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool ffmpeg clang libclang-rt-14-dev libx11-dev x11-xkb-utils
    python3 curl
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ "$(id -u)" != 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
