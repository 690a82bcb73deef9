#include "rules/play_state.h"

#include <cstring>

int QuestOutcome = 0;

bool IsUsualEnemyName(const char* name) {
  static const char* const kNames[] = {"Goblin", "Orc",   "Fimir",        "Skeleton",
                                       "Zombie", "Mummy", "Chaos Warrior"};
  if (!name) return false;
  for (const char* n : kNames)
    if (std::strcmp(name, n) == 0) return true;
  return false;
}
