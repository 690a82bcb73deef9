// The quest checker on small quests built in memory: a clean one finds nothing, and each
// planted fault is found where it lies, and nothing else is.
#include "editor/quest_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "quest/prefab_file.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "rules/doors.h"
#include "rules/object_actions.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

#include "fixture_quest.h"

namespace {

using namespace fixture;

struct Expected {
  int x, y;
  const char* says;
};

std::string Describe(const std::vector<QuestFinding>& found) {
  std::string s;
  for (const QuestFinding& f : found)
    s += "\n  " + std::to_string(f.x) + "," + std::to_string(f.y) + ": " + f.message;
  return s.empty() ? " nothing" : s;
}

void ExpectFindings(const std::vector<QuestFinding>& found, const std::vector<Expected>& expected) {
  ASSERT_EQ(found.size(), expected.size()) << "found:" << Describe(found);
  for (size_t i = 0; i < expected.size(); i++) {
    const Expected& e = expected[i];
    EXPECT_EQ(found[i].x, e.x) << found[i].message;
    EXPECT_EQ(found[i].y, e.y) << found[i].message;
    EXPECT_NE(found[i].message.find(e.says), std::string::npos)
        << "expected \"" << e.says << "\" in: " << found[i].message;
  }
}

class QuestCheck : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InstallShippedMaterial()) << "build the game first";
    ASSERT_GT(PrefabCount, kStairsDown);
  }
  void SetUp() override {
    TestPlatform().Reset();
    ASSERT_FALSE(folder_.path().empty());
    BuildBase();
  }
  void TearDown() override {
    ResetQuest(true);
    if (GameDataCount() == 0) InstallBuiltGameData();
  }
  std::vector<QuestFinding> Check() { return CheckQuest(folder_.path().c_str()); }
  TempFolder folder_;
};

void SetScript(int slot, int type, int x, int y) {
  ObjectTable[slot].scriptvar[kScriptType] = type;
  ObjectTable[slot].scriptvar[kScriptX] = x;
  ObjectTable[slot].scriptvar[kScriptY] = y;
}

std::string Repeat(const char* word, int times) {
  std::string s;
  for (int i = 0; i < times; i++) s += word;
  return s;
}

