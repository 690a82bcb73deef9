#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "campaign/hall_of_fame.h"
#include "core/config_file.h"
#include "core/game_options.h"
#include "quest/quest_model.h"
#include "support/temp_folder.h"

namespace {

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cfg_ = dir_.File("dunmar.cfg");
    saved_ = GameOptions;
  }
  void TearDown() override {
    GameOptions = saved_;
    ResetHallOfFame();
    set_config_data("", 0);  // let go of the temporary file
  }
  // Reads the file as the game does at start-up.
  void Load(const std::string& text) {
    WriteText(cfg_, text);
    SelectConfigFile(cfg_.c_str());
    SetDefaultGameOptions();
    memset(&GameOptions, 0x55, sizeof GameOptions);  // every key must be set by the reader
    ReadGameOptions();
    ReadInterfaceColors();
    ReadHallOfFame();
  }
  // Writes everything back as the game does at exit.
  bool Save() {
    ConfigUpdate u;
    AddGameOptions(u);
    AddHallOfFame(u);
    return WriteConfig(cfg_.c_str(), u);
  }
  static std::vector<std::string> HallOfFameText() {
    std::vector<std::string> rows;
    for (const HallOfFameEntry& e : HallOfFame)
      rows.push_back(std::string(e.name) + "|" + e.quest + "|" + std::to_string(e.experience) +
                     "|" + std::to_string(e.gold) + "|" + std::to_string(e.kills) + "|" +
                     std::to_string(e.picture) + "|" + std::to_string(e.ID) + "|" +
                     std::to_string(e.checksum));
    return rows;
  }

  TempFolder dir_;
  std::string cfg_;
  GameOptionsRecord saved_;
};

TEST_F(ConfigFileTest, EmptyFileGivesEveryDefault) {
  Load("");
  const GameOptionsRecord& o = GameOptions;
  EXPECT_EQ(o.firstrun, 1);
  EXPECT_EQ(o.bpp, 32);
  EXPECT_EQ(o.fullscreen, 1);
  EXPECT_EQ(o.sound, 1);
  EXPECT_EQ(o.developer, 0);
  EXPECT_EQ(o.volume, 8);
  EXPECT_EQ(o.enemyrange, 20);
  EXPECT_EQ(o.multiturn, 1);
  EXPECT_EQ(o.swapmonsters, 0);
  EXPECT_EQ(o.altdice, 0);
  EXPECT_EQ(o.enemy1life, 0);
  EXPECT_EQ(o.fixedwalk, 1);
  EXPECT_EQ(o.passheroes, 1);
  EXPECT_EQ(o.targetheroes, 0);
  EXPECT_EQ(o.skirmish, 1);
  EXPECT_EQ(o.lastlevel, 20);
  EXPECT_EQ(o.randomness, 40);
  EXPECT_EQ(o.clrdeadend, 0);
  EXPECT_EQ(o.hiddendoor, 5);
  EXPECT_EQ(o.background, makecol(122, 108, 76));
  EXPECT_EQ(o.highlite, makecol(136, 0, 0));
}

TEST_F(ConfigFileTest, OnlyPlayableColourDepthsAreKept) {
  const struct {
    const char* stored;
    int expected;
  } cases[] = {{"8", 32}, {"15", 15}, {"16", 16}, {"24", 24}, {"32", 32},
               {"0", 32}, {"-16", 32}, {"64", 32}, {"deep", 32}};
  for (const auto& c : cases) {
    Load(std::string("[general]\nbpp = ") + c.stored + "\n");
    EXPECT_EQ(GameOptions.bpp, c.expected) << "bpp = " << c.stored;
  }
}

TEST_F(ConfigFileTest, ColoursAreStoredAsRgbWhateverTheDepth) {
  Load("[guicolor]\nbackground = 102030\nhighlite = garbage\n");
  EXPECT_EQ(GameOptions.background, makecol(0x10, 0x20, 0x30));
  EXPECT_EQ(GameOptions.highlite, makecol(136, 0, 0));  // unreadable: the default
  ConfigUpdate u;
  GameOptions.highlite = makecol(0xAB, 0xCD, 0xEF);
  AddGameOptions(u);
  ASSERT_TRUE(WriteConfig(cfg_.c_str(), u));
  EXPECT_NE(ReadText(cfg_).find("highlite = ABCDEF"), std::string::npos) << ReadText(cfg_);
  EXPECT_NE(ReadText(cfg_).find("background = 102030"), std::string::npos);
}

