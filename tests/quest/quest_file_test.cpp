#include "quest/quest_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/game_options.h"
#include "quest/quest_model.h"
#include "quest/quest_test_util.h"
#include "render/message_line.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

namespace {

const std::string kFixtures = std::string(DUNMARROW_SOURCE_DIR) + "/tests/quest/fixtures/";

class QuestFile : public ::testing::Test {
 protected:
  void SetUp() override {
    TestPlatform().Reset();
    GameOptions.developer = 0;
    MapDataReached = 0;
    ResetQuest(true);
    QuestHeader.savdata.CurrentObject = 0;
  }
  TempFolder dir;
};

// Runs ReadLine over text held in memory.
struct MemoryStream {
  explicit MemoryStream(const std::string& text) : data(text) {
    LineStream = fmemopen(data.empty() ? nullptr : &data[0], data.size(), "r");
    if (!LineStream) LineStream = fopen("/dev/null", "r");
    MapDataReached = 0;
  }
  ~MemoryStream() {
    fclose(LineStream);
    LineStream = nullptr;
  }
  std::string data;
};

std::string WithoutDateLine(const std::string& text) {
  std::vector<std::string> lines = SplitLines(text);
  std::string out;
  for (size_t i = 0; i < lines.size(); i++)
    if (i != 4) out += lines[i] + "\n";
  return out;
}

int LineIndex(const std::vector<std::string>& lines, const std::string& line) {
  for (size_t i = 0; i < lines.size(); i++)
    if (lines[i] == line) return static_cast<int>(i);
  return -1;
}

}  // namespace

// ---------------------------------------------------------------- ReadLine / WriteLine

struct ReadCase {
  const char* what;
  std::string text;
  int column;
  int result;
  std::vector<int> values;
  const char* lineText;
};

