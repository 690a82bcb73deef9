#!/usr/bin/env bash
# Configures and builds everything into build/ (the game lands in build/game/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
# Under CI (CI set and not "false") compiler warnings fail the build; a player's newer
# compiler may warn about more, so nowhere else.
WERROR=OFF
[ -n "${CI:-}" ] && [ "${CI}" != "false" ] && WERROR=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUNMARROW_WERROR=$WERROR >/dev/null
cmake --build build -j"$(nproc)"
