// How long one random dungeon layout takes on the standard 26 x 19 board: the maze,
// the rooms, the doors and the finishing passes over the board layers.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include "core/game_options.h"
#include "dungeon/board_access.h"
#include "dungeon/dungeon_layout.h"
#include "dungeon/outdoors_layout.h"
#include "quest/quest_model.h"

namespace {

void Prepare() {
  static bool ready = false;
  if (ready) return;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  SetDefaultGameOptions();
  ResetQuest(true);
  ready = true;
}

void BM_GenerateDungeonLayout(benchmark::State& state) {
  Prepare();
  int seed = 1;
  for (auto _ : state) {
    ResetQuest(false);
    generateDungeonLayout(seed++);
    benchmark::DoNotOptimize(FloorMap[0][0]);
  }
}
BENCHMARK(BM_GenerateDungeonLayout);

void BM_GenerateOutdoorsLayout(benchmark::State& state) {
  Prepare();
  int seed = 1;
  for (auto _ : state) {
    ResetQuest(false);
    generateOutdoorsLayout(seed++);
    benchmark::DoNotOptimize(FloorMap[0][0]);
  }
}
BENCHMARK(BM_GenerateOutdoorsLayout);

}  // namespace
