#!/usr/bin/env bash
# Rewrites the seed catalogs of tests/dungeon (see tests/dungeon/seed_catalog_test.cpp):
#   seed_catalog.txt   the floor and door layers that a few layout seeds build;
#   level_catalog.txt  whole Magic Dungeon levels (layout attempts, layers and objects)
#                      that a few seed bases build with the clock pinned.
#
# The catalogs exist so that a change in what a seed builds never slips in unnoticed:
# Magic Dungeon levels are rebuilt from their seeds, so every draw of the maze library,
# the layout generator and the content generator must stay in its order. Run this
# script ONLY when a change of the generators' output is intended, then look at the
# diff and commit the new catalogs together with the change that caused it.
#
# The levels need the shipped prefab table and the datafile the build makes, so the
# script builds the game's data as well.
#
# Usage: tools/rewrite-seed-catalog.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target test_dungeon game_datafile
DUNMARROW_REWRITE_SEED_CATALOG=1 "$build/tests/test_dungeon" --gtest_filter='SeedCatalog.*'
git --no-pager diff --stat -- tests/dungeon/seed_catalog.txt tests/dungeon/level_catalog.txt || true
git status --short -- tests/dungeon/level_catalog.txt
