// The parameter block of one dungeon build.
#pragma once
#include "dungeon/maze/dg_maze_mask.h"

// The defaults live in one place, reset(), which the constructor runs as well.
struct DgDungeonSettings {
  int width, height;            // maze cells
  int depth;                    // levels
  int startX, startY, startZ;
  int endX, endY, endZ;         // negative: the last index
  DgMazeMask* mask = nullptr;   // owned; null = every cell usable
  int seed;                     // the current time in seconds by default
  int randomness;               // percent chance per step to turn
  int sparseness;               // sparsening passes
  int clearDeadEnds;            // percent
  int minRooms, maxRooms;       // per level
  int minRoomWidth, maxRoomWidth;
  int minRoomHeight, maxRoomHeight;
  int hiddenDoorPercent;
  int specialDoorPercent;

  DgDungeonSettings() { reset(); }
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
