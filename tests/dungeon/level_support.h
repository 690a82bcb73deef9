// Shared helpers of the level tests: the shipped prefab table and the built datafile
// (the object pictures decide footprints and facing, so a level depends on both), a
// fixture around them, and snapshots of what a level holds.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/wall_clock.h"
#include "dungeon/board_access.h"
#include "dungeon/dungeon_level.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "support/fake_game_data.h"

// data/Dunmar.qpf into the PrefabTable and the built Dunmar.dat as GameData.
inline bool LoadLevelMaterial() { return InstallShippedMaterial(); }

constexpr long long kPinnedClock = 1234567890;

class LevelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { material_ = LoadLevelMaterial(); }
  static void TearDownTestSuite() { UnloadGameData(); }
  void SetUp() override {
    ASSERT_TRUE(material_) << "Dunmar.qpf or Dunmar.dat missing: build the game target";
    SetDefaultGameOptions();
    PinWallClock(kPinnedClock);
    ResetQuest(true);
  }
  void TearDown() override {
    UnpinWallClock();
    DungeonLevelHook = DungeonLevelHooks{};
    SetDefaultGameOptions();
    LoadLevelMaterial();  // a test may have spoilt a prefab
    ResetQuest(true);
    OpenFloorCode = 8;
  }
  // The Magic Dungeon's header with this seed base (last level 20).
  static void StartDungeon(int seedBase) {
    ResetQuest(true);
    SetUpMagicDungeonHeader(seedBase, 20);
  }
  static inline bool material_ = false;
};

// One object on the board, as the player sees it.
struct SeenObject {
  int x, y;
  std::string name;
  int side, picture, orientation, gold, script;
  bool operator==(const SeenObject& o) const {
    return std::tie(x, y, name, side, picture, orientation, gold, script) ==
           std::tie(o.x, o.y, o.name, o.side, o.picture, o.orientation, o.gold, o.script);
  }
};

inline std::ostream& operator<<(std::ostream& out, const SeenObject& o) {
  return out << o.name << " at " << o.x << "," << o.y << " picture " << o.picture << "/"
             << o.orientation << " gold " << o.gold << " script " << o.script;
}

// The objects of one layer in board order (rows, then columns).
inline std::vector<SeenObject> ObjectsOn(uint8_t layer[kLayerW][kLayerH]) {
  std::vector<SeenObject> v;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      const int s = layer[x][y];
      if (s == 0) continue;
      const ObjectRecord& o = ObjectTable[s];
      v.push_back({x, y, o.name, o.side, o.picture[kPicNumber], o.picture[kPicOrientation],
                   o.inventory[kInvGold], o.scriptvar[kScriptType]});
    }
  return v;
}

// Everything the content generator places before its reseed: all but the monsters and
// the arrow traps; and of those, nothing the later draws set (gold, potions).
inline std::vector<SeenObject> FurnitureOnBoard() {
  std::vector<SeenObject> v;
  for (SeenObject o : ObjectsOn(ObjectMap)) {
    if ((o.side >= kSideGreenskin && o.side <= 9) || o.name == PrefabTable[56].name) continue;
    o.gold = o.script = 0;
    v.push_back(o);
  }
  return v;
}

// The floor (26 x 19) and door (27 x 20) layers.
inline std::vector<int> FloorAndDoors() {
  std::vector<int> v;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) v.push_back(FloorMap[x][y]);
  for (int y = 0; y <= kBoardH; y++)
    for (int x = 0; x <= kBoardW; x++) v.push_back(DoorMap[x][y]);
  return v;
}

// The tile of the first object with this picture, or (-1, -1).
inline std::pair<int, int> TileOfPicture(int picture) {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] && ObjectTable[ObjectMap[x][y]].picture[kPicNumber] == picture)
        return {x, y};
  return {-1, -1};
}

// The tile of object slot s on the ObjectMap, or (-1, -1).
inline std::pair<int, int> TileOfSlot(int s) {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] == s) return {x, y};
  return {-1, -1};
}

// True when a tile next to `at` (left, right, above, below) is covered by the object
// anchored on `anchor` (the stairs' picture reaches over more than one tile).
inline bool BesideObjectAt(std::pair<int, int> at, std::pair<int, int> anchor) {
  const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (const auto& d : steps) {
    int ax, ay;
    const int x = at.first + d[0], y = at.second + d[1];
    if (x < 0 || y < 0 || x >= kBoardW || y >= kBoardH) continue;
    if (ObjectAt(x, y, &ax, &ay) && ax == anchor.first && ay == anchor.second) return true;
  }
  return false;
}
