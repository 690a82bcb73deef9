// A monster's turn on small boards drawn as text: the target it picks, its walk and its
// attack, and the one-attack rule.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "act_fixture.h"
#include "core/colors.h"
#include "render/board_draw.h"
#include "render/side_panel.h"
#include "rules/combat.h"
#include "rules/doors.h"
#include "rules/monster_turn.h"
#include "rules/movement.h"

namespace {

constexpr int kFigure = 1;  // a 20 x 20 figure: one tile
constexpr int kBig = 2;     // 45 x 45 at offset (2, 2): its anchor, the tiles right and below

class MonsterTurnTest : public ActTest {
 protected:
  void SetUp() override {
    ActTest::SetUp();
    data.SetBitmap(kFirstObjectPicture + kFigure, 20, 20, makecol(0, 0, 200));
    data.SetBitmap(kFirstObjectPicture + kBig, 45, 45, makecol(0, 200, 0));
    data.Install();
    GameOptions.enemyrange = 20;
  }

  // The board from rows of text, row 0 first: '.' revealed floor, '#' a wall block (a
  // floor of its own), '?' floor the heroes have not seen. Tiles beyond the text are
  // revealed floor.
  void Board(const std::vector<std::string>& rows) {
    for (int y = 0; y < static_cast<int>(rows.size()) && y < kBoardH; y++)
      for (int x = 0; x < static_cast<int>(rows[y].size()) && x < kBoardW; x++) {
        char c = rows[y][x];
        FloorMap[x][y] = c == '#' ? 9 : 8;
        VisibilityMap[x][y] = c == '?' ? 0 : 1;
      }
  }
  ObjectRecord& Piece(int slot, int x, int y, int side, int walk = 8, int off = 3) {
    ObjectRecord& o = Place(slot, x, y, {side == kSideHero ? "Hero" : "Orc", side, off, 2, 4, 2});
    o.attribute[kWalkBase] = o.attribute[kWalk] = static_cast<int8_t>(walk);
    o.picture[kPicNumber] = kFigure;
    o.picture[kPicOffsetX] = o.picture[kPicOffsetY] = 2;
    return o;
  }
  // The monster's turn as the round loop gives it.
  int Turn(int slot) {
    CurrentObject = slot;
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++)
        if (ObjectMap[x][y] == slot) return MonsterTurn(x, y);
    ADD_FAILURE() << "object " << slot << " is not on the board";
    return 1;
  }
  bool At(int slot, int x, int y) const { return ObjectMap[x][y] == slot; }
  int Count(int effect) const {
    int n = 0;
    for (int e : Effects()) n += e == effect;
    return n;
  }
  bool Attacked() const { return Played(10) || Played(11); }
};

// ---- The target ----------------------------------------------------------------------

TEST_F(MonsterTurnTest, TheNearestHeroByPathNotByLine) {
  // The hero straight below is 2 rows away, but the wall sends the way round beyond
  // column 12; the hero up to the right is 6 steps away.
  Board({
      "..........................",
      "..........................",
      "..........................",
      "..........................",
      "............#.............",
      "############..............",
  });
  Piece(1, 3, 6, kSideHero);
  Piece(2, 9, 3, kSideHero);
  Piece(5, 3, 4, kSideGreenskin);
  EXPECT_EQ(Turn(5), 0);
  EXPECT_EQ(LastMonsterTurn.targetX, 9);
  EXPECT_EQ(LastMonsterTurn.distance, 6);
  EXPECT_TRUE(At(5, 8, 3));  // of the two tiles next to him, the smaller column
  EXPECT_TRUE(Attacked());
}