struct Case {
  const char* name;
  std::function<void()> plant;
  std::vector<Expected> expected;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // Heroes.
      {"no hero on the board",
       [] { ObjectMap[1][1] = ObjectMap[2][1] = ObjectMap[1][2] = ObjectMap[2][2] = 0; },
       {{-1, -1, "no hero stands on the board"}}},
      {"a hero left off the board", [] { ObjectMap[2][2] = 0; },
       {{-1, -1, "the hero Wizard is not on the board"}}},
      {"three heroes", [] { ObjectTable[3] = PrefabTable[kGoblin]; },
       {{-1, -1, "the quest needs four heroes, but it has 3"}}},
      {"a monster in a hero's slot",
       [] {
         ObjectTable[3] = PrefabTable[kGoblin];
         Put(kBarbarian + 2, 3, 1);
       },
       {{-1, -1, "but object 3 is Goblin"}}},
      // The objective.
      {"a monster nobody can reach", [] { Put(kGoblin, 16, 1); },
       {{16, 1, "no hero can reach Goblin, and the objective \"Kill all monsters\""}}},
      {"kill all chaos without chaos", [] { QuestHeader.qstdata[kQuestObjective] = 7; },
       {{-1, -1, "\"Kill all chaos\", but there is no chaos monster on the board"}}},
      {"a chest nobody can reach",
       [] {
         QuestHeader.qstdata[kQuestObjective] = 4;
         Put(kChest, 17, 2);
       },
       {{17, 2, "no hero can reach Treasure Chest, and the objective \"Open all Chests\""}}},
      {"a chest that never opens",
       [] {
         QuestHeader.qstdata[kQuestObjective] = 4;
         ObjectTable[Chest].scriptvar[kScriptPic2] = 0;
       },
       {{3, 8, "Treasure Chest can never be opened"}}},
      {"open all chests without a closed chest",
       [] {
         QuestHeader.qstdata[kQuestObjective] = 4;
         ObjectTable[Chest].picture[kPicNumber] = 41;
       },
       {{-1, -1, "but there is no closed chest"}}},
      {"unlock the blue door without a blue door",
       [] {
         QuestHeader.qstdata[kQuestObjective] = 3;
         DoorMap[11][6] = 0;
       },
       {{-1, -1, "\"Unlock blue door\", but there is no blue door"}}},
      {"unlock the red door without its key",
       [] {
         QuestHeader.qstdata[kQuestObjective] = 2;
         ObjectTable[Goblin].inventory[kInvRedKeys] = 0;
       },
       {{3, 6, "nothing carries a red key"},
        {3, 6, "no hero can reach a red door with its key"}}},
      {"no objective and nothing that wins", [] { QuestHeader.qstdata[kQuestObjective] = 0; },
       {{-1, -1, "nothing on the board wins the quest"}}},
      {"no objective and the stairs out of reach",
       [] {
         QuestHeader.qstdata[kQuestObjective] = 0;
         SetScript(Put(kStairsDown, 16, 1), kScriptStairsDown, 0, 0);
       },
       {{16, 1, "no hero can reach Stairs Down, which wins the quest"}}},
      // Keys.
      {"a red door without a key", [] { ObjectTable[Goblin].inventory[kInvRedKeys] = 0; },
       {{3, 6, "the red door between 3,5 and 3,6 has no key"}}},
      {"the red key behind the red door",
       [] {
         ObjectTable[Goblin].inventory[kInvRedKeys] = 0;
         ObjectTable[Chest].inventory[kInvRedKeys] = 1;
       },
       {{3, 6, "the red key cannot be reached without passing a red door"}}},
      {"the red key sealed away",
       [] {
         ObjectTable[Goblin].inventory[kInvRedKeys] = 0;
         ObjectTable[Put(kChest, 17, 1)].inventory[kInvRedKeys] = 1;
       },
       {{3, 6, "no hero can reach the red key"}}},
      {"the red key in a chest that cannot be used",
       [] {
         ObjectTable[Goblin].inventory[kInvRedKeys] = 0;
         int statue = Put(kStatue, 5, 4);
         ObjectTable[statue].inventory[kInvRedKeys] = 1;  // no script: never acted on
       },
       {{3, 6, "nothing carries a red key"}}},
      // Hatches.
      {"a hatch off the board", [] { SetScript(Put(kTrapDoor, 5, 1), kScriptHatchTeleport, 30, 5); },
       {{5, 1, "Trap Door teleports to 30,5, off the board"}}},
      {"a hatch into rock", [] { SetScript(Put(kTrapDoor, 5, 1), kScriptHatchTeleport, 20, 10); },
       {{5, 1, "teleports to 20,10, into rock"}}},
      {"a hatch onto furniture", [] { SetScript(Put(kTrapDoor, 5, 1), kScriptHatchTeleport, 3, 8); },
       {{5, 1, "teleports to 3,8, where Treasure Chest stands"}}},
      {"a random hatch alone", [] { Put(kTrapDoor, 5, 1); },
       {{5, 1, "leads to another hatch, but there is none"}}},
      {"a hatch onto a hatch walled in",
       [] {
         SetScript(Put(kTrapDoor, 5, 1), kScriptHatchTeleport, 15, 1);
         Put(kTrapDoor, 15, 1);
         Put(kStatue, 16, 1);
         Put(kStatue, 15, 2);
       },
       {{5, 1, "teleports to 15,1, which is taken all round"}}},
      // Script values.
      {"a script sound out of range", [] { ObjectTable[Chest].scriptvar[kScriptSound] = 40; },
       {{3, 8, "Treasure Chest: Script error: no sound 40."}}},
      {"an unknown script type", [] { ObjectTable[Chest].scriptvar[kScriptType] = 60; },
       {{3, 8, "unknown script type 60"}}},
      {"a lever making doors off the board", [] { SetScript(Put(kLever, 5, 5), kScriptMakeDoor, -1, 2); },
       {{5, 5, "Lever: Script error: tile -1,2 is off the board."}}},
      {"a script picture the datafile lacks", [] { ObjectTable[Chest].scriptvar[kScriptPic2] = 999; },
       {{3, 8, "its script's picture 999 is not in the datafile"}}},
      // The two layers.
      {"a walk script on the object map", [] { Put(kPitTrap, 5, 5); },
       {{5, 5, "the walk script Pit Trap lies on the object map"}}},
      {"the script map naming furniture", [] { PutScript(kStatue, 5, 5); },
       {{5, 5, "the script map names Statue, which is not a walk or look script"}}},
      {"a walk script under furniture",
       [] {
         Put(kStatue, 5, 5);
         PutScript(kPitTrap, 5, 5);
       },
       {{5, 5, "the walk script Pit Trap lies under Statue"}}},
      {"a walk script in rock", [] { PutScript(kPitTrap, 0, 0); },
       {{0, 0, "the walk script Pit Trap lies in rock"}}},
      // Furniture.
      {"a statue in rock", [] { Put(kStatue, 0, 4); }, {{0, 4, "Statue stands in rock"}}},
      {"a table reaching into rock", [] { Put(kTable, 6, 4); },
       {{7, 4, "Table (on 6,4) reaches into rock"}, {7, 5, "Table (on 6,4) reaches into rock"}}},
      {"a table reaching across a wall", [] { Put(kTable, 4, 5); },
       {{4, 6, "Table (on 4,5) reaches across a wall"}, {5, 6, "reaches across a wall"}}},
      {"a statue under a table",
       [] {
         Put(kTable, 4, 3);
         Put(kStatue, 5, 4);
       },
       {{5, 4, "Statue (on 5,4) overlaps Table"}}},
      // Texts.
      {"a briefing longer than the screen", [] {
         CopyText(QuestHeader.briefing, Repeat("Many words here. ", 46).c_str(), kStoryTextLen);
       },
       {{-1, -1, "the briefing needs"}}},
      {"a victory text longer than the game shows", [] {
         CopyText(QuestHeader.victory, Repeat("Yes. ", 190).c_str(), kStoryTextLen);
       },
       {{-1, -1, "the victory text is 949 characters long; only the first 800"},
        {-1, -1, "the victory text needs"}}},
      {"a name wider than the panel", [] { CopyText(ObjectTable[Goblin].name, "WWWWWWWWWWWWWWW", kNameLen); },
       {{12, 2, "the name \"WWWWWWWWWWWWWWW\" is wider than the side panel"}}},
      {"a script text wider than the messages",
       [] { CopyText(ObjectTable[Chest].text1, Repeat("W", 80).c_str(), kScriptTextLen); },
       {{3, 8, "is wider than the message panel"}}},
      // Chapters.
      {"the next chapter missing", [] { QuestHeader.chapters = 2; },
       {{-1, -1, "chapter 2 of 2 follows, but its file fixture.q02 is missing"}}},
  };
  return cases;
}

