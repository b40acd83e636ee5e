#!/usr/bin/env bash
# Builds the game (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
bash scripts/deps.sh "${GAME_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DNP2_BUILD_TESTS=OFF >/dev/null
cmake --build build --target nurupika2
exec build/game/nurupika2
