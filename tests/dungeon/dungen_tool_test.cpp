// The dungen command-line tool, run as the player would run it from the program folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dungeon/dungeon_content.h"
#include "layout_support.h"
#include "level_support.h"
#include "quest/quest_file.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

struct ToolRun {
  int code;
  std::string out, err;
};

// The file without its comment lines (one of them carries the date).
std::string WithoutComments(const std::string& text) {
  std::istringstream in(text);
  std::string line, kept;
  while (std::getline(in, line))
    if (line.empty() || line[0] != '|') kept += line + "\n";
  return kept;
}

class Dungen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    dir_ = folder_.path();
    tool_ = std::string(DUNMARROW_GAME_DIR) + "/dungen";
    ASSERT_EQ(access(tool_.c_str(), X_OK), 0) << tool_ << " is missing: build the dungen target";
  }
  void TearDown() override {
    ResetQuest(true);
  }

  ToolRun RunTool(const std::string& args, const std::string& tool = "") {
    const std::string out = dir_ + "/stdout", err = dir_ + "/stderr";
    const std::string cmd = "'" + (tool.empty() ? tool_ : tool) + "' " + args + " >'" + out +
                            "' 2>'" + err + "' </dev/null";
    int status = system(cmd.c_str());
    ToolRun r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    return r;
  }

  TempFolder folder_;
  std::string dir_, tool_;
};

TEST_F(Dungen, BadArgumentsExitWithTwoAndSayWhy) {
  struct Case {
    const char* args;
    const char* says;
  } const cases[] = {
      {"", "no seed"},
      {"OUT.qst", "no seed"},
      {"--seedbase 5 OUT.qst", "no level given"},
      {"--level 5 OUT.qst", "no seed base given"},
      {"--up OUT.qst", "no seed base given"},
      {"--seed 5 --seedbase 5 --level 1 OUT.qst", "not both"},
      {"--seed 5 --clock 9 OUT.qst", "not both"},
      {"--seedbase 5 --level 1 --outdoors OUT.qst", "never outdoors"},
      {"--seedbase 5 --level 1 --up --mode 2 OUT.qst", "--up builds mode 1"},
      {"--seedbase 0 --level 1 OUT.qst", "bad value"},
      {"--seedbase 1000000 --level 1 OUT.qst", "bad value"},
      {"--seedbase 5 --level 0 OUT.qst", "bad value"},
      {"--seedbase 5 --level 128 OUT.qst", "bad value"},
      {"--seedbase 5 --level 1 --mode 3 OUT.qst", "bad value"},
      {"--seedbase 5 --level 1 --lastlevel 0 OUT.qst", "bad value"},
      {"--seedbase 5 --level 1 --clock -1 OUT.qst", "bad value"},
      {"--seedbase 5 --level 1", "no output file"},
      {"--seed 5", "no output file"},
      {"--seed", "missing value for: --seed"},
      {"--seed abc OUT.qst", "bad value"},
      {"--seed 12x OUT.qst", "bad value"},
      {"--seed 0 OUT.qst", "bad value"},
      {"--seed -3 OUT.qst", "bad value"},
      {"--seed 99999999999 OUT.qst", "bad value"},
      {"--seed 5 --randomness 101 OUT.qst", "bad value"},
      {"--seed 5 --clrdeadend -1 OUT.qst", "bad value"},
      {"--seed 5 --hiddendoor OUT.qst", "bad value"},
      {"--seed 5 --hiddendoor", "missing value"},
      {"--seed 5 --walls 3 OUT.qst", "unknown option: --walls"},
      {"--seed 5 A.qst B.qst", "more than one output file"},
  };
  for (const Case& c : cases) {
    ToolRun r = RunTool(c.args);
    EXPECT_EQ(r.code, 2) << c.args;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << " said: " << r.err;
    EXPECT_NE(r.err.find("usage: dungen"), std::string::npos) << c.args;
  }
  struct stat st;
  EXPECT_NE(stat((dir_ + "/OUT.qst").c_str(), &st), 0) << "nothing is written on bad arguments";
}

