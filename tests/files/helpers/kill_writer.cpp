// Writes one of the game's files with the game's own writers, for the test that kills it
// while it writes (tests/files/kill_safe_save_test.cpp):
//
//   kill_writer quest|save|config PATH A|B|loop
//
// A and B write one of two different versions once; loop writes A, B, A, B ... until the
// process is killed, and says "R" on its output once it is about to begin. Quests and saved games go through SaveQuestFile, the configuration
// through WriteConfig with every setting and the Hall of Fame, as at exit.
#include <cstdio>
#include <cstring>

#include "campaign/hall_of_fame.h"
#include "core/config_file.h"
#include "core/game_options.h"
#include "core/headless_start.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"

namespace {

void MakeQuest(bool saved, int version) {
  ResetQuest(true);
  CopyText(QuestHeader.series, version ? "Second Series" : "First Series", kHeaderTextLen);
  CopyText(QuestHeader.quest, version ? "The Killed Writer" : "The Old Quest", kHeaderTextLen);
  // A long story, so that a write takes more than one block.
  char story[kStoryTextLen + 1];
  memset(story, version ? 'b' : 'a', 700);
  story[700] = '\0';
  CopyText(QuestHeader.briefing, story, kStoryTextLen);
  for (int slot = 1; slot <= 40 + 30 * version; slot++) {
    ObjectRecord& o = ObjectTable[slot];
    snprintf(o.name, sizeof o.name, "%s %d", slot <= 4 ? "Hero" : "Orc", slot);
    o.side = slot <= 4 ? kSideHero : kSideGreenskin;
    o.attribute[kLife] = o.attribute[kLifeMax] = static_cast<int8_t>(3 + version);
    ObjectMap[slot % kBoardW][slot / kBoardW] = static_cast<uint8_t>(slot);
  }
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) FloorMap[x][y] = static_cast<uint8_t>(1 + (x + y + version) % 7);
  if (saved) {
    QuestHeader.savdata.CurrentObject = 2 + version;
    QuestHeader.savdata.WalkLeft = 5 + version;
    for (int y = 0; y < 8 + version; y++)
      for (int x = 0; x < kBoardW; x++) VisibilityMap[x][y] = 1;
  }
}

bool WriteVersion(const char* what, const char* path, int version) {
  if (strcmp(what, "config") == 0) {
    SetDefaultGameOptions();
    ResetHallOfFame();
    GameOptions.volume = version ? 3 : 8;
    GameOptions.lastlevel = version ? 7 : 20;
    CopyText(HallOfFame[0].name, version ? "Brenna" : "Aldric", kHallNameLen);
    HallOfFame[0].experience = version ? 990 : 450;
    ConfigUpdate update;
    AddGameOptions(update);
    AddHallOfFame(update);
    return WriteConfig(path, update);
  }
  MakeQuest(strcmp(what, "save") == 0, version);
  return SaveQuestFile(path, 0) == kSaveDone;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || (strcmp(argv[1], "quest") != 0 && strcmp(argv[1], "save") != 0 &&
                    strcmp(argv[1], "config") != 0)) {
    fprintf(stderr, "usage: kill_writer quest|save|config PATH A|B|loop\n");
    return 2;
  }
  if (!StartHeadless("kill_writer", argv[0])) return 2;
  const char* mode = argv[3];
  if (strcmp(mode, "loop") != 0) return WriteVersion(argv[1], argv[2], strcmp(mode, "B") == 0) ? 0 : 1;
  fputs("R", stdout);
  fflush(stdout);
  for (int version = 0;; version ^= 1)
    if (!WriteVersion(argv[1], argv[2], version)) return 1;
}
