#include "quest_builder.h"

#include <cstdio>
#include <cstring>

#include "core/game_data.h"
#include "render/board_draw.h"

namespace {

constexpr int kRockFloor = 7;

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

std::string At(int x, int y) {
  char b[32];
  snprintf(b, sizeof b, "(%d,%d)", x, y);
  return b;
}

}  // namespace

void SetName(ObjectRecord& o, const char* name) { CopyText(o.name, name, kNameLen); }

void SetScript(ObjectRecord& o, int type, int repeatable, int pic2, int x, int y, int sound,
               const char* text1, const char* text2) {
  const int v[6] = {type, repeatable, pic2, x, y, sound};
  for (int i = 0; i < 6; i++) o.scriptvar[i] = v[i];
  CopyText(o.text1, text1, kScriptTextLen);
  CopyText(o.text2, text2, kScriptTextLen);
}

void SetChestGold(ObjectRecord& chest, int gold, const char* text) {
  chest.inventory[kInvGold] = gold;
  CopyText(chest.text1, text, kScriptTextLen);
}

QuestBuilder::QuestBuilder(const QuestPlanHeader& h) {
  ResetQuest(true);
  QuestHeaderRecord& q = QuestHeader;
  CopyText(q.series, h.series, kHeaderTextLen);
  CopyText(q.quest, h.title, kHeaderTextLen);
  CopyText(q.author, h.author, kHeaderTextLen);
  q.chapter = static_cast<int8_t>(h.chapter);
  q.chapters = static_cast<int8_t>(h.chapters);
  q.qstdata[kQuestObjective] = h.objective;
  q.qstdata[kQuestWandering] = h.wandering;
  q.qstdata[kQuestRewardPerHero] = h.rewardPerHero;
  q.qstdata[kQuestRewardGroup] = h.rewardGroup;
  CopyText(q.briefing, h.briefing, kStoryTextLen);
  CopyText(q.victory, h.victory, kStoryTextLen);
  CopyText(q.defeat, h.defeat, kStoryTextLen);
  for (const char* text : {h.briefing, h.victory, h.defeat})
    if (strlen(text) > 700) Problem("a story text is longer than 700 characters");
}

void QuestBuilder::Problem(const std::string& what) { problems_.push_back(what); }

void QuestBuilder::Floor(const char* const rows[kBoardH], const std::map<char, int>& legend) {
  for (int y = 0; y < kBoardH; y++) {
    if (strlen(rows[y]) != static_cast<size_t>(kBoardW)) {
      Problem("board row " + std::to_string(y) + " is not " + std::to_string(kBoardW) +
              " characters long");
      continue;
    }
    for (int x = 0; x < kBoardW; x++) {
      auto it = legend.find(rows[y][x]);
      if (it == legend.end()) {
        Problem(std::string("board character '") + rows[y][x] + "' at " + At(x, y) +
                " is not in the legend");
        continue;
      }
      FloorMap[x][y] = static_cast<uint8_t>(it->second);
    }
  }
}

void QuestBuilder::Door(int x, int y, char edge, int kind) {
  int nx = edge == 'E' ? x + 1 : x, ny = edge == 'S' ? y + 1 : y;
  if (!OnBoard(x, y) || !OnBoard(nx, ny) || (edge != 'E' && edge != 'S')) {
    Problem("door " + At(x, y) + edge + " is not between two board tiles");
    return;
  }
  if (FloorMap[x][y] == FloorMap[nx][ny])
    Problem("door " + At(x, y) + edge + " stands inside one room");
  if (FloorMap[x][y] == kRockFloor || FloorMap[nx][ny] == kRockFloor)
    Problem("door " + At(x, y) + edge + " leads into rock");
  // The west edge lives in the low nibble, the north edge in the high one.
  if (edge == 'E')
    DoorMap[nx][ny] |= static_cast<uint8_t>(kind);
  else
    DoorMap[nx][ny] |= static_cast<uint8_t>(kind << 4);
}

ObjectRecord& QuestBuilder::NewObject(int prefab) {
  static ObjectRecord spare;
  if (prefab < 1 || prefab > PrefabCount || nextSlot_ >= kMaxObjects) {
    Problem("prefab " + std::to_string(prefab) + " does not exist (or the table is full)");
    ClearObject(spare);
    return spare;
  }
  int slot = nextSlot_++;
  ObjectTable[slot] = PrefabTable[prefab];
  if ((slot <= 4) != (PrefabTable[prefab].side == kSideHero))
    Problem("the four heroes must be the first objects placed (slot " + std::to_string(slot) +
            " is " + PrefabTable[prefab].name + ")");
  return ObjectTable[slot];
}

void QuestBuilder::Party(int x, int y) {
  Put(kBarbarian, x, y);
  Put(kDwarf, x + 1, y);
  Put(kElf, x, y + 1);
  Put(kWizard, x + 1, y + 1);
}

