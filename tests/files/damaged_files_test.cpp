// Damaged files of every kind the game reads, in one table: each row is a file as it may
// turn up on a player's disk and what the player is told. None crashes or hangs, no
// quest or saved game with a part missing is played, and the settings are always
// written back.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "campaign/hall_of_fame.h"
#include "core/config_file.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "quest/prefab_file.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "render/screen_hooks.h"
#include "shell/main_menu.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "ui/manual_reader.h"

namespace {

enum Kind { kQuest, kSavedGame, kPrefabs, kConfig, kManual, kDatafile };

struct DamagedFile {
  Kind kind;
  const char* what;
  std::function<std::string()> bytes;
  bool accepted;        // played, usable, shown
  const char* message;  // a line the player is shown (alert or message line), or nullptr
};

const std::string kSource = DUNMARROW_SOURCE_DIR;
std::string Quest() { return ReadText(kSource + "/data/quests/lanterncrypt.qst"); }
std::string Save() { return ReadText(kSource + "/tests/quest/fixtures/orc_turn.sav"); }
std::string Prefabs() { return ReadText(kSource + "/data/Dunmar.qpf"); }
std::string Datafile() { return ReadText(std::string(DUNMARROW_GAME_DIR) + "/Dunmar.dat"); }

std::string Upto(const std::string& s, const char* mark) { return s.substr(0, s.find(mark)); }
std::string Replace(std::string s, const std::string& from, const std::string& to) {
  size_t at = s.find(from);
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}
std::string ReplaceAll(std::string s, const std::string& from, const std::string& to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
  return s;
}
// The line after the first one beginning with keyword, replaced by line.
std::string SetLine(const std::string& s, const std::string& keyword, const std::string& line) {
  size_t at = s.find("\n" + keyword);
  if (at == std::string::npos) return s;
  size_t end = s.find('\n', at + 1);
  return s.substr(0, at + 1) + line + s.substr(end);
}
// Row y of the map that follows the comment line title, replaced by row.
std::string SetMapRow(const std::string& s, const std::string& title, int y,
                      const std::string& row) {
  size_t at = s.find(title);
  at = s.find('\n', at) + 1;
  for (int i = 0; i < y; i++) at = s.find('\n', at) + 1;
  return s.substr(0, at) + row + s.substr(s.find('\n', at));
}
std::string Utf16(const std::string& s) {
  std::string out = "\xff\xfe";
  for (char c : s) {
    out += c;
    out += '\0';
  }
  return out;
}
std::string Garbage(int n, int step) {
  std::string g;
  for (int i = 0; i < n; i++) g += static_cast<char>((i * step + 13) % 256);
  return g;
}

std::vector<std::string> gPrinted;
void RecordLine(const LoggedMessage& line) { gPrinted.push_back(line.text); }

class DamagedFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageDisplay(RecordLine, nullptr);
    TestPlatform().Reset();
  }
  void TearDown() override {
    InstallScreenHooks();
    UnloadGameData();
    ResetQuest(true);
    SetDefaultGameOptions();
    ResetHallOfFame();
    LoadPrefabs(nullptr);
  }
  TempFolder dir;
};

// Reads the file as the game does and answers whether it was taken; what the player was
// shown is in the alerts and gPrinted.
bool ReadAsTheGameDoes(const DamagedFile& f, const std::string& path) {
  switch (f.kind) {
    case kQuest:
    case kSavedGame:
      EXPECT_EQ(LoadQuest(path.c_str()), 0);
      return LoadedQuestPlayable();
    case kPrefabs:
      LoadPrefabs(path.c_str());
      // Start-up ends with "Fatal error while loading Dunmar.qpf!" without a prefab.
      if (PrefabCount <= 0) gPrinted.push_back("Fatal error while loading Dunmar.qpf!");
      return PrefabCount > 0;
    case kConfig: {
      SelectConfigFile(path.c_str());
      ReadGameOptions();
      ReadInterfaceColors();
      ReadHallOfFame();
      // What the Hall of Fame shows; then the settings go back at exit, whatever was there.
      for (const HallOfFameEntry& e : HallOfFame) gPrinted.push_back(e.name);
      ConfigUpdate update;
      AddGameOptions(update);
      AddHallOfFame(update);
      return WriteConfig(path.c_str(), update);
    }
    case kManual: {
      char* text = ReadManualFile(path.c_str());
      if (!text) return false;
      ManualPage page;
      LayOutManual(page, text, 594);
      if (!page.lines.empty()) {
        EXPECT_EQ(page.lines.back().next, static_cast<int>(strlen(text)));
      }
      delete[] text;
      return true;
    }
    case kDatafile:
      if (LoadGameData(path.c_str())) return true;
      gPrinted.push_back("Fatal error while loading Dunmar.dat!");
      return false;
  }
  return false;
}

