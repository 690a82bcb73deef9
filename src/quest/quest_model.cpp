#include "quest/quest_model.h"

#include <algorithm>
#include <cstring>

QuestHeaderRecord QuestHeader;
ObjectRecord ObjectTable[kMaxObjects];
ObjectRecord PrefabTable[kMaxObjects];
int ObjectCount = 0;
int PrefabCount = 0;
int FirstMonsterPrefab = -1;
int MonsterPrefabCount = -1;

uint8_t FloorMap[kLayerW][kLayerH];
uint8_t DoorMap[kLayerW][kLayerH];
uint8_t ObjectMap[kLayerW][kLayerH];
uint8_t VisibilityMap[kLayerW][kLayerH];
uint8_t ScriptMap[kLayerW][kLayerH];
uint8_t ScratchMap[kLayerW][kLayerH];

int TileX[27];
int TileY[20];
int QuestLoaded = 0;

const char* const ObjectiveNames[9] = {
    "Not specified",   "Kill all monsters",   "Unlock red door",
    "Unlock blue door", "Open all Chests",     "Kill all greenskins",
    "Kill all undead", "Kill all chaos",      "Kill all frozen",
};

const char* const ScriptActionNames[kScriptActionCount] = {
    "no script",           "run text and sound",   "give x, amount y",
    "#set x,  amount y",   "#take x, amount y",    "#strip x to default",
    "#item x, amount y",   "arrow trap 50%",       "#trap type 2",
    "#trap type 3",        "#instant death type x", "game end, type x",
    "game won, reveal xy", "game won, reveal all", "reveal room xy",
    "reveal all",          "#change floor xy",     "#change to side x",
    "#change to prefab x", "treasure card",        "hatch-teleport to xy",
    "run equipment shop",  "endpoint objective",   "retreat/flee point",
    "reveal/make door xy",
};

bool MonsterPrefabsUsable() {
  return FirstMonsterPrefab > 0 && PrefabCount > FirstMonsterPrefab + kMostMonsterChoices - 1;
}

int MonsterPrefabChoices() {
  if (!MonsterPrefabsUsable()) return 0;
  int n = std::min(MonsterPrefabCount, kMostMonsterChoices);
  return std::clamp(n, 0, kMaxObjects - FirstMonsterPrefab);
}

namespace {
const char kDefaultBriefing[] =
    "Welcome Heroes, This quest will not be easy and some of you might not return. Still "
    "you are the amongst the finest warriors in our lands, the right warriors for the "
    "mission ahead. If you succeed you shall be generously rewarded.";
const char kDefaultDefeat[] =
    "Despite your efforts you have failed to achieve victory. The armies of the Greenskins "
    "and the Undead will certainly get word of your defeat and gain better morale for the "
    "battles to come. Time is against us, soon nothing can prevent the forces of Chaos from "
    "overrunning the land...";
const char kDefaultVictory[] =
    "You have succesfully completed this Quest! True heroes you are. Now rest and re-equip "
    "yourselves, for I fear that the forces of Chaos might soon try to avenge their defeat.";
}  // namespace

void CopyText(char* dst, const char* src, int cap) {
  if (!src) src = "";
  int n = static_cast<int>(strnlen(src, cap));
  memcpy(dst, src, n);
  dst[n] = '\0';
}

void ClearObject(ObjectRecord& o) {
  memset(&o, 0, sizeof o);
  CopyText(o.name, "#", kNameLen);
  o.side = kSideStatic;
  CopyText(o.text1, "-", kScriptTextLen);
  CopyText(o.text2, "-", kScriptTextLen);
}

bool IsFreeSlot(const ObjectRecord& o) { return o.name[0] == '#'; }

bool IsMonster(const ObjectRecord& o) { return o.side >= 3 && o.side <= 9; }

bool IsKnownSide(int side) { return side >= kSideHero && side <= kSideWalkScript; }

bool IsUsualEnemyName(const char* name) {
  static const char* const kNames[] = {"Goblin", "Orc",   "Fimir",        "Skeleton",
                                       "Zombie", "Mummy", "Chaos Warrior"};
  if (!name) return false;
  for (const char* n : kNames)
    if (std::strcmp(name, n) == 0) return true;
  return false;
}

