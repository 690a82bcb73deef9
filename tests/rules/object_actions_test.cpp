#include "rules/object_actions.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/colors.h"
#include "rules/act_fixture.h"
#include "rules/combat.h"
#include "rules/teleport.h"
#include "support/alert_checks.h"

namespace {

int gShopHero = 0;
int gStairsType = 0, gStairsHero = 0, gStairsResult = 1;
void RecordShop(int hero) { gShopHero = hero; }
int RecordStairs(int type, int hero) {
  gStairsType = type;
  gStairsHero = hero;
  return gStairsResult;
}

}  // namespace

// The hero (slot 1) on (5, 5) uses the object (slot 10) on (6, 5). The board right of
// column 15 is a second room (floor 9) without doors.
class Action : public ActTest {
 protected:
  void Fresh() override {
    ActTest::Fresh();
    for (int x = 15; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = 9;
    gShopHero = gStairsType = gStairsHero = 0;
    gStairsResult = 1;
    PrintMessage(TextColor2, "start");
  }
  // The lines printed since the fixture's "start", oldest first.
  static std::vector<std::string> NewLines() {
    std::vector<std::string> out;
    for (int i = 0; i < kMessageLogLines && Line(i) != "start"; i++)
      out.insert(out.begin(), Line(i));
    return out;
  }
  void HideBoard() {
    memset(VisibilityMap, 0, sizeof VisibilityMap);
    VisibilityMap[5][5] = VisibilityMap[6][5] = 1;
  }
};

struct ScriptCase {
  const char* what;
  int type, x, y;
  std::function<void()> before;
  std::function<void()> check;
  bool usedUp = true;
};

TEST_F(Action, EveryScriptType) {
  const ObjectRecord& hero = ObjectTable[1];
  const ObjectRecord& chest = ObjectTable[10];
  auto nothing = [] {};
  auto heroUntouched = [&] {
    EXPECT_EQ(hero.attribute[kLife], 8);
    EXPECT_EQ(hero.attribute[kOff], 3);
    EXPECT_EQ(ObjectMap[5][5], 1);
    EXPECT_EQ(QuestOutcome, kQuestPlaying);
  };
  const ScriptCase cases[] = {
      {"0 no script", 0, 0, 0, nothing, heroUntouched, false},
      {"1 text and sound", 1, 0, 0, [&] { ObjectTable[10].scriptvar[kScriptSound] = 5; },
       [&] {
         heroUntouched();
         EXPECT_TRUE(Played(5));
       }},
      {"2 give", 2, 3, 4, nothing, [&] { EXPECT_EQ(hero.attribute[kLife], 12); }},
      {"3 set", 3, 3, 4, nothing, heroUntouched},
      {"4 take", 4, 3, 4, nothing, heroUntouched},
      {"5 strip", 5, 3, 4, nothing, heroUntouched},
      {"6 item", 6, 2, 7, nothing, [&] { EXPECT_EQ(hero.inventory[5], 7); }},
      {"7 arrow trap, hit", 7, 0, 0, [] { SeedRandom(1); },
       [&] {
         EXPECT_EQ(hero.attribute[kLife], 7);
         EXPECT_TRUE(Played(11));
         EXPECT_EQ(NewLines(), std::vector<std::string>{"You've been hit."});
       }},
      {"7 arrow trap, miss", 7, 0, 0, [] { SeedRandom(3); },
       [&] {
         EXPECT_EQ(hero.attribute[kLife], 8);
         EXPECT_TRUE(Played(10));
         EXPECT_TRUE(NewLines().empty());
       }},
      {"7 arrow trap, the last life", 7, 0, 0,
       [] {
         SeedRandom(1);
         ObjectTable[1].attribute[kLife] = 1;
       },
       [&] {
         EXPECT_EQ(ObjectMap[5][5], 0);
         EXPECT_EQ(QuestHeader.heroes[0], kHeroOffBoard);
         EXPECT_EQ(WalkLeft, 0);
       }},
      {"8 trap type 2", 8, 0, 0, nothing,
       [&] { EXPECT_EQ(NewLines(), std::vector<std::string>{"trap under construction!"}); }},
      {"9 trap type 3", 9, 0, 0, nothing,
       [&] { EXPECT_EQ(NewLines().back(), "trap under construction!"); }},
      {"10 instant death", 10, 0, 0, nothing,
       [&] {
         EXPECT_EQ(ObjectMap[5][5], 0);
         EXPECT_EQ(QuestHeader.heroes[0], kHeroOffBoard);
         EXPECT_EQ(hero.side, kSideStatic);
         EXPECT_EQ(WalkLeft, 0);
         EXPECT_TRUE(Played(12));
       }},
      {"11 game end, won", 11, 0, 0, nothing, [] { EXPECT_EQ(QuestOutcome, kQuestWon); }},
      {"11 game end, lost", 11, 1, 0, nothing, [] { EXPECT_EQ(QuestOutcome, kQuestLost); }},
      {"12 game won, reveal xy", 12, 20, 10, [&] { HideBoard(); },
       [] {
         EXPECT_EQ(QuestOutcome, kQuestWon);
         EXPECT_EQ(VisibilityMap[20][10], 1);
         EXPECT_EQ(VisibilityMap[10][10], 0);
       }},
      {"13 game won, reveal all", 13, 0, 0, [&] { HideBoard(); },
       [] {
         EXPECT_EQ(QuestOutcome, kQuestWon);
         EXPECT_EQ(VisibilityMap[10][10], 1);  // reachable from the hero
         EXPECT_EQ(VisibilityMap[20][10], 0);  // walled off
       }},
      {"14 reveal room xy", 14, 20, 10, [&] { HideBoard(); },
       [&] {
         heroUntouched();
         EXPECT_EQ(VisibilityMap[20][10], 1);
         EXPECT_EQ(VisibilityMap[10][10], 0);
       }},
      {"15 reveal all", 15, 0, 0, [&] { HideBoard(); },
       [] {
         EXPECT_EQ(QuestOutcome, kQuestPlaying);
         EXPECT_EQ(VisibilityMap[10][10], 1);
         EXPECT_EQ(VisibilityMap[20][10], 0);
       }},
      {"16 change floor xy", 16, 20, 10, [&] { HideBoard(); },
       [] { EXPECT_EQ(VisibilityMap[20][10], 1); }},
      {"17 change to side x", 17, 2, 0, [&] { Prefab(2, {"Lever down", 10, 0, 0, 0, 0}); },
       [&] { EXPECT_STREQ(chest.name, "Lever down"); }},
      {"18 change to prefab x", 18, 2, 0, [&] { Prefab(2, {"Orc", 3, 3, 2, 5, 2}); },
       [&] {
         EXPECT_STREQ(chest.name, "Orc");
         EXPECT_EQ(chest.side, 3);
       }},
      {"19 treasure card (garbage)", 19, 0, 0, [] { SeedRandom(8); },
       [&] {
         heroUntouched();
         EXPECT_TRUE(Played(1));
       }},
      {"20 hatch teleport", 20, 10, 10, nothing,
       [] {
         EXPECT_EQ(ObjectMap[10][10], 1);
         EXPECT_EQ(ObjectMap[5][5], 0);
         EXPECT_EQ(HeroPositionX, 10);
         EXPECT_EQ(HeroPositionY, 10);
         EXPECT_TRUE(VisibilityMap[10][10]);
       }},
      {"21 equipment shop", 21, 0, 0, [] { PlayHook.equipmentShop = RecordShop; },
       [] { EXPECT_EQ(gShopHero, 1); }},
      {"21 equipment shop without a shop", 21, 0, 0, nothing, heroUntouched},
      {"22 endpoint", 22, 0, 0, nothing,
       [&] {
         EXPECT_EQ(ObjectMap[5][5], 0);
         EXPECT_EQ(QuestHeader.heroes[0], kHeroLeftThroughEndpoint);
         EXPECT_EQ(WalkLeft, 0);
         EXPECT_EQ(ActionState, kActionActed);  // not "Cancelled.."
         EXPECT_TRUE(Played(4));
       }},
      {"23 retreat, OK", 23, 0, 0, [&] { p.alertAnswers = {1}; },
       [&] {
         ExpectAlert(p.alerts.at(0), {"  Retreat this Hero?  ",
                                      " (He will be available in the next Chapter) ", "", "OK",
                                      "CANCEL", 'O', 'C'});
         EXPECT_EQ(ObjectMap[5][5], 0);
         EXPECT_EQ(QuestHeader.heroes[0], kHeroOffBoard);
         EXPECT_EQ(ActionState, kActionActed);
       }},
      {"23 retreat, CANCEL", 23, 0, 0, [&] { p.alertAnswers = {2}; },
       [&] {
         EXPECT_EQ(ObjectMap[5][5], 1);
         EXPECT_EQ(QuestHeader.heroes[0], kHeroInPlay);
       }},
      {"24 reveal/make door", 24, 14, 5, [&] { HideBoard(); },
       [] {
         EXPECT_EQ(DoorMap[15][5], 1);  // the east edge of (14, 5)
         EXPECT_EQ(VisibilityMap[14][5], 1);
       }},
      {"100 stairs up, level 2", 100, 0, 0,
       [] {
         QuestHeader.chapter = 2;
         QuestHeader.chapters = 5;
         PlayHook.stairs = RecordStairs;
       },
       [] {
         EXPECT_EQ(gStairsType, 100);
         EXPECT_EQ(gStairsHero, 1);
         EXPECT_EQ(ActionChangedLevel, 1);
         EXPECT_EQ(ActionState, kActionChoosingTarget);  // left to the new level
       },
       false},
      {"100 stairs up, level 1: flee", 100, 0, 0,
       [&] {
         PlayHook.stairs = RecordStairs;
         p.alertAnswers = {1};
       },
       [&] {
         ExpectAlert(p.alerts.at(0), {"Do you really want", "  to flee from the Magic Dungeon?  ",
                                      "", "OK", "CANCEL", 'O', 'C'});
         EXPECT_EQ(gStairsType, 0);
         EXPECT_EQ(QuestOutcome, kQuestLeft);
         EXPECT_TRUE(Played(19));
       },
       false},
      // Stairs never wear out: the flight not taken is still there for the next try.
      {"100 stairs up, level 1: stay", 100, 0, 0, [&] { p.alertAnswers = {2}; },
       [] { EXPECT_EQ(QuestOutcome, kQuestPlaying); }, false},
      {"101 stairs down", 101, 0, 0,
       [] {
         QuestHeader.chapters = 5;
         PlayHook.stairs = RecordStairs;
       },
       [] {
         EXPECT_EQ(gStairsType, 101);
         EXPECT_EQ(ActionChangedLevel, 1);
         EXPECT_EQ(QuestOutcome, kQuestPlaying);
       },
       false},
      {"101 stairs down, last level", 101, 0, 0,
       [] {
         QuestHeader.chapter = 5;
         QuestHeader.chapters = 5;
         PlayHook.stairs = RecordStairs;
       },
       [] {
         EXPECT_EQ(gStairsType, 0);
         EXPECT_EQ(QuestOutcome, kQuestWon);
       },
       false},
      {"101 stairs down without the dungeon", 101, 0, 0, [] { QuestHeader.chapters = 5; },
       [] { EXPECT_EQ(QuestOutcome, kQuestWon); }, false},
      {"an unknown type", 57, 3, 4, nothing, heroUntouched},
  };
  for (const ScriptCase& c : cases) {
    SCOPED_TRACE(c.what);
    Fresh();
    Hero(1, 5, 5);
    Thing(10, 6, 5, c.type, c.x, c.y);
    c.before();
    ActionState = kActionChoosingTarget;
    HeroPositionX = HeroPositionY = -1;
    EXPECT_EQ(ActOnObject(5, 5, 6, 5, 0), 0);
    c.check();
    EXPECT_EQ(chest.scriptvar[kScriptType], c.usedUp ? 0 : c.type);
    if (!ActionChangedLevel) {
      EXPECT_EQ(ActionState, kActionActed);
      EXPECT_EQ(ActionTargetX, 6);
    } else {
      EXPECT_EQ(HeroPositionX, -1);  // the old level's tiles are not stored
    }
  }
}

TEST_F(Action, GiveRaisesTheActorsCurrentValues) {
  struct Case {
    int x, y;
    int off;           // the hero's offence (base and current)
    int life;          // current life (max 8)
    int attribute, want;
    int expGain;
  } cases[] = {
      {0, 2, 3, 8, kWalk, 10, 0},  {1, 2, 3, 8, kOff, 5, 0},   {1, 2, -2, 8, kOff, -4, 0},
      {2, 1, 3, 8, kDef, 3, 0},    {3, 5, 3, 8, kLife, 13, 0}, {4, 3, 3, 8, kMind, 7, 3},
      {5, 3, 3, 8, kLife, 8, 0},   {6, 1, 3, 8, kOff, 4, 0},   {6, 1, -2, 8, kOff, -2, 0},
      {7, 1, -2, 8, kOff, -3, 0},  {7, 1, 3, 8, kOff, 3, 0},   {8, 5, 3, 5, kLife, 8, 0},
      {8, 5, 3, 8, kLife, 8, 0},   {8, 2, 3, 5, kLife, 7, 0},  {9, 5, 3, 8, kMind, 4, 0},
      // An attribute holds -128..127: a huge amount stops there instead of wrapping.
      {3, 1000, 3, 8, kLife, 127, 0}, {2, -1000, 3, 8, kDef, -128, 0},
  };
  for (const Case& c : cases) {
    Place(1, 5, 5, {"Hero", 1, c.off, 2, 8, 4}).attribute[kLife] = static_cast<int8_t>(c.life);
    Thing(10, 6, 5, kScriptGive, c.x, c.y);
    ActOnObject(5, 5, 6, 5, 0);
    EXPECT_EQ(ObjectTable[1].attribute[c.attribute], c.want) << "give " << c.x << ", " << c.y;
    EXPECT_EQ(ObjectTable[1].exp, c.expGain) << "give " << c.x << ", " << c.y;
  }
  // Healing stops at the maximum, mind too.
  Place(1, 5, 5, {"Hero", 1, 3, 2, 8, 4}).attribute[kMind] = 1;
  Thing(10, 6, 5, kScriptGive, 9, 2);
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectTable[1].attribute[kMind], 3);
}

