// Quests that are damaged or oddly made, played for real: each goes through a quest file
// (written, then loaded as a player's would be) and the play loop, and must end or go on
// with its message, never crash or hang.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/random.h"
#include "play_fixture.h"
#include "quest/quest_file.h"
#include "rules/object_actions.h"
#include "rules/play_loop.h"
#include "support/temp_folder.h"

namespace {

void Piece(int slot, const char* name, int side, int x, int y) {
  PlacePiece(slot, name, side, x, y, 4, 2, 30);
}

struct DamagedQuest {
  const char* what;
  std::function<void()> make;       // builds the quest in memory (a hero, slot 1, at 3,3)
  std::vector<int> keys;            // what the player types in his first turn
  int outcome;                      // how PlayQuest ends (0: still playing when left)
  const char* message;              // how a line the player must have seen begins, or nullptr
};

class DamagedQuests : public PlayBoard {
 protected:
  PrintedLines printed;
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
    printed.Clear();
    p.Reset();
    ExitRequest = 0;
    SeedRandom(11);
    for (int k : q.keys) p.idleActs.push_back([k](ScriptedPlatform& s) { s.keys.push_back(k); });
    // A second turn of the hero ends the test.
    for (int i = 0; i < 20; i++)
      p.idleActs.push_back([this](ScriptedPlatform&) {
        if (printed.Count("Barbarian make your move...") >= 2) ExitRequest = 2;
      });
    int outcome = PlayQuest();
    EXPECT_FALSE(p.ranOutOfActs) << "the game waited for ever";
    EXPECT_EQ(outcome, q.outcome);
    if (q.message) {
      EXPECT_TRUE(printed.AnyStartingWith(q.message)) << "never said: " << q.message;
    }
  }
}

}  // namespace
