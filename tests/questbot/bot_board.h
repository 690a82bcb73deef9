// Small boards for the bot: rock everywhere, rooms cut into it, pieces placed by hand.
#pragma once
#include <cstring>

#include "quest/quest_model.h"
#include "rules/doors.h"
#include "rules/play_state.h"

constexpr int kRock = 7;
constexpr int kRoomFloor = 8;

// A fresh quest in memory: all rock, nothing revealed, objective "Kill all monsters".
inline void RockBoard() {
  ResetQuest(true);
  ResetPlayState();
  memset(FloorMap, kRock, sizeof FloorMap);
  ObjectCount = 0;
  QuestHeader.qstdata[kQuestObjective] = 1;
  QuestHeader.qstdata[kQuestWandering] = 0;
}

// Floor code floor from (x0, y0) to (x1, y1).
inline void Room(int x0, int y0, int x1, int y1, int floor = kRoomFloor) {
  for (int x = x0; x <= x1; x++)
    for (int y = y0; y <= y1; y++) FloorMap[x][y] = static_cast<uint8_t>(floor);
}

inline void RevealAll() {
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) VisibilityMap[x][y] = 1;
}

struct PieceValues {
  int walk, off, def, life, mind;
};

// A piece in slot on (x, y): a hero, a monster or furniture.
inline ObjectRecord& Piece(int slot, const char* name, int side, int x, int y,
                           const PieceValues& v = {6, 3, 2, 8, 4}) {
  ObjectRecord& o = ObjectTable[slot];
  ClearObject(o);
  CopyText(o.name, name, kNameLen);
  o.side = static_cast<int8_t>(side);
  int8_t* at = o.attribute;
  at[kWalkBase] = at[kWalk] = static_cast<int8_t>(v.walk);
  at[kOffBase] = at[kOff] = static_cast<int8_t>(v.off);
  at[kDefBase] = at[kDef] = static_cast<int8_t>(v.def);
  at[kLifeMax] = at[kLife] = static_cast<int8_t>(v.life);
  at[kMindMax] = at[kMind] = static_cast<int8_t>(v.mind);
  if (side >= kSideLookScript)
    ScriptMap[x][y] = static_cast<uint8_t>(slot);
  else
    ObjectMap[x][y] = static_cast<uint8_t>(slot);
  if (slot > ObjectCount) ObjectCount = slot;
  return o;
}

// Furniture with a script.
inline ObjectRecord& Thing(int slot, const char* name, int x, int y, int type, int sx = 0,
                           int sy = 0) {
  ObjectRecord& o = Piece(slot, name, kSideStatic, x, y, {0, 0, 0, 0, 0});
  o.scriptvar[kScriptType] = type;
  o.scriptvar[kScriptX] = sx;
  o.scriptvar[kScriptY] = sy;
  return o;
}

// A door on the edge between (x, y) and its right neighbour (west field of x + 1).
inline void DoorEast(int x, int y, int bits) {
  DoorMap[x + 1][y] = static_cast<uint8_t>((DoorMap[x + 1][y] & 0xF0) | bits);
}