TEST_F(QuestCheck, CleanQuestsFindNothing) {
  struct Clean {
    const char* name;
    std::function<void(const std::string& folder)> make;
  } const cleans[] = {
      {"the base quest", [](const std::string&) {}},
      {"a hatch pair leading into the sealed room",
       [](const std::string&) {
         Put(kTrapDoor, 5, 1);
         Put(kTrapDoor, 17, 2);
         Put(kGoblin, 16, 1);
       }},
      {"a hatch to a free tile of the sealed room",
       [](const std::string&) {
         SetScript(Put(kTrapDoor, 5, 1), kScriptHatchTeleport, 16, 2);
         Put(kGoblin, 18, 1);
       }},
      {"a lever that opens the sealed room",
       [](const std::string&) {
         SetScript(Put(kLever, 13, 1), kScriptMakeDoor, 15, 1);
         Put(kGoblin, 17, 1);
       }},
      {"heroes who bring the keys themselves",
       [](const std::string&) {
         ObjectTable[Goblin].inventory[kInvRedKeys] = 0;
         ObjectTable[Orc].inventory[kInvBlueKeys] = 0;
         ObjectTable[1].inventory[kInvRedKeys] = 1;
         ObjectTable[2].inventory[kInvBlueKeys] = 1;
       }},
      {"a boxed text, which comes in a box of its own",
       [](const std::string&) {
         CopyText(ObjectTable[Chest].text1, ("!" + Repeat("W", 79)).c_str(), kScriptTextLen);
       }},
      {"a skeleton whose death wins",
       [](const std::string&) {
         QuestHeader.qstdata[kQuestObjective] = 0;
         SetScript(Skeleton, kScriptWonRevealAll, 0, 0);
       }},
      {"a walk script and a look script where they belong",
       [](const std::string&) {
         PutScript(kPitTrap, 4, 4);
         int look = NewObject(kPitTrap);
         ObjectTable[look].side = kSideLookScript;
         ScriptMap[10][8] = static_cast<uint8_t>(look);
       }},
      {"a chapter whose next file is there",
       [](const std::string& folder) {
         QuestHeader.chapters = 2;
         WriteText(folder + "/fixture.q02", "QST102\n");
       }},
  };
  for (const Clean& c : cleans) {
    SCOPED_TRACE(c.name);
    BuildBase();
    c.make(folder_.path());
    ExpectFindings(Check(), {});
  }
  for (int objective : {1, 2, 3, 4, 5, 6}) {
    SCOPED_TRACE("objective " + std::to_string(objective));
    BuildBase();
    QuestHeader.qstdata[kQuestObjective] = objective;
    ExpectFindings(Check(), {});
  }
}