TEST_F(MonsterTurnTest, TiesGoToTheFirstTileInRowOrder) {
  struct Case {
    int ax, ay, bx, by;  // two heroes the same number of steps away
    int targetX, targetY, distance;
  } cases[] = {
      {8, 3, 2, 7, 8, 3, 4},  // the upper row first
      {2, 7, 8, 3, 8, 3, 4},  // whatever their object numbers
      {8, 5, 2, 5, 2, 5, 2},  // in one row, the left one first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ax * 100 + c.ay);
    ResetQuest(true);
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    Piece(1, c.ax, c.ay, kSideHero);
    Piece(2, c.bx, c.by, kSideAllied);
    Piece(5, 5, 5, kSideGreenskin, 0);  // stands still: only the choice counts
    Turn(5);
    EXPECT_EQ(LastMonsterTurn.targetX, c.targetX);
    EXPECT_EQ(LastMonsterTurn.targetY, c.targetY);
    EXPECT_EQ(LastMonsterTurn.distance, c.distance);
  }
}

TEST_F(MonsterTurnTest, ABigHeroIsFoundOnEachOfItsTiles) {
  // The 2 x 2 hero's anchor is (10, 5); the monster below reaches his lower row. Every
  // tile of him is the same distance away, so the first in row order is the target.
  ObjectRecord& big = Piece(1, 10, 5, kSideHero);
  big.picture[kPicNumber] = kBig;
  big.attribute[kLife] = 9;
  Piece(5, 11, 10, kSideGreenskin, 8, 4);
  Turn(5);
  EXPECT_EQ(LastMonsterTurn.targetX, 10);
  EXPECT_EQ(LastMonsterTurn.targetY, 5);
  EXPECT_EQ(LastMonsterTurn.distance, 3);
  EXPECT_TRUE(At(5, 11, 7));
  EXPECT_TRUE(Attacked());
  EXPECT_LT(ObjectTable[1].attribute[kLife] + 0, 10);
}

TEST_F(MonsterTurnTest, TheEnemyRangeLimitsTheDistance) {
  struct Case {
    int range, heroX;  // the monster stands on column 0 of row 0, the hero on heroX
    bool walks;
  } cases[] = {
      {20, 22, false},  // 21 steps
      {20, 21, true},   // 20 steps
      {99, 22, true},   // the classic range
      {0, 1, true},     // range 0: only next to a hero (it attacks)
      {0, 2, false},
      {1000, 22, true},  // dunmar.cfg beyond the slider: the largest range, 99
      {-5, 1, true},     // below it: range 0
      {-5, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "range " << c.range << " hero " << c.heroX);
    ResetQuest(true);
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    p.Reset();
    GameOptions.enemyrange = c.range;
    Board({"..........................", "##########################"});
    Piece(1, c.heroX, 0, kSideHero);
    Piece(5, 0, 0, kSideGreenskin, 4);
    int before = RandomState();
    EXPECT_EQ(Turn(5), c.walks ? 0 : 1);
    if (c.walks) {
      EXPECT_TRUE(At(5, 4, 0) || Attacked());
    } else {
      EXPECT_TRUE(At(5, 0, 0));
      EXPECT_EQ(static_cast<int>(RandomState()), before);
      EXPECT_TRUE(p.played.empty());
    }
  }
}

TEST_F(MonsterTurnTest, PiecesAreIgnoredOnlyWhenNobodyIsInRangeOtherwise) {
  // A table blocks the corridor of row 1. With nothing else in range the monster heads
  // for the hero behind it anyway and stops at the table.
  Board({
      "##########################",
      "..........................",
      "##########################",
  });
  Piece(5, 0, 1, kSideGreenskin, 8);
  Thing(9, 3, 1, 0);
  Piece(1, 8, 1, kSideHero);
  EXPECT_EQ(Turn(5), 0);
  EXPECT_EQ(LastMonsterTurn.ignoredPieces, 1);
  EXPECT_EQ(LastMonsterTurn.targetX, 8);
  EXPECT_TRUE(At(5, 2, 1));
  EXPECT_EQ(LastMonsterTurn.result, kMonsterStuck);
  EXPECT_FALSE(Attacked());

  // A hero within range by a free way is preferred to a nearer one behind the tables.
  ResetQuest(true);
  memset(VisibilityMap, 1, sizeof VisibilityMap);
  Board({
      "..........................",
      "..........................",
      "..........................",
      "##########################",
  });
  Piece(5, 4, 1, kSideGreenskin, 2);
  for (int y = 0; y <= 2; y++) Thing(9 + y, 5, y, 0);
  Piece(1, 6, 1, kSideHero);  // one step through a table
  Piece(2, 0, 2, kSideHero);  // four steps by a free way
  EXPECT_EQ(Turn(5), 0);
  EXPECT_EQ(LastMonsterTurn.targetX, 0);
  EXPECT_EQ(LastMonsterTurn.distance, 4);
  EXPECT_EQ(LastMonsterTurn.ignoredPieces, 0);
}

