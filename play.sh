#!/usr/bin/env bash
# Builds a release build and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENDRIL_BUILD_TESTS=OFF -DVENDRIL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
exec "$build/game/granzel" "$@"