TEST_F(QuestCheck, EachPlantedFaultIsFoundAndNothingElse) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    BuildBase();
    c.plant();
    ExpectFindings(Check(), c.expected);
  }
}

// The check walks the party over the board with the rules' own path search, lifting
// monsters and lending keys as it goes: afterwards the quest is as it was.
TEST_F(QuestCheck, LeavesTheQuestAsItFoundIt) {
  SetScript(Put(kLever, 13, 1), kScriptMakeDoor, 15, 1);
  Put(kTrapDoor, 5, 1);
  Put(kTrapDoor, 17, 2);
  QuestHeader.savdata.CurrentObject = Goblin;
  for (int y = 0; y < kBoardH; y++) ScratchMap[3][y] = static_cast<uint8_t>(y + 1);
  static QuestHeaderRecord header;
  memcpy(&header, &QuestHeader, sizeof header);
  static ObjectRecord objects[kMaxObjects];
  memcpy(objects, ObjectTable, sizeof objects);
  static uint8_t layers[4][kLayerW][kLayerH];
  memcpy(layers[0], ObjectMap, sizeof ObjectMap);
  memcpy(layers[1], DoorMap, sizeof DoorMap);
  memcpy(layers[2], ScriptMap, sizeof ScriptMap);
  memcpy(layers[3], ScratchMap, sizeof ScratchMap);

  ExpectFindings(Check(), {});
  EXPECT_EQ(memcmp(&header, &QuestHeader, sizeof header), 0);
  EXPECT_EQ(memcmp(objects, ObjectTable, sizeof objects), 0);
  EXPECT_EQ(memcmp(layers[0], ObjectMap, sizeof ObjectMap), 0);
  EXPECT_EQ(memcmp(layers[1], DoorMap, sizeof DoorMap), 0);
  EXPECT_EQ(memcmp(layers[2], ScriptMap, sizeof ScriptMap), 0);
  EXPECT_EQ(memcmp(layers[3], ScratchMap, sizeof ScratchMap), 0);
}