void ResetQuest(bool full) {
  if (full) {
    QuestHeaderRecord& h = QuestHeader;
    SaveData keep = h.savdata;
    CopyText(h.series, "original", kHeaderTextLen);
    CopyText(h.quest, "Quest I", kHeaderTextLen);
    CopyText(h.author, "Unknown", kHeaderTextLen);
    h.chapter = 1;
    h.chapters = 1;
    h.mapw = kBoardW;
    h.maph = kBoardH;
    for (int i = 0; i < 4; i++) h.heroes[i] = kHeroInPlay;
    static const int32_t kQuestData[6] = {1, 12, 0, 0, 0, 0};
    memcpy(h.qstdata, kQuestData, sizeof kQuestData);
    h.savdata.reserved0 = 0;
    h.savdata.CurrentObject = keep.CurrentObject;
    h.savdata.ActionState = keep.ActionState;
    h.savdata.WalkLeft = keep.WalkLeft;
    h.savdata.reserved4 = 0;
    h.savdata.reserved5 = 0;
    CopyText(h.briefing, kDefaultBriefing, kStoryTextLen);
    CopyText(h.defeat, kDefaultDefeat, kStoryTextLen);
    CopyText(h.victory, kDefaultVictory, kStoryTextLen);
  }
  for (int i = 0; i < kMaxObjects; i++) ClearObject(ObjectTable[i]);
  memset(FloorMap, 8, sizeof FloorMap);
  memset(DoorMap, 0, sizeof DoorMap);
  memset(ObjectMap, 0, sizeof ObjectMap);
  memset(VisibilityMap, 0, sizeof VisibilityMap);
  memset(ScriptMap, 0, sizeof ScriptMap);
  memset(ScratchMap, 0, sizeof ScratchMap);
  ObjectCount = 0;
  for (int x = 0; x < 27; x++) TileX[x] = x * kTileSize;
  for (int y = 0; y < 20; y++) TileY[y] = y * kTileSize;
}

int SideToListPosition(int side) {
  if (side >= 1 && side <= 6) return side - 1;
  if (side >= 10 && side <= 12) return side - 4;
  return 6;  // anything unknown shows as Static
}

int ListPositionToSide(int position) {
  if (position >= 0 && position <= 5) return position + 1;
  if (position >= 6 && position <= 8) return position + 4;
  return kSideStatic;
}

const char* SideName(int side) {
  switch (side) {
    case 1: return "Hero";
    case 2: return "Allied";
    case 3: return "Greenskin";
    case 4: return "Undead";
    case 5: return "Chaos";
    case 6: return "The Frozen";
    case 10: return "Static";
    case 11: return "Look script";
    case 12: return "Walk script";
    default: return "Unknown";
  }
}

void TakeQuestSnapshot(QuestSnapshot* s) {
  s->header = QuestHeader;
  memcpy(s->objects, ObjectTable, sizeof ObjectTable);
  s->objectCount = ObjectCount;
  s->questLoaded = QuestLoaded;
  memcpy(s->floor, FloorMap, sizeof FloorMap);
  memcpy(s->door, DoorMap, sizeof DoorMap);
  memcpy(s->object, ObjectMap, sizeof ObjectMap);
  memcpy(s->visibility, VisibilityMap, sizeof VisibilityMap);
  memcpy(s->script, ScriptMap, sizeof ScriptMap);
}

void RestoreQuestSnapshot(const QuestSnapshot& s) {
  QuestHeader = s.header;
  memcpy(ObjectTable, s.objects, sizeof ObjectTable);
  ObjectCount = s.objectCount;
  QuestLoaded = s.questLoaded;
  memcpy(FloorMap, s.floor, sizeof FloorMap);
  memcpy(DoorMap, s.door, sizeof DoorMap);
  memcpy(ObjectMap, s.object, sizeof ObjectMap);
  memcpy(VisibilityMap, s.visibility, sizeof VisibilityMap);
  memcpy(ScriptMap, s.script, sizeof ScriptMap);
}