TEST_F(Action, TextsGoToTheMessagePanelOrIntoABox) {
  struct Case {
    const char *text1, *text2;
    int type;
    std::vector<std::string> lines;
    bool box;
    RecordedAlert alert;
    const char *text1After, *text2After;
  } cases[] = {
      {"Hello", "World", 1, {"Hello", "World"}, false, {}, "Hello", "World"},
      {"-", "World", 1, {"World"}, false, {}, "-", "World"},
      {"Hello", "-", 1, {"Hello"}, false, {}, "Hello", "-"},
      {"!Beware", "of the dog", 1, {}, true,
       {" ", " Beware", "of the dog", "OK", "", 'O', 0}, "!Beware", "of the dog"},
      {"!Beware", "-", 1, {}, true, {" ", " Beware", " ", "OK", "", 'O', 0}, "!Beware", "!"},
      {"!Beware", "!Boxed", 1, {}, true, {" ", " Beware", " Boxed", "OK", "", 'O', 0},
       "!Beware", "!Boxed"},
      {"Hello", "World", 8, {"trap under construction!"}, false, {}, "Hello", "World"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text1);
    Fresh();
    Hero(1, 5, 5);
    ObjectRecord& chest = Thing(10, 6, 5, c.type);
    CopyText(chest.text1, c.text1, kScriptTextLen);
    CopyText(chest.text2, c.text2, kScriptTextLen);
    ActOnObject(5, 5, 6, 5, 0);
    EXPECT_EQ(NewLines(), c.lines);
    if (c.type == kScriptTextAndSound && !c.lines.empty()) {
      EXPECT_TRUE(SameColor(LoggedLine(0).color, ColorTable[kColorDarkRed]));
    }
    ASSERT_EQ(p.alerts.size(), c.box ? 1u : 0u);
    if (c.box) ExpectAlert(p.alerts[0], c.alert);
    EXPECT_STREQ(chest.text1, c.text1After);
    EXPECT_STREQ(chest.text2, c.text2After);
  }
}

