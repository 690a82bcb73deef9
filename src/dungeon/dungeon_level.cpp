#include "dungeon/dungeon_level.h"

#include <cstdio>
#include <cstring>

#include "core/colors.h"
#include "core/message_log.h"
#include "core/random.h"
#include "dungeon/board_access.h"
#include "dungeon/dungeon_content.h"
#include "dungeon/dungeon_layout.h"
#include "quest/prefab_roles.h"
#include "quest/quest_model.h"
#include "quest/script_types.h"
#include "render/board_draw.h"
#include "render/screen_layout.h"

const char* const kDungeonBriefing =
    "Standing here at the entrance of the Magic Dungeon you can hear the howling of the "
    "horrible creatures deep below. These dungeons have always been here as a stronghold for "
    "the dark side, no army would dare to tread it's hallways. Yet heroes have been told to "
    "descend and return, bringing home tales of endless corridors full of enemies and great "
    "treasures as well... ";
const char* const kDungeonDefeat =
    "And yet another brave life has been taken by the horrors of the Magic Dungeon. Despite "
    "the many warnings you are now buried forever in this wretched place.";
const char* const kDungeonVictory =
    "Now after descending through countless levels of the Magic Dungeon you notice this "
    "stairway ends at a long and narrow passage. Following it your eyes are suddenly dazzled "
    "by bright light, as bright as only the trusted sun can be! Congratulations hero, your "
    "Quest in this Magic Dungeon is complete!";

int DungeonLayoutAttempts = 0;
DungeonLevelHooks DungeonLevelHook;

namespace {

constexpr int kMostChapters = 127;  // the header keeps chapters in a signed byte

// What keeps the prefab table from ever furnishing a level in this mode: the stairs
// (with the pictures the stairs are found by) and the four heroes. nullptr when
// nothing does; else the message, in buffer.
const char* WhyNoLevelFits(int mode, char* buffer, int size) {
  struct Need {
    int prefab, picture;  // picture -1: any
    const char* what;
  } const needs[] = {
      {kPrefabStairsDown, kPictureStairsDown, "stairs down"},
      {kPrefabStairsUp, kPictureStairsUp, "stairs up"},
      {kPrefabFirstHero, -1, "hero"},
      {kPrefabFirstHero + 1, -1, "hero"},
      {kPrefabFirstHero + 2, -1, "hero"},
      {kPrefabFirstHero + 3, -1, "hero"},
  };
  for (const Need& n : needs) {
    if (n.prefab == kPrefabStairsUp && mode == kContentEditor) continue;
    if (PrefabSlotHolds(n.prefab) &&
        (n.picture < 0 || PrefabTable[n.prefab].picture[kPicNumber] == n.picture))
      continue;
    if (n.picture < 0) {
      snprintf(buffer, size, "Cannot build the Dungeon: Dunmar.qpf has no %s in prefab %d.",
               n.what, n.prefab);
    } else {
      snprintf(buffer, size,
               "Cannot build the Dungeon: Dunmar.qpf has no %s (prefab %d, picture %d).", n.what,
               n.prefab, n.picture);
    }
    return buffer;
  }
  return nullptr;
}

// The seed base the quest holds, brought into range (a hand-edited file may hold any
// six characters there).
int QuestSeedBase() {
  int& stored = QuestHeader.qstdata[kQuestDungeonSeedBase];
  const int base = DungeonSeedBaseInRange(stored);
  if (base != stored) {
    PrintMessage(ColorTable[kColorDarkRed], "Dungeon seed base %d is out of range, using %d.",
                 stored, base);
    stored = base;
  }
  return base;
}

void GiveStairsTheirScripts() {
  for (int slot = 0; slot <= ObjectCount && slot < kMaxObjects; slot++) {
    ObjectRecord& o = ObjectTable[slot];
    if (o.picture[kPicNumber] == kPictureStairsUp) o.scriptvar[kScriptType] = kScriptStairsUp;
    if (o.picture[kPicNumber] == kPictureStairsDown) o.scriptvar[kScriptType] = kScriptStairsDown;
  }
}

// Heroes no longer in play (state 0: dead or never chosen) leave the board.
void RemoveAbsentHeroes() {
  for (int k = 1; k <= 4; k++) {
    if (QuestHeader.heroes[k - 1] != kHeroOffBoard) continue;
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++)
        if (ObjectMap[x][y] == k) ObjectMap[x][y] = 0;
  }
}

}  // namespace

