#include "quest/prefab_roles.h"

#include "quest/quest_model.h"

bool PrefabSlotHolds(int slot) {
  return slot >= 1 && slot <= PrefabCount && slot < kMaxObjects &&
         !IsFreeSlot(PrefabTable[slot]);
}