TEST_F(Action, ARepeatableScriptHandsOutItsLootAgainAUsedUpOneIsNoLongerUsable) {
  Hero(1, 5, 5);
  ObjectRecord& chest = Thing(10, 6, 5, kScriptTextAndSound);
  chest.inventory[kInvGold] = 20;
  chest.inventory[kInvRedKeys] = 1;
  chest.scriptvar[kScriptRepeatable] = 1;
  for (int i = 0; i < 2; i++) {
    p.Reset();
    ASSERT_EQ(CanActOn(5, 5, 6, 5, 1, 1), 0);
    ActOnObject(5, 5, 6, 5, 0);
    EXPECT_TRUE(Played(13));
    EXPECT_TRUE(Logged("Hero gained 20 gold."));
  }
  EXPECT_EQ(ObjectTable[1].inventory[kInvGold], 40);
  EXPECT_EQ(ObjectTable[1].inventory[kInvRedKeys], 2);
  EXPECT_EQ(chest.inventory[kInvGold], 20);
  EXPECT_EQ(chest.scriptvar[kScriptType], kScriptTextAndSound);

  chest.scriptvar[kScriptRepeatable] = 0;
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(chest.scriptvar[kScriptType], kScriptNone);
  EXPECT_EQ(CanActOn(5, 5, 6, 5, 1, 1), 1);
}