TEST(ReadLine, NumberFieldsAndKeywordColumn) {
  const ReadCase cases[] = {
      {"minus belongs to the number", "property  -3,100,2,0\n", 10, 0, {-3, 100, 2, 0}, "-3,100,2,0"},
      {"seven digits: sixth kept, seventh passed over", "qstdata   1234567,5\n", 10, 0,
       {123456, 0, 5, 0}, "1234567,5"},
      {"letter ends the conversion", "x         1a2,4\n", 10, 0, {1, 4}, "1a2,4"},
      {"blank then two digits", "x          12,3\n", 10, 0, {12, 3}, " 12,3"},
      {"empty value part", "briefing  \n", 10, 0, {0, 0}, ""},
      {"line shorter than the keyword", "name\n", 10, 1, {0}, ""},
      {"map row, padded cells", "008,012,255,000,\n", 0, 0, {8, 12, 255, 0, 0}, "008,012,255,000,"},
      {"trailing blanks dropped", "scripttxt You win.   \n", 10, 0, {0}, "You win."},
      {"comments skipped", "|\n| 3\n|name      no\nname      Orc\n", 10, 0, {0}, "Orc"},
      {"carriage return of a foreign file", "name      Orc\r\n", 10, 0, {0}, "Orc"},
      {"last line without newline", "chapter   4,7", 10, 0, {4, 7}, "4,7"},
      {"only comments", "| a\n| b\n", 10, 1, {0}, ""},
      {"empty stream", "", 0, 1, {0}, ""},
      {"marker read as a map row", "# map data:\n", 0, 0, {0}, "# map data:"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryStream s(c.text);
    EXPECT_EQ(ReadLine(c.column), c.result);
    for (size_t i = 0; i < c.values.size(); i++) EXPECT_EQ(LineValues[i], c.values[i]) << i;
    EXPECT_STREQ(LineBuffer, c.lineText);
    EXPECT_EQ(MapDataReached, 0);
  }
}

TEST(ReadLine, MarkerStopsKeywordLinesButNotMapRows) {
  MemoryStream s("# map data:\n| Floor map:\n001,002,\n");
  EXPECT_EQ(ReadLine(10), 1);
  EXPECT_EQ(MapDataReached, 1);
  EXPECT_EQ(ReadLine(10), 1);  // reads nothing once the marker was seen
  EXPECT_EQ(ReadLine(0), 0);
  EXPECT_EQ(LineValues[0], 1);
  EXPECT_EQ(LineValues[1], 2);
}

TEST(ReadLine, AtMost28ValuesAndLongLinesPassedOver) {
  std::string row;
  for (int i = 1; i <= 40; i++) row += std::to_string(i) + ",";
  std::string longText(3000, 'w');
  MemoryStream s(row + "\nbriefing  " + longText + "\nnext      9\n");
  ASSERT_EQ(ReadLine(0), 0);
  EXPECT_EQ(LineValues[27], 28);
  ASSERT_EQ(ReadLine(10), 0);
  EXPECT_EQ(strlen(LineBuffer), static_cast<size_t>(kReadLineMax - kKeywordColumn));
  ASSERT_EQ(ReadLine(10), 0);  // the rest of the long line is not taken for a line
  EXPECT_EQ(LineValues[0], 9);
}

TEST(WriteLine, PadsCellsToThreeDigitsAndCutsLongLines) {
  char* buf = nullptr;
  size_t size = 0;
  LineStream = open_memstream(&buf, &size);
  WriteLine("%d,", 5);
  WriteLine("%d,", 12);
  WriteLine("%d,", 255);
  WriteLine("\n");
  WriteLine("| %d\n", 3);
  WriteLine("chapter   %d,%d\n", 1, 2);
  WriteLine("%s", std::string(900, 'x').c_str());
  fclose(LineStream);
  LineStream = nullptr;
  std::string out(buf, size);
  free(buf);
  EXPECT_EQ(out.substr(0, 32), "005,012,255,\n| 3\nchapter   1,2\nx");
  EXPECT_EQ(out.size(), 31u + kWriteLineMax);
}

TEST(QuestFileDate, TwentyFourCharactersLocalTime) {
  const char* oldTz = getenv("TZ");
  std::string keep = oldTz ? oldTz : "";
  setenv("TZ", "UTC", 1);
  tzset();
  char date[32];
  FormatFileDate(date, sizeof date, 1796858119LL);
  EXPECT_STREQ(date, "Wed Dec  9 23:15:19 2026");
  FormatFileDate(date, sizeof date, 1799136184LL);
  EXPECT_STREQ(date, "Tue Jan  5 08:03:04 2027");
  if (oldTz) {
    setenv("TZ", keep.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

// ---------------------------------------------------------------- saving and loading

TEST_F(QuestFile, WrittenLayoutHeaderAndMaps) {
  MakeSampleQuest();
  std::string path = dir.File("barrow.qst");
  ASSERT_EQ(SaveQuest(path.c_str()), kSaveDone);
  EXPECT_STREQ(MessageBuffer, "Maps saved.");
  std::vector<std::string> lines = SplitLines(ReadText(path));
  ASSERT_GT(lines.size(), 120u);
  EXPECT_EQ(lines[0], "QST102");
  EXPECT_EQ(lines[2], "| DUNMARROW QUEST FILE");
  EXPECT_TRUE(std::regex_match(
      lines[4], std::regex("\\| File created on [A-Z][a-z]{2} [A-Z][a-z]{2} [ 1-3][0-9] "
                           "[0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4} with game version "
                           "v2\\.07F\\.")))
      << lines[4];
  EXPECT_EQ(lines[6], "series    Barrow");
  EXPECT_EQ(lines[9], "chapter   2,3");
  EXPECT_EQ(lines[10], "map w,h   26,19");
  EXPECT_EQ(lines[11], "hero's    1,1,0,1");
  EXPECT_EQ(lines[12], "qstdata   1,12,120,300,4711,0");
  EXPECT_EQ(lines[13], "savdata   0,2,1,5,7,0");
  EXPECT_EQ(lines[17], "|");
  EXPECT_EQ(lines[18], "| 1");
  EXPECT_EQ(lines[19], "name      Warrior");
  EXPECT_EQ(lines[21], "attribute 0,0,0,-3,0,0,0,8,0,0");
  int floor = LineIndex(lines, "| Floor map:");
  ASSERT_GT(floor, 0);
  EXPECT_EQ(lines[floor - 3], "|");
  EXPECT_EQ(lines[floor - 2], "# map data:");
  EXPECT_EQ(lines[floor + 1], "000,001,002,003,000,001,002,003,000,001,002,003,000,001,002,003,"
                              "000,001,002,003,000,001,002,003,000,001,");
  EXPECT_EQ(lines[floor + 19].substr(100), "200,");
  EXPECT_EQ(lines[floor + 20], "|");
  EXPECT_EQ(lines[floor + 21], "| Door map:");
  EXPECT_EQ(lines[floor + 22 + 19].size(), 27u * 4);
  EXPECT_EQ(lines[floor + 22 + 19].substr(26 * 4), "017,");
  EXPECT_EQ(lines.back(), "| End of file.");
}

TEST_F(QuestFile, RoundTripIsByteIdenticalApartFromTheDate) {
  MakeSampleQuest();
  std::string a = dir.File("a.qst"), b = dir.File("b.qst");
  ASSERT_EQ(SaveQuest(a.c_str()), kSaveDone);
  ResetQuest(true);
  ASSERT_EQ(LoadQuest(a.c_str()), 0);
  ASSERT_EQ(QuestLoaded, 1);
  EXPECT_STREQ(MessageBuffer, "Maps loaded.");
  EXPECT_EQ(ObjectCount, 5);
  EXPECT_STREQ(QuestHeader.quest, "The Sunken Crypt");
  EXPECT_EQ(QuestHeader.savdata.WalkLeft, 5);
  EXPECT_EQ(ObjectTable[1].attribute[kOff], -3);
  EXPECT_EQ(ObjectTable[1].id, 31337);
  EXPECT_EQ(ObjectTable[3].picture[kPicOffsetX], -2);
  EXPECT_STREQ(ObjectTable[4].text1, "You find a pouch of gold.");
  EXPECT_EQ(ObjectMap[10][5], 3);
  EXPECT_EQ(ScriptMap[7][7], 5);
  EXPECT_EQ(DoorMap[26][19], 17);
  EXPECT_EQ(FloorMap[25][18], 200);
  EXPECT_EQ(VisibilityMap[2][1], 2);
  ASSERT_EQ(SaveQuest(b.c_str()), kSaveDone);
  EXPECT_EQ(WithoutDateLine(ReadText(a)), WithoutDateLine(ReadText(b)));
}

TEST_F(QuestFile, CommentLinesAnywhereAreSkipped) {
  MakeSampleQuest();
  std::string plain = dir.File("plain.qst"), noisy = dir.File("noisy.qst");
  ASSERT_EQ(SaveQuest(plain.c_str()), kSaveDone);
  // A comment after every line, map rows included.
  std::string text;
  for (const std::string& line : SplitLines(ReadText(plain))) text += line + "\n| note\n";
  WriteText(noisy, text);
  ResetQuest(true);
  ASSERT_EQ(LoadQuest(noisy.c_str()), 0);
  ASSERT_EQ(QuestLoaded, 1);
  std::string again = dir.File("again.qst");
  ASSERT_EQ(SaveQuest(again.c_str()), kSaveDone);
  EXPECT_EQ(WithoutDateLine(ReadText(plain)), WithoutDateLine(ReadText(again)));
}

TEST_F(QuestFile, ObjectsAndMapsAreRenumberedWithoutGaps) {
  PlaceObject(3, "Lever", kSideStatic, 2, 2);
  PlaceObject(7, "Skeleton", kSideUndead, 5, 6);
  PlaceObject(9, "Trapdoor", kSideWalkScript, 8, 8);
  ObjectMap[8][8] = 0;
  ScriptMap[8][8] = 9;
  QuestHeader.savdata.CurrentObject = 7;
  CopyText(ObjectTable[0].name, "Custom", kNameLen);  // slot 0 is never a board object
  std::string path = dir.File("gaps.qst");
  ASSERT_EQ(SaveQuest(path.c_str()), kSaveDone);
  EXPECT_EQ(ObjectCount, 3);
  EXPECT_EQ(ReadText(path).find("Custom"), std::string::npos);
  std::vector<std::string> lines = SplitLines(ReadText(path));
  EXPECT_GE(LineIndex(lines, "| 3"), 0);
  EXPECT_EQ(LineIndex(lines, "| 4"), -1);
  EXPECT_EQ(lines[LineIndex(lines, "| 2") + 1], "name      Skeleton");

  ASSERT_EQ(LoadQuest(path.c_str()), 0);
  EXPECT_STREQ(ObjectTable[1].name, "Lever");
  EXPECT_STREQ(ObjectTable[2].name, "Skeleton");
  EXPECT_EQ(ObjectMap[2][2], 1);
  EXPECT_EQ(ObjectMap[5][6], 2);
  EXPECT_EQ(ScriptMap[8][8], 3);  // the script still names its object
  EXPECT_EQ(QuestHeader.savdata.CurrentObject, 2);
}

TEST_F(QuestFile, ObjectWhoseTurnItIsIsRenumberedOrDropped) {
  // A saved game in the orc's turn (slot 3); then one object is slain, freeing its slot.
  const struct {
    int slain;
    int current;
    const char* name;
  } cases[] = {
      {2, 2, "Orc"},  // the goblin before it: the orc moves up to slot 2
      {3, 0, ""},     // the orc itself: nobody's turn, not the chest's
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slain);
    ASSERT_EQ(LoadQuest((kFixtures + "orc_turn.sav").c_str()), 0);
    ASSERT_EQ(QuestLoaded, 1);
    ASSERT_EQ(QuestHeader.savdata.CurrentObject, 3);
    ASSERT_STREQ(ObjectTable[3].name, "Orc");
    ClearObject(ObjectTable[c.slain]);
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++)
        if (ObjectMap[x][y] == c.slain) ObjectMap[x][y] = 0;
    std::string path = dir.File("resumed.sav");
    ASSERT_EQ(SaveQuestFile(path.c_str(), 0), kSaveDone);
    ASSERT_EQ(LoadQuest(path.c_str()), 0);
    EXPECT_EQ(ObjectCount, 3);
    EXPECT_EQ(QuestHeader.savdata.CurrentObject, c.current);
    if (c.current > 0) {
      EXPECT_STREQ(ObjectTable[c.current].name, c.name);
    }
  }
}

TEST_F(QuestFile, FourHeroesMoveToTheFirstSlotsFifthStays) {
  PlaceObject(1, "Table", kSideStatic, 0, 0);
  PlaceObject(2, "Elf", kSideHero, 1, 0);
  PlaceObject(3, "Rat", kSideGreenskin, 2, 0);
  PlaceObject(4, "Wizard", kSideHero, 3, 0);
  PlaceObject(5, "Dwarf", kSideHero, 4, 0);
  PlaceObject(8, "Barbarian", kSideHero, 5, 0);
  PlaceObject(9, "Monk", kSideHero, 6, 0);
  std::string path = dir.File("heroes.qst");
  ASSERT_EQ(SaveQuest(path.c_str()), kSaveDone);
  const char* expected[10] = {"", "Elf", "Wizard", "Dwarf", "Barbarian", "Rat",
                              "", "", "Table", "Monk"};
  for (int slot = 1; slot <= 9; slot++) {
    if (expected[slot][0]) {
      EXPECT_STREQ(ObjectTable[slot].name, expected[slot]) << slot;
    }
  }
  // Every piece still stands where it stood.
  EXPECT_EQ(ObjectMap[1][0], 1);
  EXPECT_EQ(ObjectMap[3][0], 2);
  EXPECT_EQ(ObjectMap[4][0], 3);
  EXPECT_EQ(ObjectMap[5][0], 4);
  EXPECT_EQ(ObjectMap[2][0], 5);
  EXPECT_EQ(ObjectMap[0][0], 8);
  EXPECT_EQ(ObjectMap[6][0], 9);
}

TEST_F(QuestFile, FewerThanFourHeroesStayWhereTheyAre) {
  PlaceObject(1, "Table", kSideStatic, 0, 0);
  PlaceObject(2, "Elf", kSideHero, 1, 0);
  PlaceObject(4, "Wizard", kSideHero, 3, 0);
  std::string path = dir.File("two.qst");
  ASSERT_EQ(SaveQuest(path.c_str()), kSaveDone);
  EXPECT_STREQ(ObjectTable[1].name, "Table");
  EXPECT_STREQ(ObjectTable[4].name, "Wizard");
  EXPECT_EQ(ObjectMap[3][0], 4);
}

TEST_F(QuestFile, TextsAreCutSoThatTheyComeBackAsWritten) {
  std::string story;
  for (int i = 0; i < 120; i++) story += "Line " + std::to_string(i) + (i % 9 ? " " : "\n");
  ASSERT_GT(story.size(), 800u);
  CopyText(QuestHeader.briefing, story.c_str(), kStoryTextLen);
  CopyText(QuestHeader.series, "A series name that goes on and on past forty", kHeaderTextLen);
  PlaceObject(1, "Seventeen chars!!", kSideStatic, 0, 0);
  std::string script(kScriptTextLen, 's');
  script[10] = '\n';
  CopyText(ObjectTable[1].text2, script.c_str(), kScriptTextLen);
  std::string a = dir.File("a.qst"), b = dir.File("b.qst");
  ASSERT_EQ(SaveQuest(a.c_str()), kSaveDone);
  for (const std::string& line : SplitLines(ReadText(a)))
    EXPECT_LE(line.size(), static_cast<size_t>(kReadLineMax));
  ASSERT_EQ(LoadQuest(a.c_str()), 0);
  ASSERT_EQ(QuestLoaded, 1);
  EXPECT_EQ(strlen(QuestHeader.briefing), static_cast<size_t>(kReadLineMax - kKeywordColumn));
  EXPECT_EQ(strchr(QuestHeader.briefing, '\n'), nullptr);
  EXPECT_EQ(std::string(QuestHeader.briefing, 20), "Line 0 Line 1 Line 2");  // line break made a blank
  EXPECT_STREQ(QuestHeader.series, "A series name that goes on and on past f");
  EXPECT_STREQ(ObjectTable[1].name, "Seventeen chars");
  EXPECT_EQ(std::string(ObjectTable[1].text2), std::string(10, 's') + " " + std::string(69, 's'));
  ASSERT_EQ(SaveQuest(b.c_str()), kSaveDone);
  EXPECT_EQ(WithoutDateLine(ReadText(a)), WithoutDateLine(ReadText(b)));
}

TEST_F(QuestFile, HandEditedTextsReadAsTheyWillBeWritten) {
  MakeSampleQuest();
  std::string path = dir.File("edited.qst");
  ASSERT_EQ(SaveQuest(path.c_str()), kSaveDone);
  std::string text = ReadText(path);
  const struct {
    std::string line, edited;
  } edits[] = {
      // Cut to their fields, the name and the title end in a blank.
      {"name      Warrior\n", "name      Keeper of Keys Seven\n"},
      {"briefing  Go down, find the crypt, come back.\n",
       "briefing  Beware.\rThe crypt is cold.\n"},
      {"scripttxt You find a pouch of gold.\n", "scripttxt A key.\r  \r\n"},
      {"quest     The Sunken Crypt\n",
       "quest     The Long Road Down to the Drowned Abbey of Ives\n"},
  };
  for (const auto& e : edits) {
    size_t at = text.find(e.line);
    ASSERT_NE(at, std::string::npos) << e.line;
    text.replace(at, e.line.size(), e.edited);
  }
  WriteText(path, text);
  ASSERT_EQ(LoadQuest(path.c_str()), 0);
  EXPECT_STREQ(ObjectTable[1].name, "Keeper of Keys");
  EXPECT_STREQ(QuestHeader.briefing, "Beware. The crypt is cold.");
  EXPECT_STREQ(ObjectTable[4].text1, "A key.");
  EXPECT_STREQ(QuestHeader.quest, "The Long Road Down to the Drowned Abbey");
  // What was read is what a save writes and the next load reads, byte for byte.
  const std::string name = ObjectTable[1].name, briefing = QuestHeader.briefing,
                    script = ObjectTable[4].text1, quest = QuestHeader.quest;
  std::string again = dir.File("again.qst");
  ASSERT_EQ(SaveQuest(again.c_str()), kSaveDone);
  ASSERT_EQ(LoadQuest(again.c_str()), 0);
  EXPECT_EQ(ObjectTable[1].name, name);
  EXPECT_EQ(QuestHeader.briefing, briefing);
  EXPECT_EQ(ObjectTable[4].text1, script);
  EXPECT_EQ(QuestHeader.quest, quest);
}

TEST_F(QuestFile, NumbersTooLongForAFieldDoNotShiftTheirNeighbours) {
  QuestHeader.qstdata[kQuestDungeonSeedBase] = 1789569;
  QuestHeader.qstdata[5] = 42;
  PlaceObject(1, "Hoard", kSideStatic, 0, 0);
  ObjectTable[1].inventory[kInvGold] = -2000000;
  ObjectTable[1].inventory[kInvRedKeys] = 1;
  std::string path = dir.File("big.qst");
  ASSERT_EQ(SaveQuest(path.c_str()), kSaveDone);
  ASSERT_EQ(LoadQuest(path.c_str()), 0);
  EXPECT_EQ(QuestHeader.qstdata[kQuestDungeonSeedBase], 999999);
  EXPECT_EQ(QuestHeader.qstdata[5], 42);
  EXPECT_EQ(ObjectTable[1].inventory[kInvGold], -99999);
  EXPECT_EQ(ObjectTable[1].inventory[kInvRedKeys], 1);
}

TEST_F(QuestFile, OverwriteNeedsTheAnswerOk) {
  std::string path = dir.File("keep.qst");
  WriteText(path, "old contents\n");
  TestPlatform().alertAnswers = {2};
  EXPECT_EQ(SaveQuest(path.c_str()), kSaveDeclined);
  EXPECT_EQ(ReadText(path), "old contents\n");
  ASSERT_EQ(TestPlatform().alerts.size(), 1u);
  const RecordedAlert& a = TestPlatform().alerts[0];
  EXPECT_EQ(a.l1, "keep.qst");
  EXPECT_EQ(a.l2, " ");
  EXPECT_EQ(a.l3, "  File exists, overwrite?  ");
  EXPECT_EQ(a.b1, "OK");
  EXPECT_EQ(a.b2, "CANCEL");

  TestPlatform().alertAnswers = {-1};  // box closed
  EXPECT_EQ(SaveQuest(path.c_str()), kSaveDeclined);
  EXPECT_EQ(ReadText(path), "old contents\n");

  chmod(path.c_str(), 0600);
  TestPlatform().alertAnswers = {1};
  EXPECT_EQ(SaveQuest(path.c_str()), kSaveDone);
  EXPECT_EQ(ReadText(path).substr(0, 7), "QST102\n");
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);  // the replaced file keeps its permissions
  EXPECT_NE(stat((path + ".tmp").c_str(), &st), 0);
}

TEST_F(QuestFile, FailedSaveKeepsTheOldFile) {
  std::string path = dir.File("old.qst");
  WriteText(path, "the previous quest\n");
  MakeSampleQuest();

  // The temporary file cannot even be made.
  mkdir((path + ".tmp").c_str(), 0755);
  EXPECT_EQ(SaveQuestFile(path.c_str(), 0), kSaveFailed);
  EXPECT_EQ(ReadText(path), "the previous quest\n");
  EXPECT_STREQ(MessageBuffer, "Error: quest file old.qst could not be written.");
  rmdir((path + ".tmp").c_str());

  // The disk fills up halfway through.
  struct rlimit old;
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 2000;
  void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  int result = SaveQuestFile(path.c_str(), 0);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(result, kSaveFailed);
  EXPECT_EQ(ReadText(path), "the previous quest\n");
  struct stat st;
  EXPECT_NE(stat((path + ".tmp").c_str(), &st), 0);

  // A folder that does not exist.
  EXPECT_EQ(SaveQuest(dir.File("nowhere/x.qst").c_str()), kSaveFailed);
}

TEST_F(QuestFile, MissingFileIsReportedAndLeavesTheQuestReset) {
  CopyText(QuestHeader.series, "stale", kHeaderTextLen);
  QuestLoaded = 1;
  EXPECT_EQ(LoadQuest(dir.File("absent.qst").c_str()), 1);
  EXPECT_EQ(QuestLoaded, 0);
  EXPECT_STREQ(QuestHeader.series, "original");
  ASSERT_EQ(TestPlatform().alerts.size(), 1u);
  const RecordedAlert& a = TestPlatform().alerts[0];
  EXPECT_EQ(a.l1, "  File not found:  ");
  EXPECT_EQ(a.l2, "");
  EXPECT_EQ(a.l3, "absent.qst");
  EXPECT_EQ(a.b1, "OK");
}

TEST_F(QuestFile, WrongMagicIsReported) {
  std::string path = dir.File("other.qst");
  WriteText(path, "QST101\nseries    Old\n");
  EXPECT_EQ(LoadQuest(path.c_str()), 0);
  EXPECT_EQ(QuestLoaded, 0);
  EXPECT_STREQ(QuestHeader.series, "original");
  ASSERT_EQ(TestPlatform().alerts.size(), 1u);
  EXPECT_EQ(TestPlatform().alerts[0].l1, "  File is not the right format:  ");
  EXPECT_EQ(TestPlatform().alerts[0].l3, "other.qst");
}

TEST_F(QuestFile, QuestInAFolderOfItsOwnName) {
  MakeSampleQuest();
  mkdir(dir.File("barrow").c_str(), 0755);
  ASSERT_EQ(SaveQuest(dir.File("barrow/barrow.qst").c_str()), kSaveDone);
  ResetQuest(true);
  EXPECT_EQ(LoadQuest(dir.File("barrow.qst").c_str()), 0);
  EXPECT_EQ(QuestLoaded, 1);
  EXPECT_STREQ(QuestHeader.series, "Barrow");
  EXPECT_TRUE(TestPlatform().alerts.empty());
}

TEST_F(QuestFile, FileEndingAfterItsObjectsLoadsHeaderAndObjectsOnly) {
  EXPECT_EQ(LoadQuest((kFixtures + "no_map.qst").c_str()), 0);
  EXPECT_EQ(QuestLoaded, 0);
  EXPECT_STREQ(QuestHeader.series, "Cutoff");
  EXPECT_EQ(QuestHeader.qstdata[kQuestRewardGroup], 100);
  EXPECT_EQ(QuestHeader.heroes[2], 0);
  EXPECT_EQ(ObjectCount, 2);
  EXPECT_STREQ(ObjectTable[2].name, "Goblin");
  EXPECT_EQ(ObjectTable[2].inventory[kInvGold], 5);
  EXPECT_EQ(FloorMap[0][0], 8);
  EXPECT_STREQ(MessageBuffer, "Objects loaded: 2");
  EXPECT_TRUE(TestPlatform().alerts.empty());
}

TEST_F(QuestFile, MovingObjectNeedsAOneTilePicture) {
  FakeGameData data;
  data.SetBitmap(kFirstObjectPicture + 1, 20, 20, 0);
  data.SetBitmap(kFirstObjectPicture + 2, 45, 45, 0);
  data.SetBitmap(kFirstObjectPicture + 3, 20, 45, 0);
  data.Install();
  const int pictures[5] = {0, 1, 2, 3, 400};  // 400: not in the datafile
  const int sides[5] = {0, kSideGreenskin, kSideGreenskin, kSideGreenskin, kSideChaos};
  for (int slot = 1; slot <= 4; slot++) {
    PlaceObject(slot, "Thing", sides[slot], slot, 0);
    ObjectTable[slot].picture[kPicNumber] = pictures[slot];
  }
  PlaceObject(5, "Statue", kSideStatic, 5, 0);
  ObjectTable[5].picture[kPicNumber] = 2;
  std::string path = dir.File("pictures.qst");
  ASSERT_EQ(SaveQuest(path.c_str()), kSaveDone);
  ASSERT_EQ(LoadQuest(path.c_str()), 0);
  InstallGameData(nullptr);
  EXPECT_EQ(ObjectTable[1].side, kSideGreenskin);
  EXPECT_EQ(ObjectTable[2].side, kSideStatic);
  EXPECT_EQ(ObjectTable[3].side, kSideGreenskin);
  EXPECT_EQ(ObjectTable[4].side, kSideChaos);
  EXPECT_EQ(ObjectTable[5].side, kSideStatic);
}

TEST_F(QuestFile, ValuesUsedAsIndexesAreKeptInRange) {
  MakeSampleQuest();
  std::string good = dir.File("good.qst");
  ASSERT_EQ(SaveQuest(good.c_str()), kSaveDone);
  std::string text = ReadText(good);
  auto swapLine = [&text](const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
  };
  swapLine("chapter   2,3", "chapter   -4,-9");
  swapLine("map w,h   26,19", "map w,h   90,0");
  swapLine("hero's    1,1,0,1", "hero's    7,-1,2,1");
  swapLine("qstdata   1,12,", "qstdata   77,9000,");
  swapLine("savdata   0,2,", "savdata   0,4000,");
  swapLine("property  3,", "property  -3,");
  // The object map names slot 9, which the file does not fill.
  size_t objectMap = text.find("| Object map:\n");
  ASSERT_NE(objectMap, std::string::npos);
  text.replace(objectMap + 14, 4, "009,");
  std::string bad = dir.File("bad.qst");
  WriteText(bad, text);
  ASSERT_EQ(LoadQuest(bad.c_str()), 0);
  EXPECT_EQ(QuestLoaded, 1);
  const QuestHeaderRecord& h = QuestHeader;
  EXPECT_EQ(h.chapter, 1);
  EXPECT_GE(h.chapters, h.chapter);
  EXPECT_EQ(h.mapw, kBoardW);
  EXPECT_EQ(h.maph, kBoardH);
  EXPECT_EQ(h.heroes[0], 0);
  EXPECT_EQ(h.heroes[1], 0);
  EXPECT_EQ(h.heroes[2], 2);
  EXPECT_EQ(h.qstdata[kQuestObjective], 0);
  EXPECT_EQ(h.qstdata[kQuestWandering], 12);
  EXPECT_EQ(h.savdata.CurrentObject, 0);
  EXPECT_EQ(ObjectTable[3].side, kSideStatic);
  EXPECT_EQ(ObjectMap[0][0], 0);
  EXPECT_EQ(ObjectMap[10][5], 3);
}

TEST_F(QuestFile, DamagedFilesNeverCrash) {
  MakeSampleQuest();
  std::string good = dir.File("good.qst");
  ASSERT_EQ(SaveQuest(good.c_str()), kSaveDone);
  const std::string whole = ReadText(good);
  std::string garbage;
  for (int i = 0; i < 5000; i++) garbage += static_cast<char>((i * 7919) % 256);
  std::string manyObjects = whole.substr(0, whole.find("| 1\n"));
  for (int i = 0; i < 300; i++)
    manyObjects += "name      Rat\nproperty  3\nattribute 1\ninventory 1\npicture   1\n"
                   "scriptvar 0\nscripttxt -\nscripttxt -\n";
  const std::vector<std::pair<const char*, std::string>> files = {
      {"empty", ""},
      {"magic only", "QST102"},
      {"garbage after the magic", "QST102\n" + garbage},
      {"binary", garbage},
      {"cut inside the header", whole.substr(0, 200)},
      {"cut inside an object", whole.substr(0, whole.find("scriptvar"))},
      {"cut inside the maps", whole.substr(0, whole.find("| Door map:") + 30)},
      {"lines of blanks", "QST102\n" + std::string(50, '\n') + "# map data:\n"},
      {"more objects than slots", manyObjects},
      {"block cut after an unknown side",
       whole.substr(0, whole.find("| 1\n")) + "| 1\nname      Imp\nproperty  -3,0,0,0\n"},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.first);
    std::string path = dir.File("damaged.qst");
    WriteText(path, f.second);
    EXPECT_EQ(LoadQuest(path.c_str()), 0);
    EXPECT_LE(ObjectCount, 255);
    for (int slot = 1; slot < kMaxObjects; slot++) {
      if (!IsFreeSlot(ObjectTable[slot])) {
        ASSERT_GE(ObjectTable[slot].side, 1) << slot;
        ASSERT_LE(ObjectTable[slot].side, 12) << slot;
      }
    }
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++) {
        int v = ObjectMap[x][y];
        ASSERT_TRUE(v == 0 || !IsFreeSlot(ObjectTable[v]));
      }
    // Whatever was read can be written again.
    EXPECT_EQ(SaveQuestFile(dir.File("resaved.qst").c_str(), 0), kSaveDone);
  }
  WriteText(dir.File("cut.qst"), whole.substr(0, whole.find("| Door map:") + 30));
  LoadQuest(dir.File("cut.qst").c_str());
  EXPECT_STREQ(ObjectTable[3].name, "Orc");
  EXPECT_EQ(FloorMap[25][18], 200);
  EXPECT_EQ(ObjectMap[10][5], 0);  // the object map never came
}
