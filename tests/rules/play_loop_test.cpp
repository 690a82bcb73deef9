// The round loop and the quest as a whole: who moves first, whose turn comes next,
// how a quest ends, and a saved game that carries on where it was.
#include "rules/play_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/random.h"
#include "play_fixture.h"
#include "rules/game_menu.h"
#include "scripted_dialog.h"
#include "support/temp_folder.h"
#include "ui/quest_dialogs.h"

namespace {

std::string gSaveFile;
int ChooseSave(int mode) {
  char path[512];
  CopyText(path, gSaveFile.c_str(), 511);
  SavedGameChosen(mode, path);
  return 0;
}

class PlayLoop : public PlayBoard {
 protected:
  PrintedLines printed;

  void Place(int slot, const char* name, int side, int x, int y, int walk = 5) {
    PlacePiece(slot, name, side, x, y, walk, 2, 20);
  }
  int Count(const std::string& text) { return printed.Count(text); }
  int Index(const std::string& text) { return printed.Index(text); }
};

TEST_F(PlayLoop, WithoutObjectFourTheFirstRoundStartsWithObjectOne) {
  Place(1, "Barbarian", kSideHero, 2, 2);
  Place(2, "Dwarf", kSideHero, 4, 2);
  for (uint32_t seed = 1; seed <= 6; seed++) {  // whatever the draw, object 4 is not there
    SeedRandom(seed);
    printed.Clear();
    p.Reset();
    ExitRequest = 0;
    Act endOnTheDwarf = [](ScriptedPlatform&) {
      if (CurrentObject == 2) ExitRequest = 2;
    };
    p.idleActs = {Key(kKeyBackspace), endOnTheDwarf, endOnTheDwarf};
    PlayQuest();
    ASSERT_GE(Index("Dwarf make your move..."), 0);
    EXPECT_LT(Index("Barbarian make your move..."), Index("Dwarf make your move...")) << seed;
  }
}

TEST_F(PlayLoop, TheQuestEndsWonWhenItsObjectiveIsMetAndLostWithNoHeroLeft) {
  Place(1, "Barbarian", kSideHero, 2, 2);
  QuestHeader.qstdata[kQuestObjective] = 1;  // kill all monsters: none on the board
  EXPECT_EQ(PlayQuest(), kQuestWon);

  ResetQuest(true);
  QuestHeader.qstdata[kQuestObjective] = 0;
  Place(5, "Orc", kSideGreenskin, 2, 2);
  EXPECT_EQ(PlayQuest(), kQuestLost);
}

TEST_F(PlayLoop, MonstersInTheDarkWaitAndOneAttackSendsTheTurnBackToTheHeroes) {
  // A hero walled in with three orcs next to him, one far away in an unseen room.
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = x < 8 ? 8 : 5;
  Place(1, "Barbarian", kSideHero, 3, 3, 0);
  ObjectTable[1].attribute[kLife] = 120;
  Place(5, "Orc", kSideGreenskin, 2, 3);
  Place(6, "Goblin", kSideGreenskin, 4, 3);
  Place(7, "Fimir", kSideGreenskin, 3, 4);
  Place(8, "Zombie", kSideUndead, 20, 10);
  for (int multiturn : {0, 1}) {
    SCOPED_TRACE(multiturn);
    GameOptions.multiturn = multiturn;
    printed.Clear();
    p.Reset();
    ExitRequest = 0;
    ResetPlayState();
    // The hero's turn ends at once (no walk, nothing chosen); the second hero turn ends
    // the test.
    for (int i = 0; i < 40; i++)
      p.idleActs.push_back([this](ScriptedPlatform& s) {
        if (Count("Barbarian make your move...") == 2) ExitRequest = 2;
        s.keys.push_back(kKeyBackspace);
      });
    PlayQuest();
    int moves = Count("Orc is making his move...") + Count("Goblin is making his move...") +
                Count("Fimir is making his move...");
    EXPECT_EQ(moves, multiturn ? 3 : 1);
    EXPECT_EQ(Count("Zombie is making his move..."), 0);
  }
}

TEST_F(PlayLoop, ASavedGameLoadedFromTheMenuCarriesOnWhereItWas) {
  TempFolder folder;
  gSaveFile = folder.File("midturn.sav");
  ChooseSavedGame = ChooseSave;
  ScriptedDialogs dialogs;
  dialogs.Script({Press(kGameMenuSave), Press(kGameMenuResume), Press(kGameMenuLoad)});
  Place(1, "Barbarian", kSideHero, 2, 2, 7);
  Place(5, "Orc", kSideGreenskin, 2, 10);  // walled off: never in sight
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = y < 8 ? 8 : 5;
  CopyText(QuestHeader.quest, "The Trial", kHeaderTextLen);
  CopyText(QuestHeader.author, "Brannock", kHeaderTextLen);
  int walkAtSave = -1, xAtLoad = -1;
  p.idleActs = {Key(kKeyRight), Key(kKeyRight),
                [&](ScriptedPlatform& s) {  // two steps walked: save
                  walkAtSave = WalkLeft;
                  s.keys.push_back(kKeyEsc);
                },
                Key(kKeyRight), Key(kKeyRight), Key(kKeyEsc),  // two more, then load
                [&](ScriptedPlatform&) {
                  for (int x = 0; x < kBoardW; x++)
                    if (ObjectMap[x][2] == 1) xAtLoad = x;
                },
                Key(kKeyRight), Key(kKeyBackspace), [](ScriptedPlatform&) { ExitRequest = 2; }};
  SeedRandom(3);
  PlayQuest();
  ChooseSavedGame = SavedGameDialog;
  EXPECT_FALSE(p.ranOutOfActs);
  EXPECT_EQ(walkAtSave, 5);
  EXPECT_EQ(xAtLoad, 4);  // back where the save was made
  EXPECT_GE(Index("You are now playing The Trial by Brannock."), 0);
  EXPECT_EQ(ObjectMap[5][2], 1);  // and one step further on the saved walk
  EXPECT_EQ(VisibilityMap[2][10], 0);
}

}  // namespace