TEST_F(Action, AKilledMonsterHandsOverItsGoldAndKeysThenRunsItsScript) {
  Place(1, 5, 5, {"Hero", 1, 4, 2, 8, 4});
  ObjectRecord& orc = Place(20, 6, 5, {"Orc", 3, 3, 2, 1, 2});
  orc.inventory[kInvGold] = 20;
  orc.inventory[kInvBlueKeys] = 1;
  orc.scriptvar[kScriptType] = kScriptTextAndSound;
  CopyText(orc.text1, "The orc dropped a note.", kScriptTextLen);
  SeedRandom(992);  // four skulls against two black shields
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectMap[6][5], 0);
  EXPECT_EQ(ObjectTable[1].inventory[kInvGold], 20);
  EXPECT_EQ(ObjectTable[1].inventory[kInvBlueKeys], 1);
  EXPECT_EQ(orc.inventory[kInvGold], 20);
  EXPECT_TRUE(Played(13));
  EXPECT_EQ(Line(1), "Hero gained 20 gold.");
  EXPECT_TRUE(SameColor(LoggedLine(1).color, TextColor1));
  EXPECT_EQ(Line(0), "The orc dropped a note.");
  EXPECT_EQ(orc.scriptvar[kScriptType], kScriptNone);
}

TEST_F(Action, OutOfRangeParametersDoNothingButSayWhy) {
  Prefab(1, {"Hero", 1, 3, 2, 8, 4});
  Prefab(3, {"Lever", 10, 0, 0, 0, 0});  // slot 2 stays free
  struct Case {
    int type, x, y, sound;
    const char* message;
  } cases[] = {
      {kScriptGive, 10, 5, 0, "Script error: no attribute 10."},
      {kScriptGive, -1, 5, 0, "Script error: no attribute -1."},
      {kScriptItem, 7, 5, 0, "Script error: no item counter 7."},
      {kScriptItem, -4, 5, 0, "Script error: no item counter -4."},
      {kScriptWonRevealXY, 26, 3, 0, "Script error: tile 26,3 is off the board."},
      {kScriptRevealRoom, 3, 19, 0, "Script error: tile 3,19 is off the board."},
      {kScriptChangeFloor, -1, 0, 0, "Script error: tile -1,0 is off the board."},
      {kScriptMakeDoor, 25, -1, 0, "Script error: tile 25,-1 is off the board."},
      {kScriptChangeToSide, 0, 0, 0, "Script error: no prefab 0."},
      {kScriptChangeToPrefab, 2, 0, 0, "Script error: no prefab 2."},
      {kScriptChangeToPrefab, 4, 0, 0, "Script error: no prefab 4."},
      {kScriptChangeToPrefab, 300, 0, 0, "Script error: no prefab 300."},
      {kScriptTextAndSound, 0, 0, 99, "Script error: no sound 99."},
      {kScriptTextAndSound, 0, 0, -1, "Script error: no sound -1."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Fresh();
    HideBoard();
    Hero(1, 5, 5);
    ObjectRecord& chest = Thing(10, 6, 5, c.type, c.x, c.y);
    chest.scriptvar[kScriptSound] = c.sound;
    CopyText(chest.text1, "Text", kScriptTextLen);
    int8_t attributesBefore[10];
    int32_t inventoryBefore[10];
    memcpy(attributesBefore, ObjectTable[1].attribute, sizeof attributesBefore);
    memcpy(inventoryBefore, ObjectTable[1].inventory, sizeof inventoryBefore);
    const QuestHeaderRecord headerBefore = QuestHeader;
    uint8_t doorsBefore[kLayerW][kLayerH];
    memcpy(doorsBefore, DoorMap, sizeof DoorMap);
    ActOnObject(5, 5, 6, 5, 0);
    EXPECT_EQ(NewLines(), std::vector<std::string>{c.message});
    EXPECT_TRUE(SameColor(LoggedLine(0).color, ColorTable[kColorDarkRed]));
    EXPECT_EQ(memcmp(attributesBefore, ObjectTable[1].attribute, sizeof attributesBefore), 0);
    EXPECT_EQ(memcmp(inventoryBefore, ObjectTable[1].inventory, sizeof inventoryBefore), 0);
    EXPECT_EQ(ObjectTable[1].exp, 0);
    EXPECT_EQ(memcmp(&headerBefore.heroes, &QuestHeader.heroes, sizeof QuestHeader.heroes), 0);
    EXPECT_EQ(QuestOutcome, kQuestPlaying);
    EXPECT_EQ(memcmp(doorsBefore, DoorMap, sizeof DoorMap), 0);
    EXPECT_STREQ(chest.name, "Chest");
    EXPECT_EQ(chest.scriptvar[kScriptType], c.type);  // not used up
    EXPECT_TRUE(Effects().empty());
    EXPECT_EQ(VisibilityMap[10][10], 0);
  }
}

TEST_F(Action, OnlyHeroSlotsRecordLeavingTheBoard) {
  // A monster kills a hero who carries an endpoint script: the monster is the actor and
  // leaves the board, but has no hero slot to write.
  Place(2, 5, 5, {"Hero", 1, 3, 0, 1, 4}).scriptvar[kScriptType] = kScriptEndpoint;
  Place(30, 6, 5, {"Orc", 3, 3, 2, 5, 2});
  CurrentObject = 30;
  ActionState = kActionActed;
  WalkLeft = 0;
  static QuestHeaderRecord want;
  memcpy(&want, &QuestHeader, sizeof want);
  want.heroes[1] = kHeroOffBoard;  // the dead hero
  SeedRandom(992);
  ActOnObject(6, 5, 5, 5, 0);
  EXPECT_EQ(ObjectMap[6][5], 0);
  // Nothing else of the header changed.
  EXPECT_EQ(memcmp(&want, &QuestHeader, sizeof want), 0);
}

TEST_F(Action, MakeDoorOpensOnlyWallsWithoutADoor) {
  // (5, 5) in room 8; north and west neighbours in room 9, the south one too; the west
  // edge already has an open door, the north edge a hidden one.
  FloorMap[5][4] = FloorMap[4][5] = FloorMap[5][6] = 9;
  DoorMap[5][5] = 0x81;
  Hero(1, 7, 7);
  Thing(10, 7, 8, kScriptMakeDoor, 5, 5);
  ActOnObject(7, 7, 7, 8, 0);
  EXPECT_EQ(DoorMap[5][5], 0x81);  // adding to the edges would make them locked doors
  EXPECT_EQ(DoorMap[5][6], 0x10);  // south: a new open door
  EXPECT_EQ(DoorMap[6][5], 0);     // east: same room, no wall

  // The corner tile: the edges off the board get nothing.
  memset(DoorMap, 0, sizeof DoorMap);
  FloorMap[1][0] = 9;
  Thing(10, 7, 8, kScriptMakeDoor, 0, 0);
  ActOnObject(7, 7, 7, 8, 0);
  EXPECT_EQ(DoorMap[0][0], 0);
  EXPECT_EQ(DoorMap[1][0], 1);
}

class Hatch : public Action {};

TEST_F(Hatch, FixedDestination) {
  HideBoard();
  Hero(1, 5, 5);
  Thing(10, 6, 5, kScriptHatchTeleport, 20, 12);
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectMap[20][12], 1);
  EXPECT_EQ(ObjectMap[5][5], 0);
  EXPECT_EQ(VisibilityMap[20][12], 1);
  EXPECT_TRUE(Played(2));
  EXPECT_EQ(p.waitedMs >= 500, true);
  EXPECT_EQ(HeroPositionX, 20);
  EXPECT_EQ(HeroPositionY, 12);
  EXPECT_EQ(ActionState, kActionActed);
}

