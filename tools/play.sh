#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
exec ./build/game/dunmarrow "$@"
