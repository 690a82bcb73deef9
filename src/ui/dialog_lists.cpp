#include "ui/dialog_lists.h"

#include <algorithm>

#include "quest/quest_model.h"

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

namespace {

constexpr int kSideEntries = 9;
constexpr int kMostMonsters = 31;

char* Answer(int index, int* count, int entries, const char* text) {
  if (index < 0) {
    if (count) *count = entries;
    return nullptr;
  }
  return const_cast<char*>(index < entries && text ? text : "");
}

bool MonsterTableUsable() { return PrefabCount > FirstMonsterPrefab + 30 && FirstMonsterPrefab > 0; }

int MonsterEntries() {
  if (!MonsterTableUsable()) return 1;
  int n = std::min(MonsterPrefabCount, kMostMonsters);
  return std::clamp(n, 0, kMaxObjects - FirstMonsterPrefab);
}

}  // namespace

char* SideListEntry(int index, int* count) {
  const char* text = index < kSideEntries ? SideName(ListPositionToSide(index)) : nullptr;
  return Answer(index, count, kSideEntries, text);
}

char* ScriptActionListEntry(int index, int* count) {
  const char* text = index < kScriptActionCount ? ScriptActionNames[index] : nullptr;
  return Answer(index, count, kScriptActionCount, text);
}

char* ObjectiveListEntry(int index, int* count) {
  const char* text = index < kObjectiveCount ? ObjectiveNames[index] : nullptr;
  return Answer(index, count, kObjectiveCount, text);
}

char* MonsterPrefabListEntry(int index, int* count) {
  int entries = MonsterEntries();
  const char* text = nullptr;
  if (index >= 0 && index < entries)
    text = MonsterTableUsable() ? PrefabTable[FirstMonsterPrefab + index].name : "error in dunmar.qpf!";
  return Answer(index, count, entries, text);
}
