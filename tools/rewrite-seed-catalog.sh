#!/usr/bin/env bash
# Rewrites tests/dungeon/seed_catalog.txt, the floor and door layers that a few seeds
# build (see tests/dungeon/seed_catalog_test.cpp).
#
# The catalog exists so that a change in what a seed builds never slips in unnoticed:
# Magic Dungeon levels are rebuilt from their seeds, so every draw of the maze library
# and the layout generator must stay in its order. Run this script ONLY when a change
# of the generator's output is intended, then look at the diff and commit the new
# catalog together with the change that caused it.
#
# Usage: tools/rewrite-seed-catalog.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target test_dungeon
DUNMARROW_REWRITE_SEED_CATALOG=1 "$build/tests/test_dungeon" --gtest_filter='SeedCatalog.*'
git --no-pager diff --stat -- tests/dungeon/seed_catalog.txt || true
