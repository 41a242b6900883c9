#!/usr/bin/env bash
# Builds Velmora and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/dependencies.sh
ensure_packages "${BUILD_PACKAGES[@]}"

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target velmora velmora-gen
exec "$build/app/velmora" "$@"
