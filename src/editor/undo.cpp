#include "editor/undo.h"

#include <cstring>
#include <memory>

#include "quest/quest_model.h"

namespace {

// The quest after each kept step, in a ring: gTimeline[gCurrent % size] is the quest
// as it stands, gOldest the furthest step back, gNewest the furthest step forward.
constexpr int kRingSize = kUndoSteps + 1;
std::unique_ptr<QuestSnapshot[]> gTimeline;
std::unique_ptr<QuestSnapshot> gSaved;
long gOldest = 0, gCurrent = 0, gNewest = 0;
bool gStarted = false;

QuestSnapshot& At(long step) { return gTimeline[step % kRingSize]; }

// Made once, the first time the editor needs them.
void Allocate() {
  if (!gTimeline) gTimeline.reset(new QuestSnapshot[kRingSize]);
  if (!gSaved) gSaved.reset(new QuestSnapshot);
}

// Whether the quest in memory is the one of s, in everything a step is about.
bool LiveEquals(const QuestSnapshot& s) {
  return memcmp(&s.header, &QuestHeader, sizeof QuestHeader) == 0 &&
         memcmp(s.objects, ObjectTable, sizeof ObjectTable) == 0 &&
         memcmp(s.floor, FloorMap, sizeof FloorMap) == 0 &&
         memcmp(s.door, DoorMap, sizeof DoorMap) == 0 &&
         memcmp(s.object, ObjectMap, sizeof ObjectMap) == 0 &&
         memcmp(s.script, ScriptMap, sizeof ScriptMap) == 0;
}

// Puts a step back into the quest; the reveal layer stays as it is, since the editor
// redraws the board afterwards.
void Restore(const QuestSnapshot& s) {
  static uint8_t keep[kLayerW][kLayerH];
  memcpy(keep, VisibilityMap, sizeof keep);
  RestoreQuestSnapshot(s);
  memcpy(VisibilityMap, keep, sizeof keep);
}

}  // namespace

void ClearEditHistory() {
  Allocate();
  gOldest = gCurrent = gNewest = 0;
  TakeQuestSnapshot(&At(0));
  TakeQuestSnapshot(gSaved.get());
  gStarted = true;
}

bool RecordEditStep() {
  if (!gStarted) ClearEditHistory();
  if (LiveEquals(At(gCurrent))) return false;
  gCurrent++;
  gNewest = gCurrent;
  if (gCurrent - gOldest >= kRingSize) gOldest = gCurrent - kRingSize + 1;
  TakeQuestSnapshot(&At(gCurrent));
  return true;
}

bool UndoEditStep() {
  if (!gStarted || gCurrent <= gOldest) return false;
  gCurrent--;
  Restore(At(gCurrent));
  return true;
}

bool RedoEditStep() {
  if (!gStarted || gCurrent >= gNewest) return false;
  gCurrent++;
  Restore(At(gCurrent));
  return true;
}

int UndoStepsAvailable() { return gStarted ? static_cast<int>(gCurrent - gOldest) : 0; }
int RedoStepsAvailable() { return gStarted ? static_cast<int>(gNewest - gCurrent) : 0; }

void MarkQuestSaved() {
  if (!gStarted) ClearEditHistory();
  TakeQuestSnapshot(&At(gCurrent));
  TakeQuestSnapshot(gSaved.get());
}

bool QuestHasUnsavedChanges() { return gStarted && !LiveEquals(*gSaved); }
