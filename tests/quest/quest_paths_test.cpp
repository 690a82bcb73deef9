#include "quest/quest_paths.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/game_options.h"
#include "core/program_state.h"
#include "quest/quest_file.h"
#include "render/message_line.h"

namespace {

class QuestPath : public ::testing::Test {
 protected:
  void SetUp() override {
    strcpy(keepQuests, QuestsDir);
    strcpy(keepSaves, SavesDir);
    strcpy(QuestsDir, "/games/Dunmarrow/quests/");
    strcpy(SavesDir, "/games/Dunmarrow/saves/");
    GameOptions.developer = 0;
  }
  void TearDown() override {
    strcpy(QuestsDir, keepQuests);
    strcpy(SavesDir, keepSaves);
    GameOptions.developer = 0;
  }
  char keepQuests[1024], keepSaves[1024];
};

}  // namespace

TEST_F(QuestPath, NamesNumbersAndFolders) {
  const std::string q = "/games/Dunmarrow/quests/", s = "/games/Dunmarrow/saves/";
  struct Case {
    const char* name;
    int number;
    std::string expected;
  } cases[] = {
      {"Barrow", 1, q + "barrow.qst"},
      {"Barrow", 2, q + "barrow.q02"},
      {"Barrow", 9, q + "barrow.q09"},
      {"Barrow", 20, q + "barrow.q20"},
      {"Barrow", -1, s + "barrow.sav"},
      {"Barrow", 0, "barrow"},
      {"Barrow", 100, q + "barrow"},
      {"Barrow", -5, s + "barrow"},
      {"Dragon.Keep.qst", 1, q + "dragon.keep.qst"},
      {"Dragon.Keep", 1, q + "dragon.keep"},  // "keep" counts as its extension
      {"odd. name", 3, q + "odd. name.q03"},  // an extension starting with a blank
      {"Barrow.QST", 1, q + "barrow.qst"},
      {"sub/Crypt", 1, q + "sub/crypt.qst"},
      {"c:\\Quests\\Abc", 1, "c:\\quests\\abc.qst"},
      {"/home/Player/My Quests/Dragon.QST", 1, "/home/Player/My Quests/dragon.qst"},
      {"/home/Player/saved/Run", -1, "/home/Player/saved/run.sav"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::string(BuildQuestPath(c.name, c.number)), c.expected)
        << c.name << " " << c.number;
    EXPECT_STREQ(LineBuffer, c.expected.c_str());
  }
}

TEST_F(QuestPath, LongNamesAreCut) {
  std::string name(700, 'a');
  std::string built = BuildQuestPath(name.c_str(), 0);
  EXPECT_EQ(built.size(), 511u);
}

TEST_F(QuestPath, DeveloperModeShowsTheCheckedName) {
  MessageBuffer[0] = '\0';
  BuildQuestPath("Barrow", 2);
  EXPECT_STREQ(MessageBuffer, "");
  GameOptions.developer = 1;
  BuildQuestPath("Barrow", 2);
  EXPECT_STREQ(MessageBuffer, "check_filename:/games/Dunmarrow/quests/barrow.q02 2");
}

TEST_F(QuestPath, AnExistingFileWithCapitalsIsFound) {
  char dir[] = "/tmp/questpathXXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  snprintf(QuestsDir, sizeof QuestsDir, "%s/", dir);
  std::string mixed = std::string(dir) + "/Old Crypt.qst";
  FILE* f = fopen(mixed.c_str(), "w");
  ASSERT_NE(f, nullptr);
  fclose(f);
  // Found as it is on disk, although new names are written in lower case.
  EXPECT_EQ(std::string(BuildQuestPath("Old Crypt", 1)), mixed);
  EXPECT_EQ(std::string(BuildQuestPath("New Crypt", 1)), std::string(dir) + "/new crypt.qst");
  remove(mixed.c_str());
  rmdir(dir);
}