TEST_F(Hatch, RandomDestinationIsAnotherHatchAndItsFirstFreeNeighbour) {
  Hero(1, 5, 5);
  Thing(10, 6, 5, kScriptHatchTeleport, 0, 0);
  Thing(11, 12, 12, kScriptHatchTeleport, 0, 0);
  Thing(12, 13, 12, kScriptNone);  // right of it is taken: left is next
  for (unsigned seed : {1u, 2u, 77u}) {
    SeedRandom(seed);
    ObjectMap[11][12] = 0;
    ObjectMap[5][5] = 1;
    ActOnObject(5, 5, 6, 5, 0);
    EXPECT_EQ(ObjectMap[11][12], 1) << seed;
    EXPECT_EQ(HeroPositionX, 11) << seed;
    EXPECT_EQ(ObjectTable[10].scriptvar[kScriptType], kScriptNone);
    ObjectTable[10].scriptvar[kScriptType] = kScriptHatchTeleport;
  }
}

TEST_F(Hatch, OneHatchAloneIsAMapError) {
  Hero(1, 5, 5);
  Thing(10, 6, 5, kScriptHatchTeleport, 0, 0);
  SeedRandom(1);
  int sx = RandomMod(kBoardW), sy = RandomMod(kBoardH);  // where the search starts
  SeedRandom(1);
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectMap[5][5], 1);
  char want[90];
  snprintf(want, sizeof want, "Map Error: Illegal teleport destination. x=%d y=%d done=0 ", sx,
           sy);
  EXPECT_TRUE(Logged(want));
  EXPECT_FALSE(Played(2));
}

