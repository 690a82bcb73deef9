// The questbot tool, run as a quest author runs it from the program folder: the shipped
// quests are won often enough, a quest that cannot be won never is, the same seed gives
// the same log, and bad arguments or a damaged quest end with 2.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "bot_board.h"
#include "quest/quest_file.h"
#include "support/temp_folder.h"

namespace {

struct ToolRun {
  int code;
  std::string out, err;
};

std::string DataQuest(const std::string& file) {
  return std::string(DUNMARROW_SOURCE_DIR) + "/data/quests/" + file;
}

// The summary line of a quest (the last line the tool printed for it).
std::string SummaryOf(const std::string& out, const std::string& quest) {
  std::istringstream in(out);
  std::string line, found;
  while (std::getline(in, line))
    if (line.rfind(quest + ": ", 0) == 0) found = line;
  return found;
}

class Questbot : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    tool_ = std::string(DUNMARROW_GAME_DIR) + "/questbot";
    ASSERT_EQ(access(tool_.c_str(), X_OK), 0) << tool_ << " is missing: build the questbot target";
  }
  void TearDown() override { ResetQuest(true); }

  ToolRun Run(const std::string& args) {
    const std::string out = folder_.File("stdout"), err = folder_.File("stderr");
    const std::string cmd =
        "'" + tool_ + "' " + args + " >'" + out + "' 2>'" + err + "' </dev/null";
    int status = system(cmd.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
  }

  TempFolder folder_;
  std::string tool_;
};

TEST_F(Questbot, BadArgumentsExitWithTwoAndSayWhy) {
  const std::string quest = DataQuest("lanterncrypt.qst");
  struct Case {
    std::string args;
    const char* says;
  } const cases[] = {
      {"", "no quest given"},
      {"--games 0 " + quest, "bad value"},
      {"--games x " + quest, "bad value"},
      {"--seed -1 " + quest, "bad value"},
      {"--max-rounds 0 " + quest, "bad value"},
      {"--require-win 101 " + quest, "bad value"},
      {"--preset hard " + quest, "bad value"},
      {"--log", "missing value for: --log"},
      {"--campain " + quest, "unknown option: --campain"},
      {"--levels 5 " + quest, "--levels needs --dungeon"},
      {"--dungeon --levels 0", "bad value"},
      {"--dungeon --levels 128", "bad value"},
      {"--dungeon " + quest, "--dungeon takes no quest"},
      {"--dungeon --campaign", "exclude each other"},
  };
  for (const Case& c : cases) {
    ToolRun r = Run(c.args);
    EXPECT_EQ(r.code, 2) << c.args;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << " said: " << r.err;
    EXPECT_NE(r.err.find("usage: questbot"), std::string::npos) << c.args;
    EXPECT_EQ(r.out, "") << "nothing is played on bad arguments";
  }
}

