// The hero turn, driven the way a player drives it: keys and clicks arrive while the
// game idles, and the turn is watched from the board and the play state.
#include "rules/hero_turn.h"

#include <gtest/gtest.h>

#include <string>

#include "core/random.h"
#include "play_fixture.h"
#include "render/board_draw.h"

namespace {

class HeroTurnTest : public PlayBoard {
 protected:
  void SetUp() override {
    PlayBoard::SetUp();
    SeedRandom(7);
    Place(1, "Barbarian", kSideHero, 2, 2, 7);
    CurrentObject = 1;
  }
  void Place(int slot, const char* name, int side, int x, int y, int walk = 0) {
    PlacePiece(slot, name, side, x, y, walk, 3, 8);
  }
  // Runs the hero turn of slot 1 with the walk the round loop gives him.
  void Turn(std::initializer_list<Act> acts) {
    for (const Act& a : acts) p.idleActs.push_back(a);
    int x = 0, y = 0;
    for (int ty = 0; ty < kBoardH; ty++)
      for (int tx = 0; tx < kBoardW; tx++)
        if (ObjectMap[tx][ty] == CurrentObject) x = tx, y = ty;
    WalkLeft = ObjectTable[CurrentObject].attribute[kWalk];
    HeroTurn(x, y);
    EXPECT_FALSE(p.ranOutOfActs) << "the turn waited for more input than the test gave";
  }
  bool Logged(const std::string& text) {
    for (int i = 0; i < kMessageLogLines; i++)
      if (text == LoggedLine(i).text) return true;
    return false;
  }
};

TEST_F(HeroTurnTest, ArrowKeysWalkTheHeroAndRevealWhereHeGoes) {
  Turn({Key(kKeyRight), Key(kKeyRight), Key(kKeyDown), Key(kKeyBackspace)});
  EXPECT_EQ(ObjectMap[2][2], 0);
  EXPECT_EQ(ObjectMap[4][3], 1);
  EXPECT_EQ(HeroPositionX, 4);
  EXPECT_EQ(HeroPositionY, 3);
  EXPECT_EQ(WalkLeft, 0);  // Backspace ended the turn
  EXPECT_EQ(ActionState, kActionActed);
  EXPECT_GT(VisibilityMap[12][12], 0);  // one open floor: all of it in sight
}

TEST_F(HeroTurnTest, WalkPointsRunOutAndTheTurnOffersAnActionFirst) {
  ObjectTable[1].attribute[kWalk] = 2;
  Turn({Key(kKeyRight), Key(kKeyRight)});
  EXPECT_EQ(ObjectMap[4][2], 1);
  EXPECT_EQ(WalkLeft, 0);
  EXPECT_TRUE(Logged("Nothing to use or attack."));
  EXPECT_EQ(ActionState, kActionMoving);
}

TEST_F(HeroTurnTest, EnterChoosesTheTargetAndASecondEnterActs) {
  Place(9, "Orc", kSideGreenskin, 3, 2);
  Turn({Key(kKeyEnter), [](ScriptedPlatform&) {
          EXPECT_EQ(ActionState, kActionChoosingTarget);
          EXPECT_EQ(ActionTargetX, 3);
        },
        Key(kKeyEnter), Key(kKeyBackspace)});
  EXPECT_TRUE(Logged("Choose your target.") || ObjectMap[3][2] == 0);
  EXPECT_EQ(ActionState, kActionActed);
}

TEST_F(HeroTurnTest, AnArrowWhileChoosingPicksAnotherTargetOrCancels) {
  Place(9, "Orc", kSideGreenskin, 3, 2);
  Place(10, "Goblin", kSideGreenskin, 1, 2);
  Turn({Key(kKeyEnter),  // left first: the goblin
        [](ScriptedPlatform&) { EXPECT_EQ(ActionTargetX, 1); }, Key(kKeyRight),
        [](ScriptedPlatform&) { EXPECT_EQ(ActionTargetX, 3); }, Key(kKeyDown),
        [](ScriptedPlatform&) { EXPECT_EQ(ActionState, kActionMoving); }, Key(kKeyBackspace)});
  EXPECT_TRUE(Logged("Cancelled.."));
}

TEST_F(HeroTurnTest, AClickWalksOneStepAlongThePathAndHoldingWalksOn) {
  Turn({Mouse(6, 2, 1), Release(), Mouse(6, 2, 1), Mouse(6, 2, 1), Release(),
        Key(kKeyBackspace)});
  EXPECT_EQ(ObjectMap[5][2], 1);  // three passes with the button down: three steps
}

TEST_F(HeroTurnTest, ClickingAPieceNextToTheHeroChoosesItAndClickingAgainActs) {
  Place(9, "Orc", kSideGreenskin, 2, 3);
  Turn({Mouse(2, 3, 1), Release(),
        [](ScriptedPlatform&) {
          EXPECT_EQ(ActionState, kActionChoosingTarget);
          EXPECT_EQ(ActionTargetY, 3);
        },
        Mouse(2, 3, 1), Release(), Key(kKeyBackspace)});
  EXPECT_EQ(ActionState, kActionActed);
}

TEST_F(HeroTurnTest, ARightClickOffTheBoardCancelsTheChoiceThenEndsTheTurn) {
  Place(9, "Orc", kSideGreenskin, 3, 2);
  const int offBoard = 799;
  Act rightOff = [=](ScriptedPlatform& s) {
    s.mouseX = offBoard;
    s.mouseY = 599;
    s.mouseButtons = 2;
  };
  Turn({Key(kKeyEnter), rightOff, Release(),
        [](ScriptedPlatform&) { EXPECT_EQ(ActionState, kActionMoving); }, rightOff, Release()});
  EXPECT_EQ(WalkLeft, 0);
  EXPECT_EQ(ActionState, kActionActed);
  EXPECT_EQ(ObjectMap[2][2], 1);
}

// A hero who walks, then acts: "Move before and after action" keeps the rest of his
// walk; without it the rest is lost. A hero who acts before walking keeps it all.
TEST_F(HeroTurnTest, WalkPointsAroundAnActionFollowTheOption) {
  struct Case {
    int skirmish;
    bool walkFirst;
    int tilesAfter;  // how far he gets with three more Right keys after the attack
  };
  const Case cases[] = {{0, true, 0}, {1, true, 3}, {0, false, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "skirmish " << c.skirmish << " walk first " << c.walkFirst);
    SetUp();
    GameOptions.skirmish = c.skirmish;
    int orcX = c.walkFirst ? 6 : 3;
    Place(9, "Orc", kSideGreenskin, orcX, 2);
    ObjectTable[9].attribute[kLife] = 50;  // survives the blow, stays in the way
    if (c.walkFirst) {
      Turn({Key(kKeyRight), Key(kKeyRight), Key(kKeyRight), Key(kKeyEnter), Key(kKeyEnter),
            Key(kKeyDown), Key(kKeyDown), Key(kKeyDown), Key(kKeyBackspace)});
      int x = 0, y = 0;
      for (int ty = 0; ty < kBoardH; ty++)
        for (int tx = 0; tx < kBoardW; tx++)
          if (ObjectMap[tx][ty] == 1) x = tx, y = ty;
      EXPECT_EQ(x, 5);
      EXPECT_EQ(y, 2 + c.tilesAfter);
    } else {
      Turn({Key(kKeyEnter), Key(kKeyEnter), Key(kKeyDown), Key(kKeyDown), Key(kKeyDown),
            Key(kKeyBackspace)});
      EXPECT_EQ(ObjectMap[2][2 + c.tilesAfter], 1);
    }
  }
}

TEST_F(HeroTurnTest, WithoutTheFixedWalkOptionTheDiceSetTheWalk) {
  GameOptions.fixedwalk = 0;
  Turn({[](ScriptedPlatform&) {
          EXPECT_GE(WalkLeft, 2);
          EXPECT_LE(WalkLeft, 12);
        },
        Key(kKeyBackspace)});
  EXPECT_NE(std::string(LoggedLine(0).text).find("your dice count is"), std::string::npos);
}

TEST_F(HeroTurnTest, OpeningADoorRevealsTheRoomBeyond) {
  for (int x = 3; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = 5;  // a wall east of the hero
  DoorMap[3][2] = 1;                                      // an open door in it
  Turn({[](ScriptedPlatform&) { EXPECT_EQ(VisibilityMap[10][10], 0); }, Key('o'),
        Key(kKeyBackspace)});
  EXPECT_GT(VisibilityMap[10][10], 0);
}

TEST_F(HeroTurnTest, NoDoorToOpenSaysSo) {
  Turn({Key('o'), Key(kKeyBackspace)});
  EXPECT_TRUE(Logged("No door to open here."));
}

TEST_F(HeroTurnTest, TheCloseButtonEndsTheTurnWhenConfirmed) {
  Turn({[](ScriptedPlatform&) { ExitRequest = 1; }});
  EXPECT_EQ(ExitRequest, 2);
}

}  // namespace
