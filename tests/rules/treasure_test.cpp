#include "rules/treasure.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/colors.h"
#include "rules/act_fixture.h"
#include "rules/object_actions.h"

// The hero (slot 1, life 8 of 8, off 3, def 2, walk 8) on (5, 5) searches the crate
// (slot 10) on (6, 5). The card of a search is the first draw of the seed:
//   seed 19 -> 1, 12 -> 3, 20 -> 4 (then 40 gold), 22 -> 11 (then 25 gold), 7 -> 12,
//   15 -> 13, 23 -> 14, 16 -> 16, 1 -> 17, 17 -> 20, 2 -> 21, 11 -> 25.
class Treasure : public ActTest {
 protected:
  void Fresh() override {
    ActTest::Fresh();
    Hero(1, 5, 5);
    Thing(10, 6, 5, kScriptTreasureCard);
    Prefab(kTrapBombPrefab, {"Spent bomb", kSideStatic, 0, 0, 0, 0});
    Prefab(kDefaultWanderingPrefab, {"Goblin", 3, 2, 1, 1, 1});
  }
  static int Count(const std::vector<int>& v, int n) {
    int k = 0;
    for (int e : v) k += e == n;
    return k;
  }
};

TEST_F(Treasure, TheCardsOddsAreOutOfTwentyFive) {
  int count[9] = {};
  for (int d = 1; d <= 25; d++) count[TreasureOutcomeOf(d)]++;
  const int want[9] = {2, 1, 8, 1, 1, 1, 2, 4, 5};
  for (int i = 0; i < 9; i++) EXPECT_EQ(count[i], want[i]) << i;
  EXPECT_EQ(TreasureOutcomeOf(1), kTreasurePotion);
  EXPECT_EQ(TreasureOutcomeOf(11), kTreasurePouch);
  EXPECT_EQ(TreasureOutcomeOf(17), kTreasureTrapBomb);
  EXPECT_EQ(TreasureOutcomeOf(21), kTreasureWanderer);
}

TEST_F(Treasure, SearchOutcomesForChosenSeeds) {
  const ObjectRecord& hero = ObjectTable[1];
  struct Case {
    unsigned seed;
    std::vector<std::string> lines;  // the newest lines, oldest first
    int effect;
    std::function<void()> check;
  } cases[] = {
      {19, {"You search the debris and find a small potion, giving you 3 life!"}, 13,
       [&] { EXPECT_EQ(hero.attribute[kLife], 11); }},  // above the maximum of 8
      {12,
       {"Your eye falls on a small chest, when you open it you are amazed by its contents:",
        "it is full of beautiful gemstones, together easily worth 100 gold!"},
       13, [&] { EXPECT_EQ(hero.inventory[kInvGold], 100); }},
      {20, {"Taking a closer look you discover a small pouch containing 40 gold coins!"}, 13,
       [&] { EXPECT_EQ(hero.inventory[kInvGold], 40); }},
      {22, {"Taking a closer look you discover a small pouch containing 25 gold coins!"}, 13,
       [&] { EXPECT_EQ(hero.inventory[kInvGold], 25); }},
      {7,
       {"A blade shines between the rubble, and not just an ordinary orcish blade:",
        "using this sword will certainly increase any fighters striking power!"},
       13, [&] { EXPECT_EQ(hero.attribute[kOff], 4); }},
      {15,
       {"Behind the crate someone has hidden a shield. It is of suprising quality:",
        "Your defensive power increases one unit!"},
       13, [&] { EXPECT_EQ(hero.attribute[kDef], 3); }},
      {23,
       {"Between the rubbish you find an interesting flask. It seems to contain",
        "an elixer that increases swiftness, giving you an extra walk unit!"},
       13, [&] { EXPECT_EQ(hero.attribute[kWalk], 9); }},
      {16,
       {"Maybe you hoped to find something useful, but there is only garbage inside the "
        "crate.."},
       1, [&] { EXPECT_EQ(hero.attribute[kLife], 8); }},
      {17, {"You accidently activate a trap bomb, life decreases one unit."}, 16,
       [&] { EXPECT_EQ(hero.attribute[kLife], 7); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seed);
    Fresh();
    SeedRandom(c.seed);
    ActOnObject(5, 5, 6, 5, 0);
    for (size_t i = 0; i < c.lines.size(); i++) {
      const LoggedMessage& m = LoggedLine(static_cast<int>(c.lines.size() - 1 - i));
      EXPECT_EQ(std::string(m.text), c.lines[i]);
      EXPECT_TRUE(SameColor(m.color, ColorTable[kColorDarkRed]));
    }
    EXPECT_TRUE(Played(c.effect));
    c.check();
    EXPECT_EQ(ObjectTable[10].scriptvar[kScriptType], kScriptNone);
  }
}

TEST_F(Treasure, TheSwordOnlyHelpsPhysicalFighters) {
  Place(1, 5, 5, {"Wizard", 1, -2, 2, 8, 4});
  SeedRandom(7);
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectTable[1].attribute[kOff], -2);
}