TEST_F(MonsterTurnTest, DoorsAndTheDarkKeepMonstersOut) {
  struct Case {
    const char* name;
    int door;      // on the west edge of column 5, row 2
    bool darkGap;  // the tile beyond the door unrevealed
    bool reaches;
  } cases[] = {
      {"open door", kDoorOpen, false, true},
      {"closed door", kDoorRed, false, false},
      {"hidden door", kDoorHidden, false, false},
      {"no door", 0, false, false},
      {"open door into the dark", kDoorOpen, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetQuest(true);
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    p.Reset();
    Board({
        "....#.....",
        "....#.....",
        "....##....",
        "....#.....",
    });
    for (int y = 0; y < kBoardH; y++)
      for (int x = 5; x < kBoardW; x++) FloorMap[x][y] = 10;
    FloorMap[4][2] = 8;
    DoorMap[5][2] = static_cast<uint8_t>(c.door);
    if (c.darkGap) VisibilityMap[5][2] = 0;
    Piece(5, 2, 2, kSideGreenskin, 8);
    Piece(1, 8, 2, kSideHero);
    Turn(5);
    EXPECT_EQ(LastMonsterTurn.targetX, c.reaches ? 8 : -1);
    EXPECT_EQ(DoorMap[5][2], c.door);  // never opened
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++)
        if (ObjectMap[x][y] == 5) {
          EXPECT_GT(VisibilityMap[x][y], 0) << x << "," << y;
        }
  }
}

// ---- The walk ------------------------------------------------------------------------

TEST_F(MonsterTurnTest, AMonsterWalksItsWalkValueAlongTheShortestPath) {
  Board({"..........................", "##########################"});
  Piece(5, 0, 0, kSideGreenskin, 3);
  Piece(1, 10, 0, kSideHero);
  EXPECT_EQ(Turn(5), 0);
  EXPECT_TRUE(At(5, 3, 0));
  EXPECT_EQ(ObjectMap[0][0], 0);
  EXPECT_EQ(LastMonsterTurn.advanced, 3);
  EXPECT_EQ(LastMonsterTurn.gotoTile, 5);
  EXPECT_EQ(Count(6), 3);
  EXPECT_EQ(Count(7), 0);
  EXPECT_EQ(p.waitedMs, 3 * 120);
  EXPECT_FALSE(Attacked());
  EXPECT_EQ(CurrentObject, 5);
  EXPECT_EQ(PanelObject, 5);
  EXPECT_EQ(Line(0), "Orc is making his move...");
  EXPECT_TRUE(SameColor(LoggedLine(0).color, TextColor2));
}

TEST_F(MonsterTurnTest, AmongShortestPathsTheSmallestColumnComesFirst) {
  // Down and right are equally short towards the hero below to the right: the step to
  // the smaller column (straight down) wins each time.
  Piece(5, 0, 0, kSideGreenskin, 2);
  Piece(1, 4, 4, kSideHero);
  Turn(5);
  EXPECT_TRUE(At(5, 0, 2));
}