TEST_F(Dungen, HelpExplainsTheOptions) {
  ToolRun r = RunTool("--help");
  EXPECT_EQ(r.code, 0);
  for (const char* word : {"--seed", "--outdoors", "--randomness", "--clrdeadend", "--hiddendoor",
                           "dunmar.cfg", "--seedbase", "--level", "--up", "--mode", "--lastlevel",
                           "--clock", "Dunmar.qpf", "Dunmar.dat"})
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

TEST_F(Dungen, SameSeedWritesTheSameLayersAndReplacesTheOldFile) {
  const std::string a = dir_ + "/a.qst", b = dir_ + "/b.qst";
  ASSERT_EQ(RunTool("--seed 8080 " + a).code, 0);
  ASSERT_EQ(RunTool("--seed 8080 " + b).code, 0);
  EXPECT_EQ(WithoutComments(ReadFile(a)), WithoutComments(ReadFile(b)));
  // Writing over an existing file asks nothing (stdin is closed) and succeeds.
  ToolRun again = RunTool("--seed 8081 " + b);
  EXPECT_EQ(again.code, 0) << again.err;
  EXPECT_NE(WithoutComments(ReadFile(a)), WithoutComments(ReadFile(b)));
}

// The tool's layers, loaded back, equal the ones the game builds in memory.
void ExpectFileHoldsLayout(const std::string& path, int seed, const LayoutOptions& o) {
  TestPlatform().Reset();
  ASSERT_EQ(LoadQuest(path.c_str()), 0);
  EXPECT_EQ(QuestLoaded, 1);
  EXPECT_TRUE(TestPlatform().alerts.empty()) << TestPlatform().alerts[0].l1;
  const std::vector<int> loaded = Layers();
  BuildLayout(seed, o);
  EXPECT_EQ(loaded, Layers()) << path;
}

TEST_F(Dungen, WrittenQuestLoadsWithTheGeneratedLayers) {
  struct Case {
    const char* args;
    int seed;
    LayoutOptions o;
  } const cases[] = {
      {"--seed 123", 123, {}},
      {"--seed 77 --randomness 0 --clrdeadend 100 --hiddendoor 50", 77, {0, 100, 50}},
      {"--outdoors --seed 4242", 4242, {40, 0, 5, true}},
  };
  for (const Case& c : cases) {
    const std::string path = dir_ + "/q.qst";
    ToolRun r = RunTool(std::string(c.args) + " " + path);
    ASSERT_EQ(r.code, 0) << c.args << ": " << r.err;
    ExpectFileHoldsLayout(path, c.seed, c.o);
  }
}

TEST_F(Dungen, DungeonSectionOfTheConfigBesideTheProgramApplies) {
  // A copy of the tool in a folder of its own, with its own dunmar.cfg.
  const std::string tool = dir_ + "/dungen";
  ASSERT_EQ(system(("cp '" + tool_ + "' '" + tool + "'").c_str()), 0);
  std::ofstream(dir_ + "/dunmar.cfg") << "[dungeon]\nrandomness = 0\nclrdeadend = 100\n"
                                         "hiddendoor = 60\n";
  const std::string path = dir_ + "/c.qst";
  ASSERT_EQ(RunTool("--seed 99 " + path, tool).code, 0);
  ExpectFileHoldsLayout(path, 99, {0, 100, 60});
  // An option on the command line wins over the file.
  ASSERT_EQ(RunTool("--seed 99 --hiddendoor 0 " + path, tool).code, 0);
  ExpectFileHoldsLayout(path, 99, {0, 100, 0});
  // The file is only read, never rewritten.
  EXPECT_EQ(ReadFile(dir_ + "/dunmar.cfg"),
            "[dungeon]\nrandomness = 0\nclrdeadend = 100\nhiddendoor = 60\n");
}

// A level written by the tool is the level the game builds in memory: the same
// layers, the same objects on the same tiles, the Magic Dungeon's header.
TEST_F(Dungen, LevelFileHoldsTheLevelTheGameBuilds) {
  ASSERT_TRUE(LoadLevelMaterial()) << "build the game target";
  struct Case {
    const char* args;
    int seedBase, level, mode, lastLevel;
    const char* says;
  } const cases[] = {
      {"--seedbase 777777 --level 10", 777777, 10, kContentDescending, 20,
       "seed base 777777 level 10 mode 2: 1 layout attempt,"},
      {"--seedbase 424242 --level 10 --up", 424242, 10, kContentGoingUp, 20, "mode 1"},
      {"--seedbase 4242 --level 5 --mode 0", 4242, 5, kContentEditor, 20, "mode 0"},
      {"--seedbase 64910 --level 11 --mode 2", 64910, 11, kContentDescending, 20,
       "2 layout attempts"},
      {"--seedbase 31 --level 30 --lastlevel 40", 31, 30, kContentDescending, 40, "level 30"},
  };
  const std::string path = dir_ + "/level.qst";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    ToolRun r = RunTool(std::string(c.args) + " --clock 1234567890 " + path);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;

    SetDefaultGameOptions();
    GameOptions.lastlevel = c.lastLevel;
    PinWallClock(1234567890);
    ResetQuest(true);
    SetUpMagicDungeonHeader(c.seedBase, c.lastLevel);
    ASSERT_EQ(buildDungeonLevel(c.level, c.mode), kLevelBuilt);
    UnpinWallClock();
    SetDefaultGameOptions();
    const std::vector<int> layers = FloorAndDoors();
    const std::vector<SeenObject> objects = ObjectsOn(ObjectMap);

    TestPlatform().Reset();
    ASSERT_EQ(LoadQuest(path.c_str()), 0);
    EXPECT_EQ(QuestLoaded, 1);
    EXPECT_EQ(FloorAndDoors(), layers);
    EXPECT_EQ(ObjectsOn(ObjectMap), objects);
    EXPECT_STREQ(QuestHeader.series, "dungeon");
    EXPECT_EQ(std::string(QuestHeader.quest), "Magic Dungeon level " + std::to_string(c.level));
    EXPECT_EQ(QuestHeader.chapter, c.level);
    EXPECT_EQ(QuestHeader.chapters, c.lastLevel);
    EXPECT_EQ(QuestHeader.qstdata[kQuestDungeonSeedBase], c.seedBase);
  }
  UnloadGameData();
}