int DungeonSeedBaseInRange(int value) {
  int base = value % kDungeonSeedBaseLimit;
  if (base < 0) base += kDungeonSeedBaseLimit;
  return base == 0 ? 1 : base;
}

int NewDungeonSeedBase() { return DungeonSeedBaseInRange(Random31() / 1200); }

int DungeonLayoutSeed(int seedBase, int level, int attempt) {
  return seedBase + 10 * level - 10 + attempt;
}

int DungeonContentSeed(int seedBase, int level) { return seedBase + level - 1; }

bool IsMagicDungeonQuest() {
  return strcmp(QuestHeader.series, "dungeon") == 0 &&
         QuestHeader.qstdata[kQuestDungeonSeedBase] != 0;
}

void SetUpMagicDungeonHeader(int seedBase, int lastLevel) {
  QuestHeaderRecord& h = QuestHeader;
  CopyText(h.series, "dungeon", kHeaderTextLen);
  CopyText(h.author, " ", kHeaderTextLen);
  CopyText(h.briefing, kDungeonBriefing, kStoryTextLen);
  CopyText(h.defeat, kDungeonDefeat, kStoryTextLen);
  CopyText(h.victory, kDungeonVictory, kStoryTextLen);
  for (int k = 0; k < 4; k++) h.heroes[k] = kHeroOffBoard;
  h.heroes[0] = kHeroInPlay;
  h.qstdata[kQuestDungeonSeedBase] = DungeonSeedBaseInRange(seedBase);
  h.qstdata[kQuestObjective] = 0;
  h.chapters = static_cast<int8_t>(lastLevel < 1 ? 1 : lastLevel > kMostChapters ? kMostChapters
                                                                                 : lastLevel);
}

int buildDungeonLevel(int level, int mode) {
  DungeonLayoutAttempts = 0;
  if (level < 1) level = 1;
  if (level > kMostChapters) level = kMostChapters;  // the chapter the header keeps
  char why[kMessageLineSize];
  if (WhyNoLevelFits(mode, why, sizeof why)) {
    ResetQuest(false);
    PrintMessage(ColorTable[kColorDarkRed], "%s", why);
    DrawScreen(0, 1, 1, 0);
    return kLevelUnbuildable;
  }
  const int base = QuestSeedBase();
  ClearBoardPicture();
  DrawScreen(0, 1, 0, 0);
  int failures = 1;
  for (int k = 0; k < kMostLayoutAttempts && failures > 0; k++) {
    if (k > 0) {
      PrintMessage(TextColor2,
                   "Failed fitting required objects in this Dungeon. Trying another...");
      DrawScreen(0, 1, 1, 0);
    }
    // Every attempt starts on a fresh board: a failed one leaves nothing behind, and
    // the outside of the board reads as rock whatever map was built before.
    ResetQuest(false);
    OpenFloorCode = kFloorCorridor;
    generateDungeonLayout(DungeonLayoutSeed(base, level, k));
    failures = generateDungeonContent(mode, level, DungeonContentSeed(base, level));
    DungeonLayoutAttempts = k + 1;
  }
  if (failures > 0) {
    ResetQuest(false);
    PrintMessage(ColorTable[kColorDarkRed],
                 "Cannot build the Dungeon: no layout fitted in %d attempts.", kMostLayoutAttempts);
    DrawScreen(0, 1, 1, 0);
    return kLevelUnbuildable;
  }
  snprintf(QuestHeader.quest, sizeof QuestHeader.quest, "Magic Dungeon level %d", level);
  QuestHeader.chapter = static_cast<int8_t>(level);
  GiveStairsTheirScripts();
  return kLevelBuilt;
}

int enterDungeonLevel(int level, int previous) {
  if (previous > 0 && DungeonLevelHook.leaving) DungeonLevelHook.leaving(level, previous);
  const int mode = previous < level ? kContentDescending : kContentGoingUp;
  const int result = buildDungeonLevel(level, mode);
  if (result != kLevelBuilt) return result;
  if (level > previous) {
    PrintMessage(TextColor1, "Descending the Magic Dungeon to level %d.", level);
  } else {
    PrintMessage(TextColor1, "Going back up to level %d of the Dungeon.", level);
  }
  DrawScreen(0, 1, 1, 0);
  if (previous > 0) {
    MoveScriptObjectsToScriptMap();
    RemoveAbsentHeroes();
    if (DungeonLevelHook.arrived) DungeonLevelHook.arrived(level, previous);
  }
  return kLevelBuilt;
}