TEST_F(MonsterTurnTest, FellowMonstersAreCrossedAndTheCrossingCounts) {
  struct Case {
    int walk;
    int endX;  // where the first monster stands afterwards
    int jumps;
    int result;
  } cases[] = {
      {1, 0, 0, kMonsterCrossed},  // the crossing used its only point
      {2, 2, 1, kMonsterMoved},    // over the other monster onto the tile beyond
      {4, 4, 1, kMonsterMoved},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.walk);
    ResetQuest(true);
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    p.Reset();
    Board({"..........................", "##########################"});
    Piece(5, 0, 0, kSideGreenskin, c.walk);
    Piece(6, 1, 0, kSideUndead, 0);  // another faction, the same team
    Piece(1, 12, 0, kSideHero);
    Turn(5);
    EXPECT_TRUE(At(5, c.endX, 0));
    EXPECT_TRUE(At(6, 1, 0));
    EXPECT_EQ(LastMonsterTurn.jumps, c.jumps);
    EXPECT_EQ(LastMonsterTurn.result, c.result);
    EXPECT_EQ(Count(7), c.jumps);
  }
}

TEST_F(MonsterTurnTest, HeroesAreNotCrossed) {
  // A hero fills the corridor: he is the target, so the monster walks up and attacks.
  Board({"..........................", "##########################"});
  Piece(5, 0, 0, kSideGreenskin, 8);
  Piece(1, 3, 0, kSideHero);
  Piece(2, 6, 0, kSideHero);
  Turn(5);
  EXPECT_EQ(LastMonsterTurn.targetX, 3);
  EXPECT_TRUE(At(5, 2, 0));
  EXPECT_TRUE(Attacked());
}

// ---- The attack ----------------------------------------------------------------------

TEST_F(MonsterTurnTest, WalkZeroAttacksOnlyFromNextToAHero) {
  struct Case {
    int heroX;
    bool attacks;
  } cases[] = {{6, true}, {7, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heroX);
    ResetQuest(true);
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    p.Reset();
    Piece(5, 5, 5, kSideGreenskin, 0, 5);
    Piece(1, c.heroX, 5, kSideHero);
    Turn(5);
    EXPECT_TRUE(At(5, 5, 5));
    EXPECT_EQ(LastMonsterTurn.attacked, c.attacks ? 1 : 0);
    EXPECT_EQ(Attacked(), c.attacks);
    // The dice were the monster's: five attack dice against the hero's two.
    if (c.attacks) {
      EXPECT_EQ(CombatDice.attackSkulls + CombatDice.attackWhite + CombatDice.attackBlack, 5);
      EXPECT_EQ(CombatDice.defenceSkulls + CombatDice.defenceWhite + CombatDice.defenceBlack, 2);
    }
  }
}

TEST_F(MonsterTurnTest, NoAttackIntoTheDark) {
  Piece(5, 5, 5, kSideGreenskin, 8, 5);
  Piece(1, 6, 5, kSideHero);
  VisibilityMap[6][5] = 0;
  Turn(5);
  EXPECT_EQ(LastMonsterTurn.attacked, 0);
  EXPECT_FALSE(Attacked());
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 4);
}