ObjectRecord& QuestBuilder::Put(int prefab, int x, int y) {
  ObjectRecord& o = NewObject(prefab);
  if (o.side > kSideStatic) Problem(std::string(o.name) + " belongs on the script layer");
  if (!OnBoard(x, y) || ObjectMap[x][y] != 0) {
    Problem(std::string(o.name) + " at " + At(x, y) + ": no free board tile");
    return o;
  }
  ObjectMap[x][y] = static_cast<uint8_t>(&o - ObjectTable);
  return o;
}

ObjectRecord& QuestBuilder::PutTurned(int prefab, int x, int y) {
  ObjectRecord& o = Put(prefab, x, y);
  o.picture[kPicOrientation] = 2;
  return o;
}

ObjectRecord& QuestBuilder::Trap(int prefab, int x, int y) {
  ObjectRecord& o = NewObject(prefab);
  if (o.side != kSideWalkScript) Problem(std::string(o.name) + " is not a walk script");
  if (!OnBoard(x, y) || ScriptMap[x][y] != 0) {
    Problem(std::string(o.name) + " at " + At(x, y) + ": no free script tile");
    return o;
  }
  ScriptMap[x][y] = static_cast<uint8_t>(&o - ObjectTable);
  return o;
}

ObjectRecord& QuestBuilder::Omen(int x, int y, int sound, const char* text1,
                                 const char* text2) {
  if (nextSlot_ >= kMaxObjects || !OnBoard(x, y) || ScriptMap[x][y] != 0) {
    Problem("omen at " + At(x, y) + ": no free script tile");
    static ObjectRecord spare;
    return spare;
  }
  int slot = nextSlot_++;
  ObjectRecord& o = ObjectTable[slot];
  ClearObject(o);
  SetName(o, "Omen");
  o.side = kSideLookScript;
  SetScript(o, kScriptTextAndSound, 0, 0, 0, 0, sound, text1, text2);
  ScriptMap[x][y] = static_cast<uint8_t>(slot);
  return o;
}

std::vector<std::string> QuestBuilder::Problems() const {
  std::vector<std::string> out = problems_;
  // The reader keeps 15 characters of a name and 80 of a script text.
  for (int slot = 1; slot < nextSlot_; slot++) {
    const ObjectRecord& o = ObjectTable[slot];
    if (strlen(o.name) > 15) out.push_back(std::string("name too long: ") + o.name);
    if (o.scriptvar[kScriptSound] < 0 || o.scriptvar[kScriptSound] > kSoundKinds)
      out.push_back(std::string(o.name) + ": no sound " + std::to_string(o.scriptvar[kScriptSound]));
    for (const char* t : {o.text1, o.text2})
      if (strlen(t) >= static_cast<size_t>(kScriptTextLen))
        out.push_back(std::string(o.name) + ": script text too long: " + t);
  }
  // Which object covers each tile.
  int cover[kBoardW][kBoardH] = {};
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int slot = ObjectMap[x][y];
      if (slot == 0) continue;
      const ObjectRecord& o = ObjectTable[slot];
      bool mask[3][3];
      ObjectFootprint(slot, mask);
      for (int dx = -1; dx <= 1; dx++)
        for (int dy = -1; dy <= 1; dy++) {
          if (!mask[dx + 1][dy + 1]) continue;
          int tx = x + dx, ty = y + dy;
          std::string what = std::string(o.name) + " at " + At(x, y);
          if (!OnBoard(tx, ty)) {
            out.push_back(what + " reaches off the board");
            continue;
          }
          if (FloorMap[tx][ty] != FloorMap[x][y] || FloorMap[x][y] == kRockFloor)
            out.push_back(what + " stands in a wall or in rock at " + At(tx, ty));
          if (cover[tx][ty] != 0)
            out.push_back(what + " overlaps " + ObjectTable[cover[tx][ty]].name + " at " +
                          At(tx, ty));
          cover[tx][ty] = slot;
        }
    }
  // Traps must lie where heroes can step; doorways must stay free of furniture.
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int s = ScriptMap[x][y];
      if (s != 0 && ObjectTable[s].side == kSideWalkScript && cover[x][y] != 0)
        out.push_back(std::string(ObjectTable[s].name) + " at " + At(x, y) + " lies under " +
                      ObjectTable[cover[x][y]].name);
      if (s != 0 && FloorMap[x][y] == kRockFloor)
        out.push_back(std::string(ObjectTable[s].name) + " at " + At(x, y) + " lies in rock");
    }
  for (int y = 0; y <= kBoardH; y++)
    for (int x = 0; x <= kBoardW; x++) {
      int d = DoorMap[x][y];
      const int sides[2][2] = {{x - 1, y}, {x, y - 1}};  // west, north neighbour
      for (int e = 0; e < 2; e++) {
        if (((e == 0 ? d : d >> 4) & 15) == 0) continue;
        for (auto t : {std::make_pair(x, y), std::make_pair(sides[e][0], sides[e][1])}) {
          if (!OnBoard(t.first, t.second)) continue;
          int c = cover[t.first][t.second];
          if (c != 0 && ObjectTable[c].side == kSideStatic)
            out.push_back(std::string(ObjectTable[c].name) + " blocks the doorway at " +
                          At(t.first, t.second));
        }
      }
    }
  return out;
}