// Without the datafile the game's pictures and fonts are unknown: every object covers
// its own tile and no text is measured.
TEST_F(QuestCheck, WithoutTheDatafileFootprintsAndWidthsAreNotJudged) {
  InstallGameData(nullptr);
  Put(kTable, 6, 4);
  CopyText(ObjectTable[Goblin].name, "WWWWWWWWWWWWWWW", kNameLen);
  ExpectFindings(Check(), {});
  ASSERT_TRUE(InstallBuiltGameData());
  ExpectFindings(Check(), {{7, 4, "reaches into rock"},
                           {7, 5, "reaches into rock"},
                           {12, 2, "wider than the side panel"}});
}

// ---------------------------------------------------------------- files

class QuestCheckFile : public QuestCheck {
 protected:
  // The base quest written to a file, with one line of it replaced.
  std::string WriteBase(const std::string& from = "", const std::string& to = "") {
    std::string path = folder_.File("fixture.qst");
    EXPECT_EQ(SaveQuestFile(path.c_str(), 0), kSaveDone);
    if (!from.empty()) {
      std::string text = ReadText(path);
      size_t at = text.find(from);
      EXPECT_NE(at, std::string::npos) << from;
      if (at != std::string::npos) text.replace(at, from.size(), to);
      WriteText(path, text);
    }
    ResetQuest(true);
    return path;
  }
};

TEST_F(QuestCheckFile, ReadsAndChecksAWholeQuest) {
  std::string path = WriteBase();
  std::vector<QuestFinding> found;
  std::string why;
  ASSERT_TRUE(CheckQuestFile(path.c_str(), &found, &why)) << why;
  ExpectFindings(found, {});
  EXPECT_STREQ(QuestHeader.quest, "The Fixture") << "the quest stays loaded";
}

TEST_F(QuestCheckFile, TextsTheReaderCutsAreFindings) {
  struct Cut {
    std::string from, to;
    Expected expected;
  } const cuts[] = {
      {"name      Goblin\n", "name      Goblin Warlord Grubb\n",
       {12, 2, "the name of object 5 is 20 characters long; only 15 are read"}},
      {"quest     The Fixture\n", "quest     " + Repeat("Long ", 9) + "\n",
       {-1, -1, "the quest is 44 characters long; only 40 are read"}},
      {"scripttxt You open the chest.\n", "scripttxt " + Repeat("Gold! ", 15) + "\n",
       {3, 8, "the scripttxt of object 7 is 89 characters long; only 80 are read"}},
  };
  for (const Cut& c : cuts) {
    SCOPED_TRACE(c.from);
    BuildBase();
    std::string path = WriteBase(c.from, c.to);
    std::vector<QuestFinding> found;
    std::string why;
    ASSERT_TRUE(CheckQuestFile(path.c_str(), &found, &why)) << why;
    ExpectFindings(found, {c.expected});
  }
}

TEST_F(QuestCheckFile, UnreadableFilesSayWhy) {
  std::string whole = WriteBase();
  std::string text = ReadText(whole);
  WriteText(folder_.File("notquest.qst"), "Hello, this is no quest.\n");
  WriteText(folder_.File("nomap.qst"), text.substr(0, text.find("# map data:")));
  WriteText(folder_.File("short.qst"), text.substr(0, text.find("| Object map:")));
  struct Bad {
    std::string path;
    const char* why;
  } const bads[] = {
      {folder_.File("missing.qst"), "No such file"},
      {folder_.path(), "not a file"},
      {folder_.File("notquest.qst"), "not a quest file"},
      {folder_.File("nomap.qst"), "its map part is missing"},
      {folder_.File("short.qst"), "57 of its 96 map rows are missing"},
  };
  for (const Bad& b : bads) {
    SCOPED_TRACE(b.path);
    std::vector<QuestFinding> found;
    std::string why;
    EXPECT_FALSE(CheckQuestFile(b.path.c_str(), &found, &why));
    EXPECT_NE(why.find(b.why), std::string::npos) << why;
    EXPECT_TRUE(found.empty());
  }
}

}  // namespace
