// The small quest the checker's tests plant their faults in, built in memory from the
// prefab table.
#pragma once
#include "quest/quest_model.h"
#include "rules/doors.h"

namespace fixture {

enum Prefab {
  kBarbarian = 1, kGoblin = 11, kOrc = 12, kSkeleton = 16, kTable = 31, kStatue = 37,
  kChest = 40, kTrapDoor = 45, kPitTrap = 46, kLever = 48, kStairsDown = 51,
};

// Five rooms in the rock: the heroes' room A, B beyond a corridor, C behind a red door
// from A, D behind a blue door from B, and E, which touches B but has no door.
inline const char* const kRows[kBoardH] = {
    "##########################",  //  0
    "#AAAAAA##BBBBBBEEEE#######",  //  1
    "#AAAAAA##BBBBBBEEEE#######",  //  2
    "#AAAAAA..BBBBBB###########",  //  3
    "#AAAAAA##BBBBBB###########",  //  4
    "#AAAAAA##BBBBBB###########",  //  5
    "#CCCCCC##DDDDDD###########",  //  6
    "#CCCCCC##DDDDDD###########",  //  7
    "#CCCCCC##DDDDDD###########",  //  8
    "##########################",  //  9
    "##########################",  // 10
    "##########################",  // 11
    "##########################",  // 12
    "##########################",  // 13
    "##########################",  // 14
    "##########################",  // 15
    "##########################",  // 16
    "##########################",  // 17
    "##########################",  // 18
};

inline int Code(char c) {
  switch (c) {
    case '.': return 8;
    case 'A': return 10;
    case 'B': return 11;
    case 'C': return 12;
    case 'D': return 13;
    case 'E': return 14;
    default: return 7;
  }
}

inline int NextSlot = 1;

inline int NewObject(int prefab) {
  int slot = NextSlot++;
  ObjectTable[slot] = PrefabTable[prefab];
  ObjectCount = slot;
  return slot;
}

inline int Put(int prefab, int x, int y) {
  int slot = NewObject(prefab);
  ObjectMap[x][y] = static_cast<uint8_t>(slot);
  return slot;
}

inline int PutScript(int prefab, int x, int y) {
  int slot = NewObject(prefab);
  ScriptMap[x][y] = static_cast<uint8_t>(slot);
  return slot;
}

// The slots of the base quest's pieces.
inline int Goblin, Orc, Chest, Skeleton;

// A goblin (the red key) and an orc (the blue key) in B, a closed chest in C, a skeleton
// in D; kill all monsters. Everything is within reach.
inline void BuildBase() {
  ResetQuest(true);
  NextSlot = 1;
  CopyText(QuestHeader.series, "fixture", kHeaderTextLen);
  CopyText(QuestHeader.quest, "The Fixture", kHeaderTextLen);
  CopyText(QuestHeader.briefing, "Go in, kill them all.", kStoryTextLen);
  CopyText(QuestHeader.victory, "Done.", kStoryTextLen);
  CopyText(QuestHeader.defeat, "Lost.", kStoryTextLen);
  QuestHeader.chapter = QuestHeader.chapters = 1;
  QuestHeader.qstdata[kQuestObjective] = 1;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) FloorMap[x][y] = static_cast<uint8_t>(Code(kRows[y][x]));
  DoorMap[7][3] |= kDoorOpen;         // A to the corridor
  DoorMap[9][3] |= kDoorOpen;         // the corridor to B
  DoorMap[3][6] |= kDoorRed << 4;     // A to C
  DoorMap[11][6] |= kDoorBlue << 4;   // B to D
  Put(kBarbarian, 1, 1);
  Put(kBarbarian + 1, 2, 1);
  Put(kBarbarian + 2, 1, 2);
  Put(kBarbarian + 3, 2, 2);
  Goblin = Put(kGoblin, 12, 2);
  ObjectTable[Goblin].inventory[kInvRedKeys] = 1;
  Orc = Put(kOrc, 12, 4);
  ObjectTable[Orc].inventory[kInvBlueKeys] = 1;
  Chest = Put(kChest, 3, 8);
  Skeleton = Put(kSkeleton, 12, 7);
  QuestLoaded = 1;
}

}  // namespace fixture
