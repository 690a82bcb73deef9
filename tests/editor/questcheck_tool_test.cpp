// The questcheck command-line tool, run as a quest's author would run it from the
// program folder.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "quest/prefab_file.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

#include "fixture_quest.h"

namespace {

using namespace fixture;

struct ToolRun {
  int code;
  std::string out, err;
};

std::string Shipped(const std::string& file) {
  return std::string(DUNMARROW_SOURCE_DIR) + "/data/quests/" + file;
}

class QuestcheckTool : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InstallShippedMaterial()) << "build the game first";
  }
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    tool_ = std::string(DUNMARROW_GAME_DIR) + "/questcheck";
    ASSERT_EQ(access(tool_.c_str(), X_OK), 0) << tool_ << " is missing: build the questcheck target";
    TestPlatform().Reset();
  }
  void TearDown() override { ResetQuest(true); }

  ToolRun Run(const std::string& args) {
    const std::string out = folder_.File("stdout"), err = folder_.File("stderr");
    const std::string cmd = "'" + tool_ + "' " + args + " >'" + out + "' 2>'" + err + "' </dev/null";
    int status = system(cmd.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
  }

  // The fixture quest with three faults: a red door without a key, a campaign's
  // missing second chapter, and an object of a side the reader does not know.
  std::string WriteFaultyQuest() {
    BuildBase();
    ObjectTable[Goblin].inventory[kInvRedKeys] = 0;
    QuestHeader.chapters = 2;
    std::string path = folder_.File("fixture.qst");
    EXPECT_EQ(SaveQuestFile(path.c_str(), 0), kSaveDone);
    std::string text = ReadText(path);
    const std::string skeleton = "name      Skeleton\nproperty  4,";
    size_t at = text.find(skeleton);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) text.replace(at, skeleton.size(), "name      Skeleton\nproperty  13,");
    WriteText(path, text);
    ResetQuest(true);
    return path;
  }

  TempFolder folder_;
  std::string tool_;
};

// Every quest the game ships: the stand-alone ones and each chapter of the campaigns.
TEST_F(QuestcheckTool, ShippedQuestsAreClean) {
  std::string args;
  int files = 0;
  if (DIR* d = opendir(Shipped("").c_str())) {
    while (dirent* e = readdir(d))
      if (e->d_name[0] != '.') {
        args += " '" + Shipped(e->d_name) + "'";
        files++;
      }
    closedir(d);
  }
  ASSERT_GE(files, 4);
  ToolRun r = Run(args);
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
}

TEST_F(QuestcheckTool, FindingsComeOneALineAndExitWithOne) {
  std::string path = WriteFaultyQuest();
  ToolRun r = Run("'" + Shipped("lanterncrypt.qst") + "' '" + path + "'");
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_EQ(r.out,
            path + ": while reading: Object 8: unknown side 13, object set to static.\n" +
            path + ":3,6: the red door between 3,5 and 3,6 has no key: nothing carries a red key\n" +
            path + ": chapter 2 of 2 follows, but its file fixture.q02 is missing\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(QuestcheckTool, UnreadableFileExitsWithTwoAndTheRestIsStillChecked) {
  std::string faulty = WriteFaultyQuest();
  WriteText(folder_.File("empty.qst"), "");
  const std::string missing = folder_.File("missing.qst"), empty = folder_.File("empty.qst");
  ToolRun r = Run("'" + missing + "' '" + faulty + "' '" + empty + "'");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("questcheck: " + missing + ": cannot be read: No such file or directory\n"),
            std::string::npos) << r.err;
  EXPECT_NE(r.err.find("questcheck: " + empty + ": cannot be read: not a quest file"),
            std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3) << r.out;
}

TEST_F(QuestcheckTool, BadArgumentsExitWithTwoAndHelpExplains) {
  for (const char* args : {"", "--strict x.qst"}) {
    ToolRun r = Run(args);
    EXPECT_EQ(r.code, 2) << args;
    EXPECT_NE(r.err.find("usage: questcheck"), std::string::npos) << args << ": " << r.err;
  }
  ToolRun help = Run("--help");
  EXPECT_EQ(help.code, 0);
  for (const char* word : {"FILE:x,y: message", "Exit codes", "heroes", "key", "hatch", "script",
                           "rock", "chapter", "Dunmar.dat"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

}  // namespace
