// Quests that are damaged or oddly made, played for real: each goes through a quest file
// (written, then loaded as a player's would be) and the play loop, and must end or go on
// with its message, never crash or hang.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "core/random.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "render/screen_buttons.h"
#include "render/screen_hooks.h"
#include "rules/object_actions.h"
#include "rules/play_loop.h"
#include "rules/play_state.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

constexpr int kFigure = 1;
constexpr int kKeyRight = KEY_RIGHT << 8, kKeyEnter = (KEY_ENTER << 8) | 13;
constexpr int kKeyBackspace = (KEY_BACKSPACE << 8) | 8;

std::vector<std::string> gPrinted;
void RecordLine(const LoggedMessage& line) { gPrinted.push_back(line.text); }
void NoPresenter() {}

void Piece(int slot, const char* name, int side, int x, int y) {
  ObjectRecord& o = ObjectTable[slot];
  std::strcpy(o.name, name);
  o.side = static_cast<int8_t>(side);
  o.picture[kPicNumber] = kFigure;
  o.attribute[kWalkBase] = o.attribute[kWalk] = 4;
  o.attribute[kOffBase] = o.attribute[kOff] = 2;
  o.attribute[kDefBase] = o.attribute[kDef] = 2;
  o.attribute[kLifeMax] = o.attribute[kLife] = 30;
  if (x >= 0) ObjectMap[x][y] = static_cast<uint8_t>(slot);
  if (slot > ObjectCount) ObjectCount = slot;
}

struct DamagedQuest {
  const char* what;
  std::function<void()> make;       // builds the quest in memory (a hero, slot 1, at 3,3)
  std::vector<int> keys;            // what the player types in his first turn
  int outcome;                      // how PlayQuest ends (0: still playing when left)
  const char* message;              // how a line the player must have seen begins, or nullptr
};

class DamagedQuests : public ::testing::Test {
 protected:
  FakeGameData data;
  ScriptedPlatform& p = TestPlatform();
  void SetUp() override {
    SetDefaultGameOptions();
    ResetScreenLayout();
    data.SetBitmap(kFirstObjectPicture + kFigure, 20, 20, makecol(0, 0, 200));
    for (int n = 1; n <= 27; n++) data.SetSample(kFirstSound + n);
    data.Install();
    SetMessageDisplay(RecordLine, NoPresenter);
  }
  void TearDown() override {
    InstallScreenHooks();
    ResetQuest(true);
    ResetPlayState();
    ExitRequest = 0;
  }
};

TEST_F(DamagedQuests, EachEndsOrGoesOnWithItsMessage) {
  const DamagedQuest quests[] = {
      {"no hero on the board",
       [] {
         ObjectMap[3][3] = 0;
         Piece(5, "Orc", kSideGreenskin, 6, 6);
       },
       {}, kQuestLost, nullptr},
      {"the only hero outside the board",
       [] {
         ObjectMap[3][3] = 0;
         ObjectMap[kBoardW][3] = 1;  // the layers' spare column
         Piece(5, "Orc", kSideGreenskin, 6, 6);
       },
       {}, kQuestLost, nullptr},
      {"monsters that cannot walk or live",
       [] {
         Piece(5, "Statue Guard", kSideUndead, 4, 3);
         ObjectTable[5].attribute[kWalk] = 0;
         Piece(6, "Dead Orc", kSideGreenskin, 3, 4);
         ObjectTable[6].attribute[kLife] = 0;
       },
       {kKeyBackspace}, kQuestPlaying, "Statue Guard is making his move..."},
      {"a hatch into a wall off the board",
       [] {
         Piece(7, "Hatch", kSideStatic, 4, 3);
         ObjectTable[7].scriptvar[kScriptType] = kScriptHatchTeleport;
         ObjectTable[7].scriptvar[kScriptRepeatable] = 1;
         ObjectTable[7].scriptvar[kScriptX] = 40;
         ObjectTable[7].scriptvar[kScriptY] = 2;
       },
       {kKeyEnter, kKeyEnter, kKeyBackspace}, kQuestPlaying,
       "Map Error: Illegal teleport destination."},
      {"a hatch with no other hatch to go to",
       [] {
         Piece(7, "Hatch", kSideStatic, 4, 3);
         ObjectTable[7].scriptvar[kScriptType] = kScriptHatchTeleport;
       },
       {kKeyEnter, kKeyEnter, kKeyBackspace}, kQuestPlaying,
       "Map Error: Illegal teleport destination."},
      {"a red door and no red key anywhere",
       [] {
         for (int y = 0; y < kBoardH; y++) FloorMap[4][y] = 5;
         DoorMap[4][3] = 2;  // red, on the west edge of (4, 3)
       },
       {kKeyRight, kKeyRight, kKeyBackspace}, kQuestPlaying,
       "The door is locked, you need the red key."},
  };
  TempFolder folder;
  for (const DamagedQuest& q : quests) {
    SCOPED_TRACE(q.what);
    ResetQuest(true);
    ResetPlayState();
    QuestHeader.qstdata[kQuestObjective] = 0;
    QuestHeader.heroes[0] = kHeroInPlay;
    Piece(1, "Barbarian", kSideHero, 3, 3);
    q.make();
    std::string path = folder.File("damaged.qst");
    ASSERT_EQ(SaveQuest(path.c_str()), 0);
    ASSERT_EQ(LoadQuest(path.c_str()), 0);
    gPrinted.clear();
    p.Reset();
    ExitRequest = 0;
    SeedRandom(11);
    for (int k : q.keys) p.idleActs.push_back([k](ScriptedPlatform& s) { s.keys.push_back(k); });
    // A second turn of the hero ends the test.
    for (int i = 0; i < 20; i++)
      p.idleActs.push_back([](ScriptedPlatform&) {
        int turns = 0;
        for (const std::string& line : gPrinted) turns += line == "Barbarian make your move...";
        if (turns >= 2) ExitRequest = 2;
      });
    int outcome = PlayQuest();
    EXPECT_FALSE(p.ranOutOfActs) << "the game waited for ever";
    EXPECT_EQ(outcome, q.outcome);
    if (q.message) {
      bool seen = false;
      for (const std::string& line : gPrinted) seen |= line.rfind(q.message, 0) == 0;
      EXPECT_TRUE(seen) << "never said: " << q.message;
    }
  }
}

}  // namespace
