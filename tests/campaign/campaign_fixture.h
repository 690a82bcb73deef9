// A chapter of a quest series as the campaign tests need it: four heroes in slots 1..4
// on a small board, rewards and the three story texts. Header only, so that the shell's
// tests of the chapter loop can build chapter files with it too.
#pragma once
#include <cstdio>
#include <cstring>

#include "quest/quest_model.h"

struct HeroKind {
  const char* name;
  int walk, off, def, life, mind;
};

inline const HeroKind kHeroKinds[4] = {
    {"Barbarian", 8, 3, 2, 9, 4},
    {"Dwarf", 6, 2, 3, 8, 5},
    {"Elf", 8, 2, 2, 7, 6},
    {"Wizard", 7, -2, 2, 5, 9},
};

// Hero k (1..4) of its kind, standing on (k + 1, 2), with 10 x k gold.
inline ObjectRecord& PlaceHero(int k) {
  const HeroKind& kind = kHeroKinds[k - 1];
  ObjectRecord& h = ObjectTable[k];
  ClearObject(h);
  CopyText(h.name, kind.name, kNameLen);
  h.side = kSideHero;
  const int values[5] = {kind.walk, kind.off, kind.def, kind.life, kind.mind};
  for (int i = 0; i < 5; i++)
    h.attribute[2 * i] = h.attribute[2 * i + 1] = static_cast<int8_t>(values[i]);
  h.inventory[kInvGold] = 10 * k;
  h.picture[kPicNumber] = k;
  ObjectMap[k + 1][2] = static_cast<uint8_t>(k);
  return h;
}

// Chapter `chapter` of `chapters` of series: the heroes, a room of floor under them,
// 30 gold for each hero and 100 for the group when it is won.
inline void MakeChapter(const char* series, int chapter, int chapters) {
  ResetQuest(true);
  QuestHeaderRecord& q = QuestHeader;
  CopyText(q.series, series, kHeaderTextLen);
  char title[kHeaderTextLen + 1];
  snprintf(title, sizeof title, "Chapter %d", chapter);
  CopyText(q.quest, title, kHeaderTextLen);
  CopyText(q.author, "The Tester", kHeaderTextLen);
  q.chapter = static_cast<int8_t>(chapter);
  q.chapters = static_cast<int8_t>(chapters);
  q.qstdata[kQuestObjective] = 1;
  q.qstdata[kQuestRewardPerHero] = 30;
  q.qstdata[kQuestRewardGroup] = 100;
  CopyText(q.briefing, "Go down into the dark, and come back.", kStoryTextLen);
  CopyText(q.victory, "The dark is behind you.", kStoryTextLen);
  CopyText(q.defeat, "The dark keeps you.", kStoryTextLen);
  for (int y = 1; y <= 3; y++)
    for (int x = 1; x <= 6; x++) FloorMap[x][y] = 8;
  for (int k = 1; k <= 4; k++) PlaceHero(k);
  ObjectCount = 4;
}
