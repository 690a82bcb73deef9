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

#include "layout_support.h"
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
                           "dunmar.cfg"})
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

TEST_F(Dungen, UnwritablePathFailsWithOne) {
  ToolRun r = RunTool("--seed 5 " + dir_ + "/no/such/folder/x.qst");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("could not write"), std::string::npos) << r.err;
}

}  // namespace
