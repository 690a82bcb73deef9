// dunmar.cfg: whatever the bytes, the settings and the Hall of Fame are read into fields
// the game can use, and writing them back always succeeds and reads back as they were.
#include <allegro.h>

#include <cstring>
#include <string>

#include "campaign/hall_of_fame.h"
#include "core/config_file.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "fuzz_support.h"

namespace {

void ReadEverything(const std::string& path) {
  SelectConfigFile(path.c_str());
  ReadGameOptions();
  ReadInterfaceColors();
  ReadHallOfFame();
}

void CheckRead() {
  const int bpp = GameOptions.bpp;
  FUZZ_CHECK(bpp == 15 || bpp == 16 || bpp == 24 || bpp == 32, "bpp %d", bpp);
  for (int i = 0; i < kHallOfFameSize; i++) {
    const HallOfFameEntry& e = HallOfFame[i];
    FUZZ_CHECK(memchr(e.name, '\0', kHallNameLen + 1) && memchr(e.quest, '\0', kHallQuestLen + 1),
               "entry %d: text not terminated", i);
    FUZZ_CHECK(e.checksum == HallOfFameChecksum(e), "entry %d: checksum not made", i);
    FUZZ_CHECK(e.picture >= 0 && e.picture < kFirstSound - kFirstObjectPicture,
               "entry %d: picture %d", i, e.picture);
    FUZZ_CHECK(e.flag == 0, "entry %d: flag %d", i, e.flag);
  }
}

bool SameEntry(const HallOfFameEntry& a, const HallOfFameEntry& b) {
  return strcmp(a.name, b.name) == 0 && strcmp(a.quest, b.quest) == 0 &&
         a.experience == b.experience && a.gold == b.gold && a.kills == b.kills &&
         a.picture == b.picture && a.ID == b.ID && a.checksum == b.checksum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzStart(false);
  static const std::string path = FuzzFile("dunmar.cfg");
  FuzzWrite(path, data, size);
  ReadEverything(path);
  CheckRead();

  // Written back at exit: that must work whatever the file held before, and the next
  // start must read exactly what was written.
  const GameOptionsRecord options = GameOptions;
  HallOfFameEntry table[kHallOfFameSize];
  memcpy(table, HallOfFame, sizeof table);
  ConfigUpdate update;
  AddGameOptions(update);
  AddHallOfFame(update);
  FUZZ_CHECK(WriteConfig(path.c_str(), update), "the settings could not be written back");
  ReadEverything(path);
  CheckRead();
  FUZZ_CHECK(memcmp(&options, &GameOptions, sizeof options) == 0,
             "the settings changed on their way through the file");
  for (int i = 0; i < kHallOfFameSize; i++)
    FUZZ_CHECK(SameEntry(table[i], HallOfFame[i]), "Hall of Fame entry %d changed: %s / %s", i,
               table[i].name, HallOfFame[i].name);
  return 0;
}
