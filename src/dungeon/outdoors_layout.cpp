#include "dungeon/outdoors_layout.h"

#include "dungeon/board_access.h"
#include "dungeon/dungeon_layout.h"
#include "quest/quest_model.h"

namespace {
constexpr int kGround = 1;

bool CountsAsOpen(int floor) {
  return floor == kFloorCorridor || floor == kFloorRock || floor == kGround;
}
}  // namespace

void convertLayoutToOutdoors() {
  const int w = BoardWidth(), h = BoardHeight();
  for (int y = 0; y <= h; y++) {
    for (int x = 0; x <= w; x++) {
      uint8_t& floor = FloorMap[x][y];
      switch (floor) {
        case kFloorCorridor:
          floor = kGround;
          break;
        case kFloorRock: {
          int open = CountsAsOpen(getCell(x - 1, y, kLayerFloor)) +
                     CountsAsOpen(getCell(x + 1, y, kLayerFloor)) +
                     CountsAsOpen(getCell(x, y - 1, kLayerFloor)) +
                     CountsAsOpen(getCell(x, y + 1, kLayerFloor));
          if (open >= 3) floor = kGround;
          break;
        }
        case 6:
          floor = 3;
          break;
        case 5:
          floor = 4;
          break;
        default:
          break;
      }
    }
  }
}

void generateOutdoorsLayout(int seed) {
  generateDungeonLayout(seed);
  convertLayoutToOutdoors();
  cleanDoors();
}
