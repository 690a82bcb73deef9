#!/usr/bin/env bash
# Sets up, builds and runs every test (unit tests headless, end-to-end tests in Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
