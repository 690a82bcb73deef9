// How long a monster's turn computes, its pauses left out (the platform never waits):
// the target choice over four heroes, the walk along the shortest path and the attack.
// Without the screen pictures the drawing calls return at once, so the figure is the
// rules' own work; the "Drawn" variants add the board pictures with the built datafile.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "core/random.h"
#include "core/silent_platform.h"
#include "quest/quest_model.h"
#include "render/render_bitmaps.h"
#include "rules/doors.h"
#include "rules/monster_turn.h"
#include "rules/play_state.h"

namespace {

constexpr int kMonster = 9;
constexpr int kMonsterX = 2, kMonsterY = 2;

SilentPlatform gSilent;
uint8_t gObjectMap[kLayerW][kLayerH];
ObjectRecord gObjects[kMaxObjects];

void Piece(int slot, int x, int y, int side, int walk) {
  ObjectRecord& o = ObjectTable[slot];
  ClearObject(o);
  snprintf(o.name, sizeof o.name, side == kSideHero ? "Hero%d" : "Orc%d", slot);
  o.side = static_cast<int8_t>(side);
  o.attribute[kWalkBase] = o.attribute[kWalk] = static_cast<int8_t>(walk);
  o.attribute[kOffBase] = o.attribute[kOff] = 3;
  o.attribute[kDefBase] = o.attribute[kDef] = 2;
  o.attribute[kLifeMax] = o.attribute[kLife] = 20;
  o.attribute[kMindMax] = o.attribute[kMind] = 3;
  o.picture[kPicNumber] = side == kSideHero ? 1 + slot : 11 + slot % 10;
  o.picture[kPicOffsetX] = o.picture[kPicOffsetY] = 2;
  ObjectMap[x][y] = static_cast<uint8_t>(slot);
}

// Four rooms joined by open doors, all of it revealed: four heroes in the rooms to the
// right and below, a band of monsters in the first room, tables here and there.
void BuildBoard() {
  ResetQuest(true);
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) {
      FloorMap[x][y] = static_cast<uint8_t>(2 + (x >= 13) + 2 * (y >= 9));
      VisibilityMap[x][y] = 1;
    }
  for (int y : {4, 14}) DoorMap[13][y] = kDoorOpen;        // west edges of column 13
  for (int x : {6, 19}) DoorMap[x][9] = kDoorOpen << 4;    // north edges of row 9
  Piece(1, 16, 3, kSideHero, 8);
  Piece(2, 20, 12, kSideHero, 8);
  Piece(3, 5, 13, kSideHero, 8);
  Piece(4, 7, 5, kSideHero, 8);
  Piece(kMonster, kMonsterX, kMonsterY, kSideGreenskin, 8);
  for (int i = 0; i < 6; i++) Piece(10 + i, 1 + i, 0, kSideUndead, 6);
  for (int i = 0; i < 4; i++) Piece(20 + i, 15 + 2 * i, 7, kSideStatic, 0);
  memcpy(gObjectMap, ObjectMap, sizeof ObjectMap);
  memcpy(gObjects, ObjectTable, sizeof ObjectTable);
}

void Prepare(bool pictures) {
  static bool ready = false;
  if (!ready) {
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(32);
    set_color_conversion(COLORCONV_TOTAL);
    SetPlatform(&gSilent);
    SetDefaultGameOptions();
    GameOptions.sound = 0;
    MakeInterfaceColors(GameOptions.background, GameOptions.highlite);
    const char* dir = std::getenv("DUNMARROW_GAME_DIR");
    std::string path = std::string(dir ? dir : "game") + "/Dunmar.dat";
    if (!LoadGameData(path.c_str())) fprintf(stderr, "%s not found: bare pictures\n", path.c_str());
    ready = true;
  }
  if (pictures && !BoardBitmap) CreateRenderBitmaps(800, 600);
  if (!pictures && BoardBitmap) DestroyRenderBitmaps();
  BuildBoard();
}

// The monster's turn from the same start every time; walk 6 stops short of the nearest
// hero (7 steps away), walk 8 reaches him and attacks.
void RunTurns(benchmark::State& state, bool pictures) {
  Prepare(pictures);
  const int walk = static_cast<int>(state.range(0));
  for (auto _ : state) {
    memcpy(ObjectMap, gObjectMap, sizeof ObjectMap);
    ObjectTable[4] = gObjects[4];
    ObjectTable[kMonster] = gObjects[kMonster];
    ObjectTable[kMonster].attribute[kWalk] = static_cast<int8_t>(walk);
    CurrentObject = kMonster;
    SeedRandom(7);
    MonsterTurn(kMonsterX, kMonsterY);
  }
  state.counters["advanced"] = LastMonsterTurn.advanced;
  state.counters["attacked"] = LastMonsterTurn.attacked;
}

void BM_MonsterTurn(benchmark::State& state) { RunTurns(state, false); }
BENCHMARK(BM_MonsterTurn)->Arg(0)->Arg(6)->Arg(8)->Unit(benchmark::kMicrosecond);

void BM_MonsterTurnDrawn(benchmark::State& state) { RunTurns(state, true); }
BENCHMARK(BM_MonsterTurnDrawn)->Arg(6)->Arg(8)->Unit(benchmark::kMicrosecond);

}  // namespace