TEST_F(Questbot, HelpExplainsEveryOption) {
  ToolRun r = Run("--help");
  EXPECT_EQ(r.code, 0);
  for (const char* word : {"--games", "--seed", "--max-rounds", "--preset", "classic", "--log",
                           "--require-win", "--campaign", "--dungeon", "--levels",
                           "Exit codes", "round limit"})
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

TEST_F(Questbot, UnreadableOrDamagedQuestsExitWithTwo) {
  // The shipped quest cut off in the middle of its map part.
  const std::string whole = ReadText(DataQuest("lanterncrypt.qst"));
  const size_t map = whole.find("# map data:");
  ASSERT_NE(map, std::string::npos);
  WriteText(folder_.File("cut.qst"), whole.substr(0, map + (whole.size() - map) / 2));
  WriteText(folder_.File("letter.qst"), "Dear adventurer,\nthis is not a quest.\n");
  struct Case {
    std::string file;
    const char* says;
  } const cases[] = {
      {folder_.File("cut.qst"), "map rows are missing"},
      {folder_.File("letter.qst"), "not a quest file"},
      {folder_.File("missing.qst"), "file not found"},
  };
  for (const Case& c : cases) {
    // Listed after a good quest: nothing is played unless every quest can be.
    ToolRun r = Run("--games 1 " + DataQuest("lanterncrypt.qst") + " " + c.file);
    EXPECT_EQ(r.code, 2) << c.file;
    EXPECT_NE(r.err.find("cannot play " + c.file + ": "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(Questbot, TheSameSeedWritesTheSameLog) {
  const std::string quest = DataQuest("wintercrown.q02");
  const std::string a = folder_.File("a.log"), b = folder_.File("b.log");
  ToolRun first = Run("--seed 7 --games 5 --log '" + a + "' " + quest);
  ToolRun second = Run("--seed 7 --games 5 --log '" + b + "' " + quest);
  ASSERT_EQ(first.code, 0) << first.err;
  ASSERT_EQ(second.code, 0) << second.err;
  const std::string log = ReadText(a);
  EXPECT_EQ(log, ReadText(b));
  EXPECT_EQ(first.out, second.out);
  // One line per game with its seed, then the summary.
  for (int i = 0; i < 5; i++)
    EXPECT_NE(first.out.find(quest + " game " + std::to_string(i) + " seed " +
                             std::to_string(7 + i) + ": "),
              std::string::npos)
        << first.out;
  EXPECT_NE(SummaryOf(first.out, quest).find("5 games"), std::string::npos) << first.out;
  // The log holds the actions and what came of them.
  for (const char* part : {"game 0 seed 7 ", " turn at ", ": ENTER attack ", " -> ",
                           "game 4 end: "})
    EXPECT_NE(log.find(part), std::string::npos) << part;
}

// The Magic Dungeon from level 1: each game tells the deepest level its hero reached,
// and the same seed plays the same descent (the monsters' reseed takes the game's seed
// for the time).
TEST_F(Questbot, TheDungeonReportsTheDeepestLevelOfEachGame) {
  ToolRun first = Run("--dungeon --levels 3 --games 3 --seed 4");
  ToolRun second = Run("--dungeon --levels 3 --games 3 --seed 4");
  ASSERT_EQ(first.code, 0) << first.err;
  EXPECT_EQ(first.out, second.out);
  for (int i = 0; i < 3; i++) {
    const std::string game = "Magic Dungeon game " + std::to_string(i) + " seed " +
                             std::to_string(4 + i) + ": deepest level ";
    const size_t at = first.out.find(game);
    ASSERT_NE(at, std::string::npos) << first.out;
    const int level = atoi(first.out.c_str() + at + game.size());
    EXPECT_GE(level, 1);
    EXPECT_LE(level, 3);
    EXPECT_EQ(first.out.compare(at + game.size() + 1, 6, " of 3,"), 0) << first.out;
  }
  const std::string summary = SummaryOf(first.out, "Magic Dungeon");
  EXPECT_NE(summary.find("3 games"), std::string::npos) << first.out;
  EXPECT_NE(summary.find("median deepest level "), std::string::npos) << summary;
}

// The quests a player finds behind "PLAY QUEST", each chapter of the campaign on its
// own, are won by the bot in at least half of twenty games with the default rules.
class ShippedQuest : public Questbot, public ::testing::WithParamInterface<const char*> {};

TEST_P(ShippedQuest, IsWonInAtLeastHalfOfTwentyGames) {
  const std::string quest = DataQuest(GetParam());
  ToolRun r = Run("--games 20 --require-win 50 " + quest);
  const std::string summary = SummaryOf(r.out, quest);
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(summary.find("50% required: met"), std::string::npos) << r.out;
  std::cout << summary << "\n";
}

INSTANTIATE_TEST_SUITE_P(DataQuests, ShippedQuest,
                         ::testing::Values("lanterncrypt.qst", "wintercrown.qst",
                                           "wintercrown.q02", "wintercrown.q03"));

// The chapter lines a campaign game printed, in order: chapter, outcome, experience.
struct ChapterLine {
  int chapter;
  std::string outcome;
  long experience;
};
std::vector<ChapterLine> ChaptersOf(const std::string& out, const std::string& prefix) {
  std::vector<ChapterLine> found;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(prefix + " chapter ", 0) != 0) continue;
    ChapterLine c{};
    char outcome[32] = {};
    int rounds = 0, alive = 0;
    long gold = 0;
    const std::string rest = line.substr(prefix.size());
    EXPECT_EQ(sscanf(rest.c_str(), " chapter %d: %31[a-z ], %d rounds, %d heroes alive, %ld "
                                   "experience, %ld gold",
                     &c.chapter, outcome, &rounds, &alive, &c.experience, &gold),
              6)
        << line;
    c.outcome = outcome;
    found.push_back(c);
  }
  return found;
}

// The shipped campaign: every chapter in order with the party, which gains experience
// from chapter to chapter; --require-win counts whole campaigns.
TEST_F(Questbot, ACampaignIsPlayedChapterByChapterWithTheParty) {
  const std::string quest = DataQuest("wintercrown.qst");
  ToolRun r = Run("--campaign --games 2 --seed 1 --require-win 100 " + quest);
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  for (int game = 0; game < 2; game++) {
    const std::string prefix =
        quest + " game " + std::to_string(game) + " seed " + std::to_string(1 + game);
    std::vector<ChapterLine> chapters = ChaptersOf(r.out, prefix);
    ASSERT_EQ(chapters.size(), 3u) << r.out;
    for (int i = 0; i < 3; i++) {
      EXPECT_EQ(chapters[i].chapter, i + 1) << r.out;
      EXPECT_EQ(chapters[i].outcome, "victory") << r.out;
      if (i > 0) {
        EXPECT_GT(chapters[i].experience, chapters[i - 1].experience) << r.out;
      }
    }
    EXPECT_NE(r.out.find(prefix + ": all 3 chapters won"), std::string::npos) << r.out;
  }
  EXPECT_NE(SummaryOf(r.out, quest).find("2 games, 2 campaigns won (100%)"), std::string::npos)
      << r.out;
}

// A campaign whose second chapter is missing ends after the first, says why, and does
// not count as won.
TEST_F(Questbot, ACampaignEndsAtAMissingChapter) {
  const std::string quest = folder_.File("wintercrown.qst");
  WriteText(quest, ReadText(DataQuest("wintercrown.qst")));
  ToolRun r = Run("--campaign --games 1 --seed 1 --require-win 1 " + quest);
  EXPECT_EQ(r.code, 1) << r.out << r.err;
  const std::string prefix = quest + " game 0 seed 1";
  std::vector<ChapterLine> chapters = ChaptersOf(r.out, prefix);
  ASSERT_EQ(chapters.size(), 1u) << r.out;
  EXPECT_EQ(chapters[0].outcome, "victory");
  EXPECT_NE(r.out.find(prefix + ": the campaign ends here: " + folder_.File("wintercrown.q02") +
                       ": file not found"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find(prefix + ": furthest chapter won 1"), std::string::npos) << r.out;
  EXPECT_NE(SummaryOf(r.out, quest).find("0 campaigns won (0%)"), std::string::npos) << r.out;
  EXPECT_NE(SummaryOf(r.out, quest).find("1% required: FELL SHORT"), std::string::npos) << r.out;
}

// A hero without offence, shut in with an orc: he can never win.
void BuildHopelessQuest(const std::string& path) {
  RockBoard();
  Room(3, 3, 8, 8);
  QuestHeader.heroes[0] = kHeroInPlay;
  Piece(1, "Barbarian", kSideHero, 4, 4, {6, 0, 2, 4, 4});
  Piece(2, "Orc", kSideGreenskin, 7, 7, {4, 3, 2, 9, 2});
  ASSERT_EQ(SaveQuestFile(path.c_str(), 0), 0);
}

TEST_F(Questbot, AQuestThatCannotBeWonIsLostEveryTime) {
  const std::string quest = folder_.File("hopeless.qst");
  BuildHopelessQuest(quest);
  ToolRun r = Run("--games 10 --max-rounds 40 " + quest);
  EXPECT_EQ(r.code, 0) << r.err;
  const std::string summary = SummaryOf(r.out, quest);
  EXPECT_NE(summary.find("10 games, 0 victories (0%)"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find(": victory,"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find(": stuck,"), std::string::npos) << r.out;
  // Asked for a single victory in ten, it falls short.
  ToolRun shortfall = Run("--games 10 --max-rounds 40 --require-win 10 " + quest);
  EXPECT_EQ(shortfall.code, 1);
  EXPECT_NE(SummaryOf(shortfall.out, quest).find("10% required: FELL SHORT"), std::string::npos)
      << shortfall.out;
}

}  // namespace
