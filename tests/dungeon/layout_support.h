// Shared helpers of the layout tests: a fresh standard board, layer snapshots and
// whole-file reads.
#pragma once
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/game_options.h"
#include "dungeon/board_access.h"
#include "dungeon/dungeon_layout.h"
#include "dungeon/outdoors_layout.h"
#include "quest/quest_model.h"

struct LayoutOptions {
  int randomness = 40, clrdeadend = 0, hiddendoor = 5;
  bool outdoors = false;
};

// A freshly reset 26 x 19 board with the given [dungeon] options, then the layout.
inline void BuildLayout(int seed, const LayoutOptions& o = {}) {
  ResetQuest(true);
  OpenFloorCode = 8;
  GameOptions.randomness = o.randomness;
  GameOptions.clrdeadend = o.clrdeadend;
  GameOptions.hiddendoor = o.hiddendoor;
  if (o.outdoors) {
    generateOutdoorsLayout(seed);
  } else {
    generateDungeonLayout(seed);
  }
  GameOptions.randomness = 40;
  GameOptions.clrdeadend = 0;
  GameOptions.hiddendoor = 5;
}

// The floor (26 x 19) and door (27 x 20) layers as the quest file holds them.
inline std::vector<int> Layers() {
  std::vector<int> v;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) v.push_back(FloorMap[x][y]);
  for (int y = 0; y <= kBoardH; y++)
    for (int x = 0; x <= kBoardW; x++) v.push_back(DoorMap[x][y]);
  return v;
}

// The whole file, "" when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}