TEST_F(Dungen, ALevelWithoutThePrefabTableOrDatafileFailsWithOne) {
  // A copy of the tool in a folder of its own, first without either file.
  const std::string tool = dir_ + "/dungen";
  ASSERT_EQ(system(("cp '" + tool_ + "' '" + tool + "'").c_str()), 0);
  ToolRun r = RunTool("--seedbase 5 --level 1 " + dir_ + "/x.qst", tool);
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("no prefab table"), std::string::npos) << r.err;
  ASSERT_EQ(system(("cp '" + std::string(DUNMARROW_GAME_DIR) + "/Dunmar.qpf' '" + dir_ + "/'")
                       .c_str()),
            0);
  r = RunTool("--seedbase 5 --level 1 " + dir_ + "/x.qst", tool);
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("no datafile"), std::string::npos) << r.err;
  // A prefab table without stairs up cannot furnish a descent: the tool says why.
  ASSERT_EQ(system(("cp '" + std::string(DUNMARROW_GAME_DIR) + "/Dunmar.dat' '" + dir_ + "/'")
                       .c_str()),
            0);
  std::string table = ReadFile(dir_ + "/Dunmar.qpf");
  const size_t up = table.find("name      Stairs Up");
  ASSERT_NE(up, std::string::npos);
  table.replace(up, 19, "name      #");
  std::ofstream(dir_ + "/Dunmar.qpf", std::ios::trunc) << table;
  r = RunTool("--seedbase 5 --level 1 " + dir_ + "/x.qst", tool);
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("has no stairs up (prefab 52, picture 52)"), std::string::npos) << r.err;
  struct stat st;
  EXPECT_NE(stat((dir_ + "/x.qst").c_str(), &st), 0) << "nothing is written";
  // The editor's content needs no stairs up.
  r = RunTool("--seedbase 5 --level 1 --mode 0 " + dir_ + "/x.qst", tool);
  EXPECT_EQ(r.code, 0) << r.err;
}

TEST_F(Dungen, UnwritablePathFailsWithOne) {
  ToolRun r = RunTool("--seed 5 " + dir_ + "/no/such/folder/x.qst");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("could not write"), std::string::npos) << r.err;
}

}  // namespace
