#include "dungeon/maze/dg_dungeon_settings.h"

#include <ctime>

DgDungeonSettings gDungeonSettings;

DgDungeonSettings::~DgDungeonSettings() { setMask(nullptr); }

void DgDungeonSettings::setMask(DgMazeMask* newMask) {
  if (mask != newMask) delete mask;
  mask = newMask;
}

void DgDungeonSettings::reset() {
  setMask(nullptr);
  width = 10;
  height = 10;
  depth = 1;
  startX = startY = startZ = 0;
  endX = endY = endZ = -1;
  seed = static_cast<int>(time(nullptr));
  randomness = 100;
  sparseness = 0;
  clearDeadEnds = 0;
  minRooms = maxRooms = 0;
  minRoomWidth = maxRoomWidth = 0;
  minRoomHeight = maxRoomHeight = 0;
  hiddenDoorPercent = 5;
  specialDoorPercent = 5;
}