TEST_F(Treasure, TrapBombLeavesASpentBombAndCanKill) {
  SeedRandom(1);  // card 17, then orientation 2
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_STREQ(ObjectTable[10].name, "Spent bomb");
  EXPECT_EQ(ObjectTable[10].picture[kPicOrientation], 2);
  EXPECT_EQ(ObjectMap[6][5], 10);
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 7);
  EXPECT_EQ(Effects().front(), 16);

  // The last life point: the spent bomb finishes the hero off, once.
  Fresh();
  ObjectTable[1].attribute[kLife] = 1;
  SeedRandom(17);  // card 20, then orientation 0
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectTable[10].picture[kPicOrientation], 0);
  EXPECT_EQ(ObjectMap[5][5], 0);
  EXPECT_EQ(QuestHeader.heroes[0], kHeroOffBoard);
  EXPECT_EQ(ObjectTable[1].side, kSideStatic);
  EXPECT_EQ(ObjectTable[10].kills, 0);  // furniture counts no kills
  EXPECT_EQ(Count(Effects(), 12), 1);
  EXPECT_EQ(WalkLeft, 0);
}

TEST_F(Treasure, ATrapBombUnderfootLeavesTheHeroAHero) {
  // The treasure card on a walk-script tile: the searched object lies on the ScriptMap,
  // while the ObjectMap holds the hero himself.
  Thing(40, 5, 5, kScriptTreasureCard, 0, 0, kSideWalkScript);
  SeedRandom(1);  // card 17
  RunStepScripts(5, 5);
  EXPECT_STREQ(ObjectTable[1].name, "Hero");
  EXPECT_EQ(ObjectMap[5][5], 1);
  EXPECT_STREQ(ObjectTable[40].name, "Spent bomb");
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 7);

  // Without life left he dies once, by the script's end.
  Fresh();
  Thing(40, 5, 5, kScriptTreasureCard, 0, 0, kSideWalkScript);
  ObjectTable[1].attribute[kLife] = 1;
  SeedRandom(1);
  RunStepScripts(5, 5);
  EXPECT_EQ(ObjectMap[5][5], 0);
  EXPECT_EQ(Count(Effects(), 12), 1);
}

TEST_F(Treasure, TrapBombWithoutItsPrefabStillGoesOff) {
  ClearObject(PrefabTable[kTrapBombPrefab]);
  SeedRandom(1);
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_STREQ(ObjectTable[10].name, "Chest");
  EXPECT_TRUE(Logged("Script error: no prefab 44."));
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 7);
}

