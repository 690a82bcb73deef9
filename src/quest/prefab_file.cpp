#include "quest/prefab_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "core/colors.h"
#include "core/message_log.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"

namespace {

void FindMonsterRun() {
  FirstMonsterPrefab = -1;
  MonsterPrefabCount = -1;
  for (int slot = 1; slot <= PrefabCount; slot++)
    if (IsMonster(PrefabTable[slot])) {
      FirstMonsterPrefab = slot;
      break;
    }
  if (FirstMonsterPrefab < 0) return;
  for (int slot = FirstMonsterPrefab + 1; slot <= PrefabCount; slot++)
    if (!IsMonster(PrefabTable[slot])) {
      MonsterPrefabCount = slot - FirstMonsterPrefab;
      return;
    }
}

}  // namespace

int LoadPrefabs(const char* path) {
  PrefabCount = 0;
  FirstMonsterPrefab = -1;
  MonsterPrefabCount = -1;
  struct stat st;
  if (!path || stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return 1;
  FILE* f = fopen(path, "r");
  if (!f) return 1;
  for (int slot = 1; slot < kMaxObjects; slot++) ClearObject(PrefabTable[slot]);
  LineStream = f;
  MapDataReached = 0;
  if (ReadLine(0) == 0 && strncmp(LineBuffer, "QPF102", 6) == 0) {
    for (int slot = 1; slot < kMaxObjects; slot++) {
      if (ReadObjectLines(PrefabTable[slot])) PrefabCount = slot;
      if (LineStreamEnded() || MapDataReached) break;
    }
    // Every prefab becomes a board object somewhere: its side must be one the game
    // knows. A block cut short before a complete one is inside the table as well.
    for (int slot = 1; slot <= PrefabCount; slot++) {
      ObjectRecord& o = PrefabTable[slot];
      if (!IsKnownSide(o.side)) {
        PrintMessage(ColorTable[kColorDarkRed], "Prefab %d: unknown side %d, prefab set to static.",
                     slot, o.side);
        o.side = kSideStatic;
      }
    }
    FindMonsterRun();
  }
  MapDataReached = 0;
  LineStream = nullptr;
  fclose(f);
  return 0;
}