TEST_F(DamagedFiles, EachIsToldAndNoneIsHalfTaken) {
  const DamagedFile files[] = {
      // Quests, as PLAY QUEST reads them.
      {kQuest, "a picture, not a quest", [] { return "\x89PNG\r\n\x1a\n" + Garbage(600, 7); },
       false, "  File is not the right format:  "},
      {kQuest, "the magic in lower case", [] { return Replace(Quest(), "QST102", "qst102"); },
       false, "  File is not the right format:  "},
      {kQuest, "an older format", [] { return Replace(Quest(), "QST102", "QST101"); }, false,
       "  File is not the right format:  "},
      {kQuest, "a byte-order mark before the magic", [] { return "\xef\xbb\xbf" + Quest(); },
       false, "  File is not the right format:  "},
      {kQuest, "UTF-16 text", [] { return Utf16(Quest()); }, false,
       "  File is not the right format:  "},
      {kQuest, "cut before its map part", [] { return Upto(Quest(), "# map data:"); }, false,
       "its map part is missing."},
      {kQuest, "the map marker and nothing after it",
       [] { return Upto(Quest(), "# map data:") + "# map data:\n"; }, false,
       "its map part is missing."},
      {kQuest, "cut inside the object map", [] { return Upto(Quest(), "| Visibility map:"); },
       false, "38 of its 96 map rows are missing."},
      {kQuest, "cut inside the last map row",
       [] {
         std::string q = Upto(Quest(), "| End of file.");
         return q.substr(0, q.size() - 40);
       },
       true, nullptr},
      {kQuest, "only carriage returns end its lines",
       [] { return ReplaceAll(Quest(), "\n", "\r"); }, false, "its map part is missing."},
      {kQuest, "carriage return and line feed end its lines",
       [] { return ReplaceAll(Quest(), "\n", "\r\n"); }, true, "Maps loaded."},
      {kQuest, "a board of 99 x -4 and objective 40",
       [] {
         return SetLine(SetLine(Quest(), "map w,h", "map w,h   99,-4"), "qstdata",
                        "qstdata   40,12,0,0,0,0");
       },
       true, "Quest header: values out of range were reset."},
      {kQuest, "an object of side 77",
       [] { return Replace(Quest(), "property  3,", "property  77,"); }, true,
       "unknown side 77, object set to static."},
      {kQuest, "a tile naming object 250",
       [] { return SetMapRow(Quest(), "| Object map:", 0, "250," + std::string(25 * 4, '0')); },
       true, "Maps: 1 tiles named no object, cleared."},
      {kQuest, "zero bytes inside texts and rows",
       [] { return ReplaceAll(Quest(), "000,", std::string("0\0\0,", 4)); }, true, "Maps loaded."},
      {kQuest, "a comment line 20000 characters long",
       [] { return Replace(Quest(), "|\n", "|" + std::string(20000, 'x') + "\n"); }, true,
       "Maps loaded."},
      // Saved games.
      {kSavedGame, "the turn of object 300",
       [] { return SetLine(Save(), "savdata", "savdata   0,300,1,4,0,0"); }, true,
       "Quest header: values out of range were reset."},
      {kSavedGame, "cut inside the visibility map",
       [] { return Upto(Save(), "| Look/Walk script map:"); }, false,
       "19 of its 96 map rows are missing."},
      {kSavedGame, "the script map names a slot no object holds",
       [] { return SetMapRow(Save(), "| Look/Walk script map:", 2, "199," + std::string(25 * 4, '0')); },
       true, "Maps: 1 tiles named no object, cleared."},
      {kSavedGame, "binary garbage after a whole header",
       [] { return Upto(Save(), "| 1\n") + Garbage(4000, 97); }, false,
       "its map part is missing."},
      // The prefab file, read at start-up.
      {kPrefabs, "an older format", [] { return Replace(Prefabs(), "QPF102", "QPF101"); }, false,
       "Fatal error while loading Dunmar.qpf!"},
      {kPrefabs, "only its first line", [] { return std::string("QPF102\n"); }, false,
       "Fatal error while loading Dunmar.qpf!"},
      {kPrefabs, "cut inside its first prefab",
       [] { return Prefabs().substr(0, Prefabs().find("scripttxt")); }, false,
       "Fatal error while loading Dunmar.qpf!"},
      {kPrefabs, "a prefab of side 99",
       [] { return Replace(Prefabs(), "property  3,", "property  99,"); }, true,
       "unknown side 99, prefab set to static."},
      {kPrefabs, "UTF-16 text", [] { return Utf16(Prefabs()); }, false,
       "Fatal error while loading Dunmar.qpf!"},
      // dunmar.cfg: what the Hall of Fame shows.
      {kConfig, "binary garbage", [] { return Garbage(3000, 31); }, true, "Halberdier"},
      {kConfig, "experience raised by hand",
       [] { return std::string("[hallfame0]\nname = Aldric\nexperience = 99999\n"); }, true,
       "Checksum Error!"},
      {kConfig, "a section that never closes",
       [] { return std::string("[hallfame0\nname = Aldric\n[general\nbpp = 8\n"); }, true,
       "Halberdier"},
      {kConfig, "a name of 300 characters",
       [] {
         HallOfFameEntry e = DefaultHallOfFameEntry(0);
         return "[hallfame0]\nname = " + std::string(300, 'Z') +
                "\nchecksum = " + std::to_string(HallOfFameChecksum(e) - 'H' + 'Z') + "\n";
       },
       true, "ZZZZZZZZZZZZZZZZZ"},
      {kConfig, "zero bytes and carriage returns",
       [] { return std::string("[general]\rbpp = 1\0 6\r\n[hallfame3]\0name = x\n", 39); }, true,
       "Halberdier"},
      // The manual.
      {kManual, "a folder in its place", [] { return std::string(); }, false, "  Read Error:  "},
      {kManual, "UTF-16 text", [] { return Utf16("<BODY>Dunmarrow<P>"); }, true,
       "Dunmar.htm is damaged: a zero byte ends its text at byte 3 of 38."},
      {kManual, "a body tag cut off at the end", [] { return std::string("<HTML><BO"); }, true,
       nullptr},
      {kManual, "a word wider than the window",
       [] { return "<BODY>" + std::string(3000, 'W') + " end"; }, true, nullptr},
      // The datafile, read at start-up.
      {kDatafile, "an empty file", [] { return std::string(); }, false,
       "Fatal error while loading Dunmar.dat!"},
      {kDatafile, "a text file", [] { return Prefabs(); }, false,
       "Fatal error while loading Dunmar.dat!"},
      {kDatafile, "cut in half", [] { return Datafile().substr(0, Datafile().size() / 2); },
       false, "Fatal error while loading Dunmar.dat!"},
      {kDatafile, "cut after its first bytes", [] { return Datafile().substr(0, 12); }, false,
       "Fatal error while loading Dunmar.dat!"},
  };
  for (const DamagedFile& f : files) {
    SCOPED_TRACE(f.what);
    const char* names[] = {"damaged.qst", "damaged.sav", "Dunmar.qpf", "dunmar.cfg",
                           "Dunmar.htm", "Dunmar.dat"};
    std::string path = dir.File(names[f.kind]);
    remove(path.c_str());
    if (f.kind == kManual && std::string(f.what) == "a folder in its place")
      ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
    else
      WriteText(path, f.bytes());
    TestPlatform().Reset();
    gPrinted.clear();
    EXPECT_EQ(ReadAsTheGameDoes(f, path), f.accepted);
    std::vector<std::string> shown = gPrinted;
    for (const RecordedAlert& a : TestPlatform().alerts)
      for (const std::string& l : {a.l1, a.l2, a.l3}) shown.push_back(l);
    if (f.message) {
      bool found = false;
      for (const std::string& l : shown) found = found || l.find(f.message) != std::string::npos;
      EXPECT_TRUE(found) << "never shown: " << f.message;
    }
    if (f.kind == kQuest || f.kind == kSavedGame) {
      EXPECT_EQ(QuestLoaded == 1 && MapRowsMissing == 0, f.accepted) << "half-loaded";
    }
    if (f.kind == kManual && f.what == std::string("a folder in its place")) rmdir(path.c_str());
  }
}

}  // namespace