TEST_F(Treasure, AWanderingMonsterTakesTheFirstFreeSlotAndAttacks) {
  // Free around the hero: left, down and up (the crate is right); the last one wins.
  SeedRandom(2);  // card 21; the goblin's dice 3 1, the hero's 6 1: two wounds
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectMap[5][4], 2);
  EXPECT_STREQ(ObjectTable[2].name, "Goblin");
  EXPECT_GE(ObjectCount, 2);
  EXPECT_TRUE(Logged("While searching for treasures a wandering monster takes you by suprise.."));
  EXPECT_EQ(Effects().front(), 8);
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 6);
  EXPECT_EQ(ObjectTable[10].scriptvar[kScriptType], kScriptNone);
  EXPECT_EQ(ActionState, kActionActed);
  EXPECT_EQ(HeroPositionX, 5);  // the searcher's tile, not the monster's
  EXPECT_EQ(HeroPositionY, 5);
}

TEST_F(Treasure, LookingForTheMonstersTileOpensNoDoor) {
  // Above the hero lies another room behind a red door; he carries the red key and the
  // quest is won by unlocking it.
  for (int x = 0; x < kBoardW; x++) FloorMap[x][4] = 9;
  DoorMap[5][5] = 0x20;
  ObjectTable[1].inventory[kInvRedKeys] = 1;
  QuestHeader.qstdata[kQuestObjective] = 2;
  EXPECT_EQ(WanderingMonster(5, 5), 2);
  EXPECT_EQ(ObjectMap[5][6], 2);  // below: the door is no way in
  EXPECT_EQ(DoorMap[5][5], 0x20);
  EXPECT_EQ(ObjectTable[1].exp, 0);
  EXPECT_EQ(QuestOutcome, kQuestPlaying);
  EXPECT_FALSE(Logged("You unlocked the red door!"));
}

TEST_F(Treasure, TheQuestChoosesTheWanderingMonster) {
  Prefab(13, {"Skeleton", 4, 2, 1, 1, 1});
  QuestHeader.qstdata[kQuestWandering] = 13;
  EXPECT_EQ(WanderingMonster(5, 5), 2);
  EXPECT_STREQ(ObjectTable[2].name, "Skeleton");
  QuestHeader.qstdata[kQuestWandering] = 0;  // below 1: the default prefab
  EXPECT_EQ(WanderingMonster(5, 5), 3);
  EXPECT_STREQ(ObjectTable[3].name, "Goblin");
}

TEST_F(Treasure, NoWanderingMonsterWithoutRoom) {
  struct Case {
    const char* what;
    std::function<void()> setup;
    const char* message;  // nullptr: nothing said
  } cases[] = {
      {"a full object table",
       [] {
         for (int s = 2; s < kMaxObjects; s++)
           if (IsFreeSlot(ObjectTable[s])) CopyText(ObjectTable[s].name, "Rock", kNameLen);
       },
       "Error inserting monster, maximum reached (255)."},
      {"no free tile beside the hero",
       [&] {
         Thing(11, 4, 5, kScriptNone);
         Thing(12, 5, 4, kScriptNone);
         Thing(13, 5, 6, kScriptNone);
       },
       nullptr},
      {"a prefab slot past the table",
       [] { QuestHeader.qstdata[kQuestWandering] = 200; },
       "Error inserting monster, no monster in prefab 200."},
      {"an empty prefab slot",
       [] { ClearObject(PrefabTable[kDefaultWanderingPrefab]); },
       "Error inserting monster, no monster in prefab 12."},
      {"a monster with life 0",
       [] { PrefabTable[kDefaultWanderingPrefab].attribute[kLife] = 0; },
       "Error inserting monster, no monster in prefab 12."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fresh();
    c.setup();
    PrintMessage(TextColor2, "before");
    uint8_t before[kLayerW][kLayerH];
    memcpy(before, ObjectMap, sizeof ObjectMap);
    EXPECT_EQ(WanderingMonster(5, 5), 0);
    EXPECT_EQ(memcmp(before, ObjectMap, sizeof ObjectMap), 0);
    EXPECT_EQ(Line(0), c.message ? c.message : "before");
    if (c.message) {
      EXPECT_TRUE(SameColor(LoggedLine(0).color, TextColor2));
    }
    EXPECT_TRUE(Effects().empty());
  }
}
