// Quest files and saved games: whatever the bytes, LoadQuest ends, leaves a model the
// game can index with, and what it read is written and read back the same.
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"

namespace {

bool Terminated(const char* text, int cap) { return memchr(text, '\0', cap + 1) != nullptr; }

void CheckModel() {
  const QuestHeaderRecord& h = QuestHeader;
  FUZZ_CHECK(Terminated(h.series, kHeaderTextLen) && Terminated(h.quest, kHeaderTextLen) &&
                 Terminated(h.author, kHeaderTextLen),
             "header text not terminated");
  FUZZ_CHECK(Terminated(h.briefing, kStoryTextLen) && Terminated(h.defeat, kStoryTextLen) &&
                 Terminated(h.victory, kStoryTextLen),
             "story text not terminated");
  FUZZ_CHECK(h.chapter >= 1 && h.chapters >= h.chapter, "chapter %d of %d", h.chapter,
             h.chapters);
  FUZZ_CHECK(h.mapw >= 1 && h.mapw <= kBoardW && h.maph >= 1 && h.maph <= kBoardH,
             "board size %d x %d", h.mapw, h.maph);
  for (int s : h.heroes)
    FUZZ_CHECK(s >= kHeroOffBoard && s <= kHeroLeftThroughEndpoint, "hero state %d", s);
  FUZZ_CHECK(h.qstdata[kQuestObjective] >= 0 && h.qstdata[kQuestObjective] < kObjectiveCount,
             "objective %d", h.qstdata[kQuestObjective]);
  FUZZ_CHECK(h.qstdata[kQuestWandering] >= 0 && h.qstdata[kQuestWandering] < kMaxObjects,
             "wandering monster %d", h.qstdata[kQuestWandering]);
  FUZZ_CHECK(h.savdata.CurrentObject >= 0 && h.savdata.CurrentObject < kMaxObjects,
             "current object %d", h.savdata.CurrentObject);
  FUZZ_CHECK(ObjectCount >= 0 && ObjectCount < kMaxObjects, "object count %d", ObjectCount);
  for (int slot = 1; slot < kMaxObjects; slot++) {
    const ObjectRecord& o = ObjectTable[slot];
    FUZZ_CHECK(Terminated(o.name, kNameLen) && Terminated(o.text1, kScriptTextLen) &&
                   Terminated(o.text2, kScriptTextLen),
               "object %d: text not terminated", slot);
    if (!IsFreeSlot(o)) FUZZ_CHECK(IsKnownSide(o.side), "object %d: side %d", slot, o.side);
  }
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      for (const uint8_t* layer : {&ObjectMap[0][0], &ScriptMap[0][0]}) {
        int v = layer[x * kLayerH + y];
        FUZZ_CHECK(v == 0 || (v <= ObjectCount && !IsFreeSlot(ObjectTable[v])),
                   "tile %d,%d names object %d, which is not there", x, y, v);
      }
}

// The file without its "File created on" line (the writer's clock).
std::string WithoutDate(const std::string& file) {
  size_t at = file.find("| File created on ");
  if (at == std::string::npos) return file;
  size_t end = file.find('\n', at);
  return file.substr(0, at) + file.substr(end == std::string::npos ? file.size() : end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzStart(true);
  static const std::string input = FuzzFile("input.qst");
  static const std::string first = FuzzFile("first.qst");
  static const std::string second = FuzzFile("second.qst");
  FuzzWrite(input, data, size);
  FUZZ_CHECK(LoadQuest(input.c_str()) == 0, "an existing file was not found");
  FUZZ_CHECK(QuestLoaded == 0 || QuestLoaded == 1, "QuestLoaded %d", QuestLoaded);
  CheckModel();

  // Whatever was read is written, read back whole, and written again unchanged.
  FUZZ_CHECK(SaveQuestFile(first.c_str(), 0) == kSaveDone, "the quest could not be written");
  FUZZ_CHECK(LoadQuest(first.c_str()) == 0 && QuestLoaded == 1 && MapRowsMissing == 0,
             "a written quest did not read back whole");
  CheckModel();
  FUZZ_CHECK(SaveQuestFile(second.c_str(), 0) == kSaveDone, "the quest could not be rewritten");
  FUZZ_CHECK(WithoutDate(FuzzRead(first)) == WithoutDate(FuzzRead(second)),
             "a written quest changed when read and written again");
  return 0;
}