TEST_F(Hatch, DestinationsOffTheBoardAreMapErrors) {
  struct Case {
    int x, y;
    const char* message;
  } cases[] = {
      {30, 5, "Map Error: Illegal teleport destination. x=30 y=5 done=1 "},
      {5, 19, "Map Error: Illegal teleport destination. x=5 y=19 done=1 "},
      {-3, 4, "Map Error: Illegal teleport destination. x=-3 y=4 done=1 "},
  };
  for (const Case& c : cases) {
    Fresh();
    Hero(1, 5, 5);
    Thing(10, 6, 5, kScriptHatchTeleport, c.x, c.y);
    ActOnObject(5, 5, 6, 5, 0);
    EXPECT_EQ(ObjectMap[5][5], 1) << c.message;
    EXPECT_EQ(Line(0), c.message);
    EXPECT_TRUE(SameColor(LoggedLine(0).color, ColorTable[kColorDarkRed]));
  }
}

TEST_F(Hatch, ATakenDestinationCancelsTheAction) {
  Hero(1, 5, 5);
  Thing(10, 6, 5, kScriptHatchTeleport, 12, 12);
  // The pillar on the destination, walled in by furniture.
  Thing(11, 12, 12, kScriptNone);
  Thing(12, 13, 12, kScriptNone);
  Thing(13, 11, 12, kScriptNone);
  Thing(14, 12, 13, kScriptNone);
  Thing(15, 12, 11, kScriptNone);
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectMap[5][5], 1);
  EXPECT_EQ(ObjectMap[12][12], 11);
  EXPECT_EQ(Line(0), "Teleport destination occupied.");
  EXPECT_EQ(ActionState, kActionCancelled);  // -1 during the action, cancelled after it

  // And the teleport itself leaves -1 for the action to turn into "Cancelled..".
  ActionState = kActionChoosingTarget;
  EXPECT_EQ(Teleport(5, 5, 6, 5, 12, 12, 1), 1);
  EXPECT_EQ(ActionState, kActionTeleportBlocked);
}

