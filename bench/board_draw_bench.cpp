// How long the board pictures take: one tile, one object, the whole board (a quest start
// or a reload) and the composition of the screen from the pictures, with the built
// datafile's floors and figures at 32 bits.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"

namespace {

void Prepare() {
  static bool ready = false;
  if (ready) return;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  set_color_conversion(COLORCONV_TOTAL);
  SetDefaultGameOptions();
  MakeInterfaceColors(GameOptions.background, GameOptions.highlite);
  CreateRenderBitmaps(800, 600);
  // Run from the build folder, or name the program folder in DUNMARROW_GAME_DIR.
  const char* dir = std::getenv("DUNMARROW_GAME_DIR");
  std::string path = std::string(dir ? dir : "game") + "/Dunmar.dat";
  if (!LoadGameData(path.c_str())) fprintf(stderr, "%s not found: drawing bare tiles\n", path.c_str());
  ResetQuest(true);
  // Rooms of several floors and a figure in every fourth tile.
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = static_cast<uint8_t>(1 + (x / 6 + y / 5) % 8);
  int slot = 1;
  for (int x = 1; x < kBoardW; x += 4)
    for (int y = 1; y < kBoardH; y += 4) {
      ObjectTable[slot].name[0] = 'A';
      ObjectTable[slot].side = 3;
      ObjectTable[slot].picture[kPicNumber] = 11 + slot % 10;
      ObjectTable[slot].picture[kPicOffsetX] = 2;
      ObjectTable[slot].picture[kPicOffsetY] = 2;
      ObjectTable[slot].picture[kPicShadow] = 2;
      ObjectMap[x][y] = static_cast<uint8_t>(slot++);
    }
  ready = true;
}

void BM_DrawTile(benchmark::State& state) {
  Prepare();
  for (auto _ : state) DrawTile(7, 7, 0);
}
BENCHMARK(BM_DrawTile);

void BM_DrawObject(benchmark::State& state) {
  Prepare();
  for (auto _ : state) DrawObject(5, 5, 0);
}
BENCHMARK(BM_DrawObject);

void BM_DrawWholeBoard(benchmark::State& state) {
  Prepare();
  for (auto _ : state) DrawWholeBoard();
}
BENCHMARK(BM_DrawWholeBoard)->Unit(benchmark::kMillisecond);

void BM_ComposeScreen(benchmark::State& state) {
  Prepare();
  ViewMode = static_cast<int>(state.range(0));
  for (auto _ : state) DrawScreen(1, 1, 1, 1);
  ViewMode = 1;
}
BENCHMARK(BM_ComposeScreen)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
