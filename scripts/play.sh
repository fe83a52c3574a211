#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build-essential cmake libsfml-dev libx11-dev
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release \
    -DOSTREVALD_BUILD_TESTS=OFF -DOSTREVALD_BUILD_BENCHMARKS=OFF -DOSTREVALD_BUILD_TOOLS=OFF >/dev/null
cmake --build build-release --target ostrevald -j"$(nproc)"
exec ./build-release/ostrevald