TEST_F(Hatch, LookingForAFreeTileOpensNoDoor) {
  // The other hatch stands before a hidden door on its right; left of it is free.
  Hero(1, 5, 5);
  Thing(10, 6, 5, kScriptHatchTeleport, 12, 12);
  Thing(11, 12, 12, kScriptNone);
  for (int y = 0; y < kBoardH; y++) FloorMap[13][y] = 10;
  DoorMap[13][12] = 8;
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectMap[11][12], 1);
  EXPECT_EQ(DoorMap[13][12], 8);
  EXPECT_EQ(ObjectTable[1].exp, 0);
}

class StepScripts : public Action {};

TEST_F(StepScripts, AWalkScriptFiresOnceUnlessRepeatable) {
  for (int repeatable : {0, 1}) {
    Fresh();
    Hero(1, 5, 5);
    ObjectRecord& s = Thing(40, 5, 5, kScriptGive, 3, 1, kSideWalkScript);
    s.scriptvar[kScriptRepeatable] = repeatable;
    EXPECT_EQ(RunStepScripts(5, 5), 1);
    EXPECT_EQ(RunStepScripts(5, 5), repeatable ? 1 : 0);
    EXPECT_EQ(ObjectTable[1].attribute[kLife], repeatable ? 10 : 9);
    EXPECT_EQ(ScriptMap[5][5], repeatable ? 40 : 0);
    EXPECT_EQ(ActionState, kActionChoosingTarget);  // scripts leave the action alone
  }
}

