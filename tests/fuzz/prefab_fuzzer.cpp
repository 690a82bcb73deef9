// The prefab file: whatever the bytes, LoadPrefabs ends with a table whose count and
// monster run agree with what it holds, every prefab of a side the game knows.
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzStart(false);
  static const std::string input = FuzzFile("Dunmar.qpf");
  FuzzWrite(input, data, size);
  FUZZ_CHECK(LoadPrefabs(input.c_str()) == 0, "an existing file was not found");
  FUZZ_CHECK(PrefabCount >= 0 && PrefabCount < kMaxObjects, "prefab count %d", PrefabCount);
  for (int slot = 1; slot < kMaxObjects; slot++) {
    const ObjectRecord& o = PrefabTable[slot];
    FUZZ_CHECK(memchr(o.name, '\0', kNameLen + 1) && memchr(o.text1, '\0', kScriptTextLen + 1) &&
                   memchr(o.text2, '\0', kScriptTextLen + 1),
               "prefab %d: text not terminated", slot);
    if (slot <= PrefabCount) FUZZ_CHECK(IsKnownSide(o.side), "prefab %d: side %d", slot, o.side);
  }
  // The monsters: the first of them, and how far their run goes (-1 to the table's end).
  int first = -1;
  for (int slot = 1; slot <= PrefabCount && first < 0; slot++)
    if (IsMonster(PrefabTable[slot])) first = slot;
  FUZZ_CHECK(FirstMonsterPrefab == first, "first monster %d, not %d", FirstMonsterPrefab, first);
  if (first < 0) {
    FUZZ_CHECK(MonsterPrefabCount == -1, "monster count %d without monsters", MonsterPrefabCount);
  } else {
    int run = 0;
    while (first + run <= PrefabCount && IsMonster(PrefabTable[first + run])) run++;
    int expected = first + run > PrefabCount ? -1 : run;
    FUZZ_CHECK(MonsterPrefabCount == expected, "monster count %d, not %d", MonsterPrefabCount,
               expected);
  }
  const int choices = MonsterPrefabChoices();
  FUZZ_CHECK(choices >= 0 && (choices == 0 || FirstMonsterPrefab + choices - 1 < kMaxObjects),
             "%d monster choices from %d", choices, FirstMonsterPrefab);
  return 0;
}
