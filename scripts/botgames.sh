#!/usr/bin/env bash
# Plays many whole games with the player bot (normal build) and prints a summary: wins,
# defeats, levels reached, frames per game, slowest update and drawn frame, peak memory.
#   bash scripts/botgames.sh [FIRST_SEED] [COUNT] [DRAW_EVERY]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build-essential cmake libsfml-dev libx11-dev libcli11-dev libgtest-dev xvfb xauth libgl1-mesa-dri
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target botrun -j"$(nproc)"
xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp -noreset" ./build/botrun "${1:-1}" "${2:-200}" "${3:-0}" 2>/dev/null |
    grep -v -E '^(TileType:|[0-9 ]+$|Nombre|Index|Type|Le hero|[0-9]+ \| [0-9]+$)'
