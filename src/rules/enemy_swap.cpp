#include "rules/enemy_swap.h"

#include <algorithm>
#include <cstring>

#include "core/colors.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/random.h"
#include "quest/quest_model.h"

namespace {

constexpr int kGroupSize = 3;
const char* const kGroupNames[2][kGroupSize] = {
    {"Goblin", "Orc", "Fimir"},
    {"Skeleton", "Zombie", "Mummy"},
};
const char* const kGroupLabels[2] = {"greenskins", "undead"};

// The objects found, in scan order; 0 marks an entry already handed out. A list of a
// full 256 entries lets the hand-out wrap around after 255 like a byte.
uint8_t gList[kMaxObjects];

bool InGroup(int group, const ObjectRecord& o) {
  if (o.exp >= kSwapVeteranExp) return false;
  for (const char* name : kGroupNames[group])
    if (std::strcmp(o.name, name) == 0) return true;
  return false;
}

// The last column and row of the quest's map, held to the layers (a file may hold
// any width) and, for scanning, to the board.
int LastColumn(int limit) { return std::min<int>(QuestHeader.mapw, limit - 1); }
int LastRow(int limit) { return std::min<int>(QuestHeader.maph, limit - 1); }

}  // namespace

int SwapEnemies(int group) {
  if (group < 0 || group > 1) group = kSwapGreenskins;

  std::memset(gList, 0, sizeof gList);
  for (int x = 0; x <= LastColumn(kLayerW); x++)
    for (int y = 0; y <= LastRow(kLayerH); y++) ScratchMap[x][y] = 0;

  int n = 0;
  const int lastX = LastColumn(kBoardW), lastY = LastRow(kBoardH);
  for (int y = 0; y <= lastY; y++)
    for (int x = 0; x <= lastX; x++) {
      int slot = ObjectMap[x][y];
      if (slot == 0 || !InGroup(group, ObjectTable[slot])) continue;
      gList[n++] = static_cast<uint8_t>(slot);
      ScratchMap[x][y] = 1;
    }

  int filled = 0;
  if (n > 0) {
    for (int y = 0; y <= lastY; y++)
      for (int x = 0; x <= lastX; x++) {
        if (ScratchMap[x][y] == 0) continue;
        // The first pick is always passed over: the hand-out starts one further on.
        int r = RandomMod(n);
        int tries = 0;
        do {
          r = (r + 1) & 255;
        } while (gList[r] == 0 && ++tries < kMaxObjects);
        if (gList[r] == 0) continue;  // every entry handed out already
        ObjectMap[x][y] = gList[r];
        gList[r] = 0;
        filled++;
      }
  }

  if (GameOptions.developer)
    PrintMessage(TextColor2, "swapped enemies count: %d (%s)", filled,
                 kGroupLabels[group]);
  RefreshMessages();
  return filled;
}
