#include "core/user_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace {

TEST(UserFolders, ReadOnlyProgramFolderSendsEverythingToTheUsersFolders) {
  struct Case {
    const char* name;
    bool writable;
    const char *config, *data, *home;
    const char *wantCfg, *wantQuests, *wantSaves;
  } cases[] = {
      {"writable", true, "/x/cfg", "/x/data", "/home/a", "/opt/dm/dunmar.cfg", "/opt/dm/quests/",
       "/opt/dm/saves/"},
      {"xdg", false, "/x/cfg", "/x/data/", "/home/a", "/x/cfg/dunmarrow/dunmar.cfg",
       "/x/data/dunmarrow/quests/", "/x/data/dunmarrow/saves/"},
      {"home only", false, nullptr, nullptr, "/home/a/",
       "/home/a/.config/dunmarrow/dunmar.cfg", "/home/a/.local/share/dunmarrow/quests/",
       "/home/a/.local/share/dunmarrow/saves/"},
      {"relative xdg ignored", false, "cfg", "", "/home/a",
       "/home/a/.config/dunmarrow/dunmar.cfg", "/home/a/.local/share/dunmarrow/quests/",
       "/home/a/.local/share/dunmarrow/saves/"},
      {"no home at all", false, nullptr, nullptr, nullptr, "/opt/dm/dunmar.cfg",
       "/opt/dm/quests/", "/opt/dm/saves/"},
      {"config but no data", false, "/x/cfg", nullptr, nullptr, "/opt/dm/dunmar.cfg",
       "/opt/dm/quests/", "/opt/dm/saves/"},
  };
  for (const Case& c : cases) {
    ProgramFolders f = ChooseProgramFolders("/opt/dm/", c.writable, c.config, c.data, c.home);
    EXPECT_EQ(f.configFile, c.wantCfg) << c.name;
    EXPECT_EQ(f.questsDir, c.wantQuests) << c.name;
    EXPECT_EQ(f.savesDir, c.wantSaves) << c.name;
    EXPECT_EQ(f.inUserFolders, f.configFile != "/opt/dm/dunmar.cfg") << c.name;
  }
}

TEST(UserFolders, ShippedQuestsAreLinkedBesideThePlayersOwn) {
  TempFolder t;
  const std::string shipped = t.File("game/quests"), user = t.File("data/dunmarrow/quests/");
  ASSERT_TRUE(MakeFolderPath(shipped));
  ASSERT_TRUE(MakeFolderPath(user));
  EXPECT_TRUE(MakeFolderPath(user));  // again: it is there
  WriteText(shipped + "/keep.qst", "shipped keep");
  WriteText(shipped + "/keep.q02", "shipped chapter");
  WriteText(shipped + "/mine.qst", "shipped mine");
  WriteText(user + "mine.qst", "the player's own");
  // A link left by an older installation whose file went.
  ASSERT_EQ(symlink(t.File("gone/old.qst").c_str(), (user + "old.qst").c_str()), 0);
  WriteText(shipped + "/old.qst", "shipped old");

  EXPECT_EQ(LinkShippedQuests(shipped, user), 3);
  EXPECT_EQ(ReadText(user + "keep.qst"), "shipped keep");
  EXPECT_EQ(ReadText(user + "keep.q02"), "shipped chapter");
  EXPECT_EQ(ReadText(user + "old.qst"), "shipped old");
  EXPECT_EQ(ReadText(user + "mine.qst"), "the player's own");
  EXPECT_EQ(LinkShippedQuests(shipped, user), 0);  // the next start finds them all
  EXPECT_EQ(LinkShippedQuests(shipped, shipped + "/"), 0);
  EXPECT_EQ(LinkShippedQuests(t.File("nowhere"), user), 0);
}

}  // namespace