TEST_F(MonsterTurnTest, AMonsterThatCannotFightDoesNothing) {
  struct Case {
    const char* name;
    int off, life;
  } cases[] = {{"off 0", 0, 4}, {"life 0", 3, 0}, {"life below 0", 3, -2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetQuest(true);
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    p.Reset();
    PrintMessage(TextColor2, "-");
    ObjectRecord& m = Piece(5, 5, 5, kSideGreenskin, 8, c.off);
    m.attribute[kLife] = static_cast<int8_t>(c.life);
    Piece(1, 6, 5, kSideHero);
    Piece(2, 12, 5, kSideHero);
    EXPECT_EQ(Turn(5), 1);
    EXPECT_TRUE(At(5, 5, 5));
    EXPECT_TRUE(p.played.empty());
    EXPECT_EQ(Line(0), "-");
    EXPECT_EQ(ObjectTable[1].attribute[kLife], 4);
  }
}

TEST_F(MonsterTurnTest, OneAttackBetweenTwoPassesOverTheHeroes) {
  // Three monsters round two heroes, each next to one; the round loop gives them their
  // turns in object order and goes back to object 1 when CurrentObject is 255.
  for (int multi : {0, 1}) {
    SCOPED_TRACE(multi);
    ResetQuest(true);
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    p.Reset();
    GameOptions.multiturn = multi;
    Piece(1, 5, 5, kSideHero).attribute[kLife] = 50;
    Piece(2, 9, 5, kSideHero).attribute[kLife] = 50;
    Piece(5, 4, 5, kSideGreenskin);
    Piece(6, 10, 5, kSideUndead);
    Piece(7, 5, 6, kSideChaos);
    int attacks = 0;
    std::vector<int> movedOrder;
    CurrentObject = 4;
    while (CurrentObject < 255) {
      CurrentObject++;
      if (CurrentObject > 7) break;
      int slot = CurrentObject;
      Turn(slot);
      if (LastMonsterTurn.attacked) {
        attacks++;
        movedOrder.push_back(slot);
      }
      if (!multi && slot == 5) {
        EXPECT_EQ(CurrentObject, 255);
      }
    }
    EXPECT_EQ(attacks, multi ? 3 : 1);
    EXPECT_EQ(movedOrder.front(), 5);
  }
}

// ---- What the turn guarantees in any case -------------------------------------------

TEST_F(MonsterTurnTest, NobodyToGoForMeansNothingHappens) {
  struct Case {
    const char* name;
    int heroX, heroY;  // in the ObjectMap; -1 for no hero at all
  } cases[] = {
      {"no hero", -1, -1},
      {"a hero in the layer's extra column", 26, 3},
      {"a hero in the layer's extra row", 4, 19},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetQuest(true);
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    p.Reset();
    PrintMessage(TextColor2, "-");
    Piece(5, 5, 5, kSideGreenskin);
    if (c.heroX >= 0) {
      Piece(1, 0, 0, kSideHero);
      ObjectMap[0][0] = 0;
      ObjectMap[c.heroX][c.heroY] = 1;
    }
    uint32_t seed = RandomState();
    EXPECT_EQ(Turn(5), 1);
    EXPECT_TRUE(At(5, 5, 5));
    EXPECT_EQ(Line(0), "-");
    EXPECT_EQ(RandomState(), seed);
    EXPECT_EQ(LastMonsterTurn.targetX, -1);
  }
}

TEST_F(MonsterTurnTest, OnlyTheMonsterWhoseTurnItIsActs) {
  Piece(5, 5, 5, kSideGreenskin);
  Piece(1, 6, 5, kSideHero);
  struct Case {
    int current, x, y;
  } cases[] = {
      {6, 5, 5},    // another object's turn
      {5, -1, 5},   // off the board
      {5, 26, 5},
      {5, 5, 19},
      {1, 6, 5},    // a hero's tile
      {5, 7, 7},    // an empty tile
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.current << " at " << c.x << "," << c.y);
    CurrentObject = c.current;
    EXPECT_EQ(MonsterTurn(c.x, c.y), 1);
    EXPECT_TRUE(At(5, 5, 5));
    EXPECT_TRUE(p.played.empty());
  }
}

TEST_F(MonsterTurnTest, DeveloperModeSumsTheTurnUp) {
  GameOptions.developer = 1;
  Board({"..........................", "##########################"});
  Piece(5, 0, 0, kSideGreenskin, 2);
  Piece(6, 1, 0, kSideGreenskin, 0);
  Piece(1, 9, 0, kSideHero);
  Turn(5);
  EXPECT_EQ(Line(0), "distance=8, qstwalk=2, gototile=4, jumps=1, result=1, press a key..");
  EXPECT_TRUE(SameColor(LoggedLine(0).color, ColorTable[kColorGreen]));
  GameOptions.developer = 0;
}

}  // namespace