TEST_F(StepScripts, LookScriptsFireOnceWhenTheirTileIsRevealed) {
  Hero(1, 5, 5);
  Thing(41, 10, 10, kScriptGive, 3, 1, kSideLookScript).scriptvar[kScriptRepeatable] = 1;
  Thing(42, 12, 12, kScriptGive, 2, 1, kSideLookScript);
  VisibilityMap[12][12] = 0;
  EXPECT_EQ(RunStepScripts(5, 5), 1);
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 9);
  EXPECT_EQ(ScriptMap[10][10], 0);  // even a repeatable one goes
  EXPECT_EQ(ScriptMap[12][12], 42);
  VisibilityMap[12][12] = 1;
  EXPECT_EQ(RunStepScripts(5, 5), 1);
  EXPECT_EQ(ObjectTable[1].attribute[kDef], 3);
  EXPECT_EQ(RunStepScripts(5, 5), 0);
}

TEST_F(StepScripts, AHatchUnderfootMovesTheHeroBeforeTheLookScripts) {
  Hero(1, 5, 5);
  Thing(40, 5, 5, kScriptHatchTeleport, 20, 10, kSideWalkScript);
  Thing(41, 10, 10, kScriptGive, 3, 1, kSideLookScript);
  EXPECT_EQ(RunStepScripts(5, 5), 2);
  EXPECT_EQ(ObjectMap[20][10], 1);
  EXPECT_EQ(HeroPositionX, 20);
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 9);
}

TEST_F(StepScripts, StairsUnderfootStopTheScriptsOfTheOldLevel) {
  QuestHeader.chapters = 5;
  PlayHook.stairs = RecordStairs;
  Hero(1, 5, 5);
  Thing(40, 5, 5, kScriptStairsDown, 0, 0, kSideWalkScript);
  Thing(41, 10, 10, kScriptGive, 3, 1, kSideLookScript);
  EXPECT_EQ(RunStepScripts(5, 5), 1);
  EXPECT_EQ(gStairsType, 101);
  EXPECT_EQ(ScriptMap[5][5], 40);
  EXPECT_EQ(ScriptMap[10][10], 41);
}
