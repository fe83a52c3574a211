#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build-essential cmake libsfml-dev libx11-dev libcli11-dev nlohmann-json3-dev
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release \
    -DOSTREVALD_BUILD_TESTS=OFF -DOSTREVALD_BUILD_BENCHMARKS=OFF -DOSTREVALD_BUILD_TOOLS=OFF >/dev/null
cmake --build build-release --target ostrevald -j"$(nproc)"
# The checkout's own data, whatever copy of the game is installed elsewhere.
exec ./build-release/ostrevald --data-dir "$PWD/Assets" "$@"