TEST_F(ConfigFileTest, GraphicsModeFailureChangesOneKey) {
  const struct {
    int fullscreen, bpp;
    const char* key;
    int value;
  } cases[] = {
      {1, 32, "bpp", 24}, {1, 24, "bpp", 16}, {1, 16, "bpp", 16},
      {1, 15, "bpp", 16}, {0, 32, "fullscreen", 1}, {0, 16, "fullscreen", 1},
  };
  for (const auto& c : cases) {
    ModeFallback f = GraphicsModeFallback(c.fullscreen, c.bpp);
    EXPECT_STREQ(f.key, c.key) << c.fullscreen << "/" << c.bpp;
    EXPECT_EQ(f.value, c.value) << c.fullscreen << "/" << c.bpp;
  }
}

TEST_F(ConfigFileTest, ModeFallbackWritesOnlyItsKey) {
  Load("[general]\nbpp = 24\nfullscreen = 1\nsound = 0\n\n[sound]\ndigi_card = 0\n");
  ASSERT_TRUE(StoreGraphicsModeFallback(cfg_.c_str(), GameOptions.fullscreen, GameOptions.bpp));
  EXPECT_EQ(get_config_int("general", "bpp", 0), 16);
  EXPECT_EQ(get_config_int("general", "fullscreen", 0), 1);
  EXPECT_EQ(get_config_int("general", "sound", 1), 0);
  EXPECT_EQ(get_config_int("sound", "digi_card", 1), 0);
  EXPECT_EQ(get_config_string("options", "volume", nullptr), nullptr);

  // A window that failed: the next start is full screen, the depth stays.
  Load("[general]\nbpp = 15\nfullscreen = 0\n");
  ASSERT_TRUE(StoreGraphicsModeFallback(cfg_.c_str(), GameOptions.fullscreen, GameOptions.bpp));
  EXPECT_EQ(ReadText(cfg_), "[general]\nbpp = 15\nfullscreen = 1\n");

  // A key new to its section stays in it when no blank line ends the section.
  Load("[general]\nfullscreen = 1\n[options]\nvolume = 4\n");
  ASSERT_TRUE(StoreGraphicsModeFallback(cfg_.c_str(), GameOptions.fullscreen, GameOptions.bpp));
  EXPECT_EQ(ReadText(cfg_), "[general]\nfullscreen = 1\nbpp = 24\n[options]\nvolume = 4\n");
}

TEST_F(ConfigFileTest, SettingsSurviveARestartAndForeignLinesStay) {
  Load("[sound]\ndigi_card = 0\n\n[general]\nbpp = 8\n");
  GameOptions.fixedwalk = 0;
  GameOptions.enemyrange = 7;
  GameOptions.lastlevel = 99;
  ConfigUpdate u;
  AddGameOptions(u);
  ASSERT_TRUE(WriteConfig(cfg_.c_str(), u));
  EXPECT_FALSE(FileExists(cfg_ + ".new"));

  GameOptionsRecord written = GameOptions;
  Load(ReadText(cfg_));
  EXPECT_EQ(memcmp(&GameOptions, &written, sizeof written), 0);
  EXPECT_EQ(GameOptions.bpp, 32);  // 8 was corrected on reading and stored as 32
  EXPECT_EQ(GameOptions.fixedwalk, 0);
  EXPECT_EQ(get_config_int("sound", "digi_card", 1), 0);
}

TEST_F(ConfigFileTest, FailedWriteKeepsThePreviousFile) {
  const std::string before = "[general]\nbpp = 16\nfirstrun = 3\n";
  Load(before);
  // The folder refuses new files; root ignores that, so the temporary name is taken
  // by a folder as well.
  mkdir((cfg_ + ".new").c_str(), 0755);
  WriteText(cfg_ + ".new/keep", "x");
  chmod(dir_.path().c_str(), 0555);
  ConfigUpdate u;
  u.SetInt("general", "bpp", 24);
  u.SetInt("general", "firstrun", 0);
  EXPECT_FALSE(WriteConfig(cfg_.c_str(), u));
  chmod(dir_.path().c_str(), 0755);
  EXPECT_EQ(ReadText(cfg_), before);
  EXPECT_EQ(get_config_int("general", "bpp", 0), 16);  // still reading the old file
}

