#include "dungeon/dungeon_layout.h"

#include "core/colors.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "dungeon/board_access.h"
#include "dungeon/maze/dg_dungeon.h"
#include "quest/quest_model.h"
#include "render/screen_layout.h"

namespace {

// Door bytes: the west edge lives in the low nibble, the north edge in the high one.
constexpr uint8_t kDoorWest = 1;
constexpr uint8_t kHiddenDoorWest = 8;
constexpr uint8_t kDoorNorth = 16;
constexpr uint8_t kHiddenDoorNorth = 128;

// Grid cell (gx, gy) lands on board cell (gx - 1, gy - 1).
void WriteFloor(const DgDungeon& dungeon, int w, int h) {
  for (int y = 0; y <= h; y++) {
    for (int x = 0; x <= w; x++) {
      uint32_t g = dungeon.cellAt(x + 1, y + 1, 0);
      if (g == kDgWall) FloorMap[x][y] = kFloorRock;
      if (g == kDgOpen) FloorMap[x][y] = kFloorCorridor;
      if (g >= kDgFirstRoom) {
        const uint32_t floor = kFloorFirstRoom + (g - kDgFirstRoom);
        FloorMap[x][y] = static_cast<uint8_t>(floor > 255 ? 255 : floor);
      }
      if (FloorMap[x][y] > kFloorLastRoom) FloorMap[x][y] = kFloorRoomOverflow;
    }
  }
}

void WriteDoors(const DgDungeon& dungeon, int w, int h) {
  for (int y = 1; y <= h; y++) {
    for (int x = 1; x <= w; x++) {
      const DgPoint a{x, y, 0};
      const int below = y < h ? dungeon.doorBetween(a, {x, y + 1, 0}) : 0;
      const int right = x < w ? dungeon.doorBetween(a, {x + 1, y, 0}) : 0;
      if (below == kDgDoorPlain) DoorMap[x - 1][y] = kDoorNorth;
      if (right == kDgDoorPlain) DoorMap[x][y - 1] = kDoorWest;
      if (below == kDgDoorHidden) DoorMap[x - 1][y] = kHiddenDoorNorth;
      if (right == kDgDoorHidden) DoorMap[x][y - 1] = kHiddenDoorWest;
    }
  }
}

}  // namespace

int DoubleCorridorColumn() {
  const int w = BoardWidth(), h = BoardHeight();
  int dupcol = 1;
  int most = -1;
  for (int x = 1; x <= w - 3; x++) {
    int n = 0;
    for (int y = 0; y <= h; y++) n += FloorMap[x][y] == kFloorCorridor;
    if (n > most) {
      most = n;
      dupcol = x;
    }
  }
  for (int y = 0; y <= h; y++) {
    for (int x = w - 1; x >= dupcol + 1; x--) {
      FloorMap[x][y] = FloorMap[x - 1][y];
      if (x - 1 > dupcol) DoorMap[x][y] = DoorMap[x - 1][y];
    }
  }
  return dupcol;
}

void OpenPillars() {
  const int w = BoardWidth(), h = BoardHeight();
  for (int y = 1; y <= h - 2; y++)
    for (int x = 1; x <= w - 2; x++)
      if (FloorMap[x][y] == kFloorRock && FloorMap[x - 1][y] == kFloorCorridor &&
          FloorMap[x + 1][y] == kFloorCorridor && FloorMap[x][y - 1] == kFloorCorridor &&
          FloorMap[x][y + 1] == kFloorCorridor)
        FloorMap[x][y] = kFloorCorridor;
}

void AbsorbLoneCorridorCells() {
  const int w = BoardWidth(), h = BoardHeight();
  for (int y = 0; y <= h; y++) {
    for (int x = 0; x <= w; x++) {
      if (getCell(x, y, kLayerFloor) != kFloorCorridor) continue;
      const int left = getCell(x - 1, y, kLayerFloor), right = getCell(x + 1, y, kLayerFloor);
      const int up = getCell(x, y - 1, kLayerFloor), down = getCell(x, y + 1, kLayerFloor);
      if (left == kFloorCorridor || right == kFloorCorridor || up == kFloorCorridor ||
          down == kFloorCorridor)
        continue;
      if (left != kFloorRock) {
        setCell(x, y, kLayerFloor, left);
      } else if (right != kFloorRock) {
        setCell(x, y, kLayerFloor, right);
      } else if (up != kFloorRock) {
        setCell(x, y, kLayerFloor, up);
      } else if (down != kFloorRock) {
        setCell(x, y, kLayerFloor, down);
      }
    }
  }
}

void FillLayoutSettings(int seed) {
  DgDungeonSettings& s = gDungeonSettings;
  const int w = BoardWidth(), h = BoardHeight();
  s.reset();  // start, end and everything not named below at their defaults, no mask
  s.width = (w + 1) / 2;
  s.height = (h + 1) / 2;
  s.depth = 1;
  // Sparsening follows this board's maze size, so a seed gives the same layout
  // whatever was built before.
  s.sparseness = static_cast<int>(static_cast<int>((s.width + s.height) * 0.5) * 0.25);
  s.seed = seed;
  s.randomness = GameOptions.randomness;
  s.clearDeadEnds = GameOptions.clrdeadend;
  s.minRooms = 10;
  s.maxRooms = 19;
  s.minRoomWidth = 3;
  s.maxRoomWidth = 5;
  s.minRoomHeight = 3;
  s.maxRoomHeight = 5;
  s.hiddenDoorPercent = GameOptions.hiddendoor;
  s.specialDoorPercent = 0;
}

void generateDungeonLayout(int seed) {
  const int w = BoardWidth(), h = BoardHeight();
  FillLayoutSettings(seed);
  int dupcol;
  {
    DgDungeon dungeon(gDungeonSettings, "Dunmarrow");
    WriteFloor(dungeon, w, h);
    WriteDoors(dungeon, w, h);
    dupcol = DoubleCorridorColumn();
    OpenPillars();
    AbsorbLoneCorridorCells();
  }
  PrintMessage(TextColor2, "Dungeon Generator, build on Corvane's libraries - seed:%d  duplicate column:%d ",
               seed, dupcol);
  DrawScreen(0, 1, 1, 0);
  cleanDoors();
}
