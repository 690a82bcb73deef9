// The bot's policy on small boards: what it wants, what it fears and which key or click
// it gives for the next pass of the hero turn.
#include <gtest/gtest.h>

#include <cstring>

#include "bot_board.h"
#include "bot_platform.h"
#include "bot_policy.h"
#include "quest/script_types.h"
#include "core/game_options.h"
#include "render/board_draw.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "rules/options_dialog.h"

namespace {

TEST(BotAlert, ReadsEveryBoxAndNeverLeaves) {
  struct Case {
    const char *b1, *b2;
    int answer;
  } const cases[] = {
      {"OK", nullptr, 1},     // a text box
      {"OK", "", 1},          // one button, the second left empty
      {"OK", "CANCEL", 2},    // retreat, flee, leave the game or the program: never
  };
  for (const Case& c : cases) EXPECT_EQ(BotAlertAnswer(c.b1, c.b2), c.answer) << c.b2;
}

TEST(BotScreen, ClickLandsOnItsTileInEveryLayoutAndView) {
  struct Layout {
    int boardX, boardY;
  } const layouts[] = {{kBoardLeftX, kBoardTopY}, {kBoardShiftedX, kBoardLowY}};
  for (const Layout& l : layouts)
    for (int view = 1; view <= 2; view++) {
      ResetScreenLayout();
      ScreenLayout.boardX = l.boardX;
      ScreenLayout.boardY = l.boardY;
      ViewMode = view;
      ZoomOriginX = 6;
      ZoomOriginY = 4;
      int shown = 0;
      for (int x = 0; x < kBoardW; x++)
        for (int y = 0; y < kBoardH; y++) {
          int sx, sy, tx, ty;
          if (!TileToScreen(x, y, &sx, &sy)) continue;
          shown++;
          ASSERT_TRUE(ScreenToTile(sx, sy, &tx, &ty));
          EXPECT_EQ(tx, x);
          EXPECT_EQ(ty, y);
        }
      if (view == 1)
        EXPECT_EQ(shown, kBoardW * kBoardH);
      else
        EXPECT_LT(shown, kBoardW * kBoardH / 2) << "the zoom window shows a part";
      int sx, sy;
      EXPECT_FALSE(TileToScreen(kBoardW, 0, &sx, &sy));
    }
  ResetScreenLayout();
  ViewMode = 1;
}

class BotPolicy : public ::testing::Test {
 protected:
  BotMemory memory;
  void SetUp() override {
    RockBoard();
    SetDefaultGameOptions();
    ApplyOptionsPreset(kPresetDefault);
    ResetScreenLayout();
    ViewMode = 1;
    memory.NewGame();
    memory.NewTurn();
  }
  void TearDown() override { ResetQuest(true); }
  // The hero in slot 1 takes his turn on (x, y).
  ObjectRecord& Hero(int x, int y, const PieceValues& v = {6, 3, 2, 8, 4}) {
    ObjectRecord& h = Piece(1, "Barbarian", kSideHero, x, y, v);
    CurrentObject = 1;
    HeroPositionX = ActionTargetX = x;
    HeroPositionY = ActionTargetY = y;
    ActionState = kActionMoving;
    WalkLeft = v.walk;
    return h;
  }
};

TEST_F(BotPolicy, WantsWhatHelpsAndNeverWhatHurts) {
  Room(1, 1, 10, 10);
  RevealAll();
  struct Case {
    const char* what;
    int type, x, y;
    int gold, redKeys;
    int heroLife;   // of 8
    int objective;
    bool heroHasRedKey;
    int want;       // -1: any positive value
  } const cases[] = {
      {"arrow trap", 7, 0, 0, 0, 0, 8, 1, false, 0},
      {"instant death", 10, 0, 0, 0, 0, 8, 1, false, 0},
      {"game end, lost", 11, 1, 0, 0, 0, 8, 1, false, 0},
      {"game end, won", 11, 0, 0, 0, 0, 8, 1, false, kValueWin},
      {"game won, reveal all", 13, 0, 0, 0, 0, 8, 1, false, kValueWin},
      {"stairs down", 101, 0, 0, 0, 0, 8, 1, false, kValueWin},
      {"retreat", 23, 0, 0, 50, 0, 8, 1, false, 0},
      {"stairs up: flee", 100, 0, 0, 0, 0, 8, 1, false, 0},
      {"the shop", 21, 0, 0, 0, 0, 8, 1, false, 0},
      {"turns into a prefab", 18, 3, 0, 0, 0, 8, 1, false, 0},
      {"give life, healthy", 2, 3, 2, 0, 0, 8, 1, false, kValueBoost},
      {"give life, wounded", 2, 3, 2, 0, 0, 3, 1, false, kValueHeal},
      {"heal, at full life", 2, 8, 4, 0, 0, 8, 1, false, 0},
      {"heal, at half life", 2, 8, 4, 0, 0, 4, 1, false, kValueHeal},
      {"give nothing", 2, 5, 3, 0, 0, 8, 1, false, 0},
      {"take life away", 2, 3, -2, 0, 0, 8, 1, false, 0},
      {"treasure card, healthy", 19, 0, 0, 0, 0, 8, 1, false, kValueSearch},
      {"treasure card, wounded", 19, 0, 0, 0, 0, 3, 1, false, 0},
      {"chest of gold", 1, 0, 0, 30, 0, 8, 1, false, kValueLoot},
      {"a text and nothing else", 1, 0, 0, 0, 0, 8, 1, false, 0},
      {"a red key nobody has", 1, 0, 0, 0, 1, 8, 1, false, kValueKey},
      {"the red key of the objective", 1, 0, 0, 0, 1, 8, 2, false, kValueObjective},
      {"a red key the party has", 1, 0, 0, 0, 1, 8, 1, true, 0},
      {"an endpoint, another objective", 22, 0, 0, 0, 0, 8, 1, false, 0},
      {"an endpoint, no objective", 22, 0, 0, 0, 0, 8, 0, false, kValueObjective},
      {"a lever", 24, 2, 2, 0, 0, 8, 1, false, kValueLever},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QuestHeader.qstdata[kQuestObjective] = c.objective;
    ObjectRecord& h = Hero(2, 2);
    h.attribute[kLife] = static_cast<int8_t>(c.heroLife);
    h.inventory[kInvRedKeys] = c.heroHasRedKey ? 1 : 0;
    ObjectRecord& t = Thing(5, "Thing", 3, 2, c.type, c.x, c.y);
    t.inventory[kInvGold] = c.gold;
    t.inventory[kInvRedKeys] = c.redKeys;
    EXPECT_EQ(StaticWant(1, 5), c.want);
  }
}

TEST_F(BotPolicy, TheHeroWhoWoundsAMonsterBestWantsItMost) {
  Room(1, 1, 10, 10);
  RevealAll();
  // A yeti: thick skin, a dull mind.
  Piece(9, "Yeti", kSideFrozen, 6, 6, {7, 4, 2, 4, 1});
  Hero(2, 2, {8, 3, 2, 9, 4});
  const int physical = MonsterWant(1, 9);
  Hero(2, 2, {8, -2, 2, 7, 6});
  const int magical = MonsterWant(1, 9);
  EXPECT_GT(physical, 0);
  EXPECT_GT(magical, physical) << "one skull of magic ends a mind of 1";
  Hero(2, 2, {8, 0, 2, 7, 6});
  EXPECT_EQ(MonsterWant(1, 9), 0) << "a hero without offence cannot hurt it";
  ObjectRecord& weak = Hero(2, 2, {8, -2, 2, 7, 6});
  weak.attribute[kLife] = 2;
  EXPECT_LT(MonsterWant(1, 9), magical) << "a wounded hero holds back";
  Piece(2, "Dwarf", kSideHero, 7, 7);
  EXPECT_EQ(MonsterWant(1, 2), 0) << "never a friend";
  // "Kill all frozen": the yeti before an orc as hard to wound.
  Hero(2, 2, {8, -2, 2, 7, 6});
  Piece(10, "Orc", kSideGreenskin, 8, 8, {7, 4, 2, 4, 1});
  QuestHeader.qstdata[kQuestObjective] = 8;
  EXPECT_GT(MonsterWant(1, 9), MonsterWant(1, 10));
  QuestHeader.qstdata[kQuestObjective] = 1;
  EXPECT_EQ(MonsterWant(1, 9), MonsterWant(1, 10));
}

TEST_F(BotPolicy, MonsterReachFollowsItsWalkWallsAndChoiceOfPrey) {
  uint8_t threat[kBoardW][kBoardH];
  Room(1, 1, 20, 3);
  RevealAll();
  Hero(18, 2);
  Piece(9, "Orc", kSideGreenskin, 5, 2, {3, 2, 2, 3, 1});
  ASSERT_TRUE(MonsterReach(threat));
  EXPECT_EQ(threat[9][2], 1) << "three steps to (8, 2), then it strikes";
  EXPECT_EQ(threat[10][2], 0) << "one tile beyond its walk";
  EXPECT_EQ(threat[5][5], 0) << "behind the rock";
  // A wall with an open door in it: the door lets it through, a closed wall does not.
  Room(7, 1, 20, 3, 9);
  EXPECT_TRUE(MonsterReach(threat));
  EXPECT_EQ(threat[8][2], 0);
  DoorEast(6, 1, kDoorOpen);
  MonsterReach(threat);
  EXPECT_EQ(threat[8][1], 1) << "through the door: (6, 2), (6, 1), (7, 1), then it strikes";
  EXPECT_EQ(threat[8][2], 0) << "the way round through the door is longer";
  // It goes for the nearest other hero when he is nearer than the tile.
  Piece(2, "Dwarf", kSideHero, 5, 3);
  MonsterReach(threat);
  EXPECT_EQ(threat[8][1], 0);
  EXPECT_EQ(threat[6][2], 1) << "as near as the dwarf";
  // Unrevealed, it does not move at all.
  VisibilityMap[5][2] = 0;
  EXPECT_FALSE(MonsterReach(threat));
  EXPECT_EQ(threat[6][2], 0);
}

TEST_F(BotPolicy, ChoosesTheMonsterNextToHimAndStrikesIt) {
  Room(1, 1, 10, 10);
  RevealAll();
  Hero(5, 5);
  Piece(9, "Orc", kSideGreenskin, 6, 5, {3, 2, 2, 3, 1});
  Thing(10, "Chest", 5, 6, 1).inventory[kInvGold] = 10;
  BotAction a = ChooseBotAction(memory);
  EXPECT_EQ(a.kind, BotAction::kClick);
  EXPECT_EQ(a.tx, 6);
  EXPECT_EQ(a.ty, 5);
  EXPECT_EQ(a.slot, 9) << "the monster before the chest";
  // The game has made it the target: Enter strikes.
  ActionState = kActionChoosingTarget;
  ActionTargetX = 6;
  ActionTargetY = 5;
  a = ChooseBotAction(memory);
  EXPECT_EQ(a.kind, BotAction::kKey);
  EXPECT_EQ(a.key, kBotKeyEnter);
  // The game offered the chest: the bot clicks the monster instead.
  ActionTargetX = 5;
  ActionTargetY = 6;
  a = ChooseBotAction(memory);
  EXPECT_EQ(a.kind, BotAction::kClick);
  EXPECT_EQ(a.slot, 9);
}

// Three heroes have left through the exit already: the fourth still follows them.
TEST_F(BotPolicy, EveryHeroLeavesThroughTheExit) {
  Room(1, 1, 10, 10);
  RevealAll();
  QuestHeader.qstdata[kQuestObjective] = 0;
  Hero(5, 5);
  Thing(10, "Exit", 6, 5, kScriptEndpoint);
  memory.used[10] = 3;
  BotAction a = ChooseBotAction(memory);
  EXPECT_EQ(a.kind, BotAction::kClick);
  EXPECT_EQ(a.slot, 10);
}

TEST_F(BotPolicy, CancelsAnOfferedTargetItDoesNotWant) {
  Room(1, 1, 10, 10);
  RevealAll();
  Hero(5, 5);
  Thing(10, "Trap", 6, 5, 7);
  ActionState = kActionChoosingTarget;
  ActionTargetX = 6;
  ActionTargetY = 5;
  WalkLeft = 0;
  BotAction a = ChooseBotAction(memory);
  EXPECT_EQ(a.kind, BotAction::kKey);
  EXPECT_EQ(a.key, kBotKeyBackspace);
}

TEST_F(BotPolicy, LooksBehindADoorOnceThenWalksIn) {
  Room(1, 1, 5, 5);
  Room(6, 1, 10, 5, 9);
  DoorEast(5, 3, kDoorOpen);
  for (int x = 1; x <= 5; x++)
    for (int y = 1; y <= 5; y++) VisibilityMap[x][y] = 1;
  Hero(5, 3);
  BotAction a = ChooseBotAction(memory);
  EXPECT_EQ(a.key, kBotKeyOpen);
  a = ChooseBotAction(memory);
  EXPECT_EQ(a.kind, BotAction::kKey);
  EXPECT_EQ(a.key, kBotKeyRight) << "through the door into the unseen room";
}

TEST_F(BotPolicy, ALockedDoorIsPassedOnlyWithItsKey) {
  Room(1, 1, 5, 5);
  Room(6, 1, 10, 5, 9);
  DoorEast(5, 3, kDoorRed);
  for (int x = 1; x <= 5; x++)
    for (int y = 1; y <= 5; y++) VisibilityMap[x][y] = 1;
  ObjectRecord& h = Hero(4, 3);
  BotAction a = ChooseBotAction(memory);
  EXPECT_EQ(a.key, kBotKeyBackspace) << "nothing else to do: the turn ends";
  h.inventory[kInvRedKeys] = 1;
  memory.NewTurn();
  a = ChooseBotAction(memory);
  EXPECT_EQ(a.key, kBotKeyRight) << "to the door, and through it";
}

TEST_F(BotPolicy, LetsAMonsterComeRatherThanStepIntoItsReach) {
  Room(1, 1, 24, 3);
  RevealAll();
  Hero(3, 2, {3, 3, 2, 8, 4});
  Piece(9, "Orc", kSideGreenskin, 12, 2, {4, 2, 2, 3, 1});
  // Four steps would bring him into the orc's reach; he cannot strike it this turn.
  for (int i = 0; i < 3; i++) {
    BotAction a = ChooseBotAction(memory);
    if (a.kind == BotAction::kKey && a.key == kBotKeyBackspace) break;
    ASSERT_EQ(a.key, kBotKeyRight);
    ObjectMap[HeroPositionX][HeroPositionY] = 0;
    HeroPositionX++;
    WalkLeft--;
    ObjectMap[HeroPositionX][HeroPositionY] = 1;
  }
  EXPECT_LE(HeroPositionX, 6) << "(7, 2) is in reach: four steps, then it strikes";
  // With the orc within his walk, he goes for it.
  memory.NewTurn();
  WalkLeft = 6;
  BotAction a = ChooseBotAction(memory);
  EXPECT_EQ(a.key, kBotKeyRight);
  EXPECT_EQ(a.slot, 9);
}

TEST_F(BotPolicy, AStepThatLedNowhereIsNotTriedAgainThisTurn) {
  Room(1, 1, 10, 10);
  for (int x = 1; x <= 4; x++)
    for (int y = 1; y <= 10; y++) VisibilityMap[x][y] = 1;
  Hero(4, 5);
  BotAction first = ChooseBotAction(memory);
  ASSERT_EQ(first.kind, BotAction::kKey);
  ASSERT_GE(first.goalX, 0);
  // The pass changed nothing (the step was refused): the next choice goes elsewhere.
  BotAction second = ChooseBotAction(memory);
  EXPECT_FALSE(second.goalX == first.goalX && second.goalY == first.goalY);
  memory.NewTurn();
  BotAction fresh = ChooseBotAction(memory);
  EXPECT_EQ(fresh.goalX, first.goalX) << "a new turn tries it again";
  EXPECT_EQ(fresh.goalY, first.goalY);
}

TEST_F(BotPolicy, EndsTheTurnWhenNothingIsLeft) {
  Room(1, 1, 10, 10);
  RevealAll();
  Hero(5, 5);
  BotAction a = ChooseBotAction(memory);
  EXPECT_EQ(a.key, kBotKeyBackspace);
  ActionState = kActionActed;
  WalkLeft = 0;
  a = ChooseBotAction(memory);
  EXPECT_EQ(a.key, kBotKeyBackspace);
}

}  // namespace