TEST_F(ConfigFileTest, UnreadableFileIsNotReplaced) {
  // A name that cannot be opened (a link to itself) is not a missing file: writing a
  // fresh one over it would lose whatever the player keeps there.
  ASSERT_EQ(symlink("dunmar.cfg", cfg_.c_str()), 0);
  ConfigUpdate u;
  u.SetInt("general", "bpp", 24);
  EXPECT_FALSE(WriteConfig(cfg_.c_str(), u));
  struct stat st;
  ASSERT_EQ(lstat(cfg_.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_FALSE(FileExists(cfg_ + ".new"));
}

TEST_F(ConfigFileTest, TextsReadBackExactlyAndCannotBreakTheFileIntoLines) {
  const std::string texts[] = {
      "Bad\nname = x", "", " Leading", "Trailing ", "\x01Imp", "\tTab", "=Equals",
      "\"Quoted\"", "back\\slash \\\"", "\xC9lodie", "Plain text", "\"",
  };
  Load("");
  for (const std::string& t : texts) {
    ConfigUpdate u;
    u.SetString("hallfame0", "name", t.c_str());
    ASSERT_TRUE(WriteConfig(cfg_.c_str(), u)) << t;
    EXPECT_EQ(ReadConfigText("hallfame0", "name", "default"), t);
    EXPECT_EQ(ReadText(cfg_).find("\nname = x"), std::string::npos);
  }
  EXPECT_NE(ReadText(cfg_).find("name = \"\\\"\"\n"), std::string::npos) << ReadText(cfg_);
  WriteText(cfg_, "[hallfame0]\nname = Halberdier\n");  // as every older file has it
  SelectConfigFile(cfg_.c_str());
  EXPECT_EQ(ReadConfigText("hallfame0", "name", "default"), "Halberdier");
  EXPECT_EQ(ReadConfigText("hallfame0", "quest", "default"), "default");
}

TEST_F(ConfigFileTest, DamagedAndHandEditedFilesAreWrittenBack) {
  const struct {
    const char* what;
    std::string text;
    int volume;                     // as read from it
    std::vector<std::string> kept;  // the player's own lines
  } cases[] = {
      {"no blank lines",
       "[general]\nbpp = 16\nfullscreen = 0\nsound = 0\nfirstrun = 0\n[options]\nvolume = 4\n", 4,
       {}},
      {"a lone section", "[guicolor]", 8, {}},
      {"a lone section, line ended", "[guicolor]\n", 8, {}},
      {"trailing blanks", "[general]  \nbpp = 16 \t\n[options]\t\nvolume = 4   \n\t", 4, {}},
      {"comments",
       "# mine\n[general]\n# depth\nbpp = 16\n#fullscreen = 1\n# options next\n[options]\n"
       "volume = 4\n# end",
       4,
       {"# mine\n[general]\n# depth\nbpp = ", "#fullscreen = 1\n", "# options next\n[options]\n",
        "# end"}},
      {"unknown sections",
       "[sound]\ndigi_card = 0\n[general]\nbpp = 16\n[mine]\nkey = value\nvolume = 1\n"
       "[options]\nvolume = 4\n",
       4, {"[sound]\ndigi_card = 0\n", "[mine]\nkey = value\nvolume = 1\n"}},
      {"keys in odd order",
       "[options]\nvolume = 4\n[hallfame1]\nchecksum = 4573\npicture = 4\nname = Orla\nkills = 2\n"
       "quest = The Keep\ngold = 5\nexperience = 200\n[general]\nsound = 0\nbpp = 16\n",
       4, {}},
      {"names in other case, a section twice",
       "[GENERAL]\nBPP = 16\n[options]\nvolume = 4\n[General]\nFullScreen = 0\nmine = 1\n", 4,
       {"mine = 1\n"}},
      {"Windows line ends", "[general]\r\nbpp = 16\r\n[options]\r\nvolume = 4\r\n", 4, {}},
      // The reader takes the byte after the 5 for the end of the file.
      {"a byte the reader does not read as it stands",
       "[general]\nbpp = 16\n# 5\x80 a month\nfullscreen = 0\n[options]\nvolume = 4\n", 8,
       {"# 5\x80 a month\n"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Load(c.text);
    EXPECT_EQ(GameOptions.volume, c.volume);
    const GameOptionsRecord read = GameOptions;
    const std::vector<std::string> table = HallOfFameText();
    ASSERT_TRUE(Save());
    Load(ReadText(cfg_));
    EXPECT_EQ(memcmp(&GameOptions, &read, sizeof read), 0);
    EXPECT_EQ(HallOfFameText(), table);
    for (const std::string& line : c.kept)
      EXPECT_NE(ReadText(cfg_).find(line), std::string::npos) << line << "\n" << ReadText(cfg_);

    // Every key in its own section: changed values come back too, and writing them
    // once more changes nothing.
    for (int i = 0; i < kGameOptionKeyCount; i++) GameOptions.*kGameOptionKeys[i].field = 100 + i;
    GameOptions.bpp = 24;
    GameOptions.background = makecol(1, 2, 3);
    GameOptions.highlite = makecol(4, 5, 6);
    CopyText(HallOfFame[1].name, " Orla", kHallNameLen);
    const GameOptionsRecord changed = GameOptions;
    ASSERT_TRUE(Save());
    const std::string written = ReadText(cfg_);
    Load(written);
    EXPECT_EQ(memcmp(&GameOptions, &changed, sizeof changed), 0);
    EXPECT_STREQ(HallOfFame[1].name, " Orla");
    ASSERT_TRUE(Save());
    EXPECT_EQ(ReadText(cfg_), written);
  }
}

}  // namespace
