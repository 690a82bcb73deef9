// How long the movement and sight rules take: a path search across the whole board
// (open, and through rooms, doors and pieces), a flood without a goal (the reach
// reveal does one per unreached object), one step test, and a reveal from one tile,
// both of a room already seen and of a fresh one (rays plus drawing).
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/sin_table.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "rules/doors.h"
#include "rules/line_of_sight.h"
#include "rules/movement.h"
#include "rules/play_state.h"

namespace {

void Prepare() {
  static bool ready = false;
  if (ready) return;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  set_color_conversion(COLORCONV_TOTAL);
  SetDefaultGameOptions();
  GameOptions.developer = 0;
  MakeInterfaceColors(GameOptions.background, GameOptions.highlite);
  CreateRenderBitmaps(800, 600);
  FillSinTable();
  // Run from the build folder, or name the program folder in DUNMARROW_GAME_DIR.
  const char* dir = std::getenv("DUNMARROW_GAME_DIR");
  std::string path = std::string(dir ? dir : "game") + "/Dunmar.dat";
  if (!LoadGameData(path.c_str())) fprintf(stderr, "%s not found: drawing bare tiles\n", path.c_str());
  ready = true;
}

void Piece(int slot, int x, int y, int side) {
  ObjectRecord& o = ObjectTable[slot];
  o.name[0] = 'A';
  o.name[1] = 0;
  o.side = static_cast<int8_t>(side);
  o.picture[kPicNumber] = 1 + slot % 10;
  o.picture[kPicOffsetX] = 2;
  o.picture[kPicOffsetY] = 2;
  ObjectMap[x][y] = static_cast<uint8_t>(slot);
}

// One open room over the whole board, the mover in the top-left corner.
void OpenBoard() {
  Prepare();
  ResetQuest(true);
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) VisibilityMap[x][y] = 1;
  Piece(1, 0, 0, kSideHero);
  CurrentObject = 1;
}

// Rooms of 6 x 5 tiles with open, locked and hidden doors between them, and a monster
// or a chest in most rooms.
void RoomsBoard() {
  OpenBoard();
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = static_cast<uint8_t>(1 + (x / 6 + 5 * (y / 5)) % 20);
  static const int kKinds[4] = {kDoorOpen, kDoorHidden, kDoorOpen, kDoorRed};
  int k = 0;
  for (int x = 6; x < kBoardW; x += 6)
    for (int y = 2; y < kBoardH; y += 5) DoorMap[x][y] = static_cast<uint8_t>(kKinds[k++ % 4]);
  for (int y = 5; y < kBoardH; y += 5)
    for (int x = 3; x < kBoardW; x += 6) DoorMap[x][y] = static_cast<uint8_t>(kKinds[k++ % 4] << 4);
  int slot = 2;
  for (int x = 4; x < kBoardW; x += 6)
    for (int y = 3; y < kBoardH; y += 5, slot++)
      Piece(slot, x, y, slot % 3 == 0 ? kSideStatic : kSideGreenskin);
}

void BM_FindPathAcrossOpenBoard(benchmark::State& state) {
  OpenBoard();
  for (auto _ : state) benchmark::DoNotOptimize(FindPath(0, 0, 25, 18, 1, 0, 0, 0));
  state.counters["PathLength"] = PathLength;
}
BENCHMARK(BM_FindPathAcrossOpenBoard)->Unit(benchmark::kMicrosecond);

void BM_FindPathAcrossRooms(benchmark::State& state) {
  RoomsBoard();
  for (auto _ : state) benchmark::DoNotOptimize(FindPath(0, 0, 24, 17, 1, 0, 0, 0));
  state.counters["PathLength"] = PathLength;
}
BENCHMARK(BM_FindPathAcrossRooms)->Unit(benchmark::kMicrosecond);

void BM_FloodWithoutGoal(benchmark::State& state) {
  OpenBoard();
  for (auto _ : state) benchmark::DoNotOptimize(FindPath(0, 0, kBoardW, 0, 0, 0, 0, 0));
}
BENCHMARK(BM_FloodWithoutGoal)->Unit(benchmark::kMicrosecond);

void BM_StepBlocked(benchmark::State& state) {
  RoomsBoard();
  for (auto _ : state) benchmark::DoNotOptimize(StepBlocked(3, 3, 4, 3, 1, 0, 0, 1));
}
BENCHMARK(BM_StepBlocked);

void BM_RevealFromSeenRoom(benchmark::State& state) {
  RoomsBoard();
  RevealFrom(12, 12);
  for (auto _ : state) RevealFrom(12, 12);
}
BENCHMARK(BM_RevealFromSeenRoom)->Unit(benchmark::kMicrosecond);

void BM_RevealFromOpenBoard(benchmark::State& state) {
  OpenBoard();
  RevealFrom(12, 9);
  for (auto _ : state) RevealFrom(12, 9);
}
BENCHMARK(BM_RevealFromOpenBoard)->Unit(benchmark::kMicrosecond);

void BM_RevealFreshRoom(benchmark::State& state) {
  RoomsBoard();
  for (auto _ : state) {
    memset(VisibilityMap, 0, sizeof VisibilityMap);
    RevealFrom(12, 12);
  }
}
BENCHMARK(BM_RevealFreshRoom)->Unit(benchmark::kMicrosecond);

}  // namespace
