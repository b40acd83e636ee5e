#!/usr/bin/env bash
# Takes the README's pictures of the game's windows on a private virtual display with a
# window manager, so the windows wear real frames. Not part of the tests.
#   tools/screenshots.sh [OUT_DIR]    (default: docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
bash scripts/deps.sh "${GAME_PACKAGES[@]}" xvfb openbox
out=$(realpath -m "${1:-docs/screenshots}")
mkdir -p "$out"
cmake -S . -B build-shots -G Ninja -DCMAKE_BUILD_TYPE=Release -DNP2_BUILD_TESTS=OFF -DNP2_BUILD_TOOLS=ON >/dev/null
cmake --build build-shots --target np2shots
. scripts/xvfb.sh
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; stop_xvfb; rm -rf "$work"' EXIT
cp data/NP2.DAT "$work/"
XVFB_SCREEN=1024x768x24 start_xvfb "$work/xvfb.log"
openbox >/dev/null 2>&1 &
sleep 1
build-shots/tools/np2shots "$work" game
rm -f "$work/NP2.INI"
build-shots/tools/np2shots "$work" surrender
cp "$work"/*.png "$out/"
echo "pictures in $out"
