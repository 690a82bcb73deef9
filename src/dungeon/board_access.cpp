#include "dungeon/board_access.h"

#include "quest/quest_model.h"

int OpenFloorCode = 8;

namespace {
constexpr int kRock = 7;
constexpr int kWestBits = 0x0f;
constexpr int kNorthBits = 0xf0;

int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }
}  // namespace

int BoardWidth() { return Clamp(QuestHeader.mapw, 0, kBoardW); }
int BoardHeight() { return Clamp(QuestHeader.maph, 0, kBoardH); }

int getCell(int x, int y, int layer) {
  const int w = BoardWidth(), h = BoardHeight();
  switch (layer) {
    case kLayerFloor:
      if (x >= 0 && y >= 0 && x < w && y < h) return FloorMap[x][y];
      return OpenFloorCode == 8 ? kRock : 1;
    case kLayerDoor:
      if (x >= 0 && y >= 0 && x <= w && y <= h) return DoorMap[x][y];
      return 0;
    case kLayerObject:
      if (x >= 0 && y >= 0 && x < w && y < h) return ObjectMap[x][y];
      return 0;
    default:
      return 1;
  }
}

int setCell(int x, int y, int layer, int value) {
  const int w = BoardWidth(), h = BoardHeight();
  const uint8_t byte = static_cast<uint8_t>(value);
  switch (layer) {
    case kLayerFloor:
      if (x < 0 || y < 0 || x >= w || y >= h) return 1;
      FloorMap[x][y] = byte;
      return 0;
    case kLayerDoor:
      if (x < 0 || y < 0 || x > w || y > h) return 1;
      DoorMap[x][y] = byte;
      return 0;
    case kLayerObject:
      if (x < 0 || y < 0 || x >= w || y >= h) return 1;
      ObjectMap[x][y] = byte;
      return 0;
    default:
      return 0;
  }
}

bool doorTouches(int x, int y) {
  return getCell(x, y, kLayerDoor) != 0 || (getCell(x + 1, y, kLayerDoor) & kWestBits) != 0 ||
         (getCell(x, y + 1, kLayerDoor) & kNorthBits) != 0;
}

void cleanDoors() {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 1; x < kBoardW; x++)
      if (FloorMap[x][y] == FloorMap[x - 1][y]) DoorMap[x][y] &= ~kWestBits;
  for (int y = 1; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (FloorMap[x][y] == FloorMap[x][y - 1]) DoorMap[x][y] &= ~kNorthBits;
}

void MoveScriptObjectsToScriptMap() {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      const int slot = ObjectMap[x][y];
      if (slot == 0 || ObjectTable[slot].side <= kSideStatic) continue;
      ScriptMap[x][y] = static_cast<uint8_t>(slot);
      ObjectMap[x][y] = 0;
    }
}
