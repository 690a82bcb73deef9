// The parameter block of one dungeon build.
#pragma once
#include "dungeon/maze/dg_maze_mask.h"

struct DgDungeonSettings {
  int width = 10;   // maze cells
  int height = 10;
  int depth = 1;    // levels
  int startX = 0, startY = 0, startZ = 0;
  int endX = -1, endY = -1, endZ = -1;  // negative: the last index
  DgMazeMask* mask = nullptr;           // owned; null = every cell usable
  int seed;                             // the current time in seconds by default
  int randomness = 100;                 // percent chance per step to turn
  int sparseness = 0;                   // sparsening passes
  int clearDeadEnds = 0;                // percent
  int minRooms = 0, maxRooms = 0;       // per level
  int minRoomWidth = 0, maxRoomWidth = 0;
  int minRoomHeight = 0, maxRoomHeight = 0;
  int hiddenDoorPercent = 5;
  int specialDoorPercent = 5;

  DgDungeonSettings();
  DgDungeonSettings(const DgDungeonSettings&) = delete;
  DgDungeonSettings& operator=(const DgDungeonSettings&) = delete;
  ~DgDungeonSettings();

  // Replaces the mask (taking the new one over; null for none).
  void setMask(DgMazeMask* newMask);
  // Every field back to its default.
  void reset();
};

// The program's one settings block; callers overwrite its fields before each build.
extern DgDungeonSettings gDungeonSettings;
