#!/usr/bin/env bash
# Set-up, build, and the player on the demo game (build/demo, made by the build).
# Extra arguments go to the player: an optional stage or replay file to play.
# Headless: SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy BRINDLE4_CLOSE_AFTER_FRAMES=300 bash tools/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
cd build/demo
exec "$root/build/brindle4" "$@"
