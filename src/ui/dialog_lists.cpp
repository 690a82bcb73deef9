#include "ui/dialog_lists.h"

#include "quest/quest_model.h"

namespace {

constexpr int kSideEntries = 9;

char* Answer(int index, int* count, int entries, const char* text) {
  if (index < 0) {
    if (count) *count = entries;
    return nullptr;
  }
  return const_cast<char*>(index < entries && text ? text : "");
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
  // A table too short for the monsters shows one entry that says so.
  int entries = MonsterPrefabsUsable() ? MonsterPrefabChoices() : 1;
  const char* text = nullptr;
  if (index >= 0 && index < entries)
    text = MonsterPrefabsUsable() ? PrefabTable[FirstMonsterPrefab + index].name
                                  : "error in dunmar.qpf!";
  return Answer(index, count, entries, text);
}
