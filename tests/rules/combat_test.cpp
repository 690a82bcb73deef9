#include "rules/combat.h"

#include <gtest/gtest.h>

#include "render/render_bitmaps.h"
#include "rules/act_fixture.h"
#include "rules/object_actions.h"
#include "support/pixel_colors.h"

// The dice below come from the shared generator's formula for each seed:
//   seed 27  -> 1 3 3 5 5 4     seed 7   -> 2 5 6 3 6 1     seed 4 -> 4 6 4 3 6 1
//   seed 3   -> 1 3 1 2 6 4     seed 992 -> 3 1 3 3 6 6     seed 242 -> 1 2 2 6 5 4
//   seed 44  -> 3 4 4 5
// (1..3 skull, 4..5 white shield, 6 black shield)

class Combat : public ActTest {};

TEST_F(Combat, DieFacesAreThreeSkullsTwoWhiteShieldsAndOneBlackShield) {
  const int want[7] = {-1, kFaceSkull, kFaceSkull, kFaceSkull, kFaceWhiteShield,
                       kFaceWhiteShield, kFaceBlackShield};
  for (int roll = 1; roll <= 6; roll++) EXPECT_EQ(CombatFaceOf(roll), want[roll]) << roll;
}

TEST_F(Combat, RollCountsAttackAndDefenceDiceForFixedSeeds) {
  struct Case {
    unsigned seed;
    int off, def;
    CombatDiceCount want;
    int draws;
  } cases[] = {
      {27, 3, 2, {3, 0, 0, 0, 2, 0}, 5},
      {7, 3, 2, {1, 1, 1, 1, 0, 1}, 5},
      {992, 4, 2, {4, 0, 0, 0, 0, 2}, 6},
      // A magical attack throws no defence dice.
      {4, -2, 2, {0, 1, 1, 0, 0, 0}, 2},
      {3, -3, 5, {3, 0, 0, 0, 0, 0}, 3},
      // Offence 0 throws no attack dice; the defence still throws.
      {27, 0, 2, {0, 0, 0, 2, 0, 0}, 2},
  };
  for (const Case& c : cases) {
    Place(1, 5, 5, {"Hero", 1, c.off, 2, 8, 4});
    Place(20, 6, 5, {"Orc", 3, 3, c.def, 5, 2});
    CombatDice = {9, 9, 9, 9, 9, 9};
    SeedRandom(c.seed);
    RollCombat(1, 20);
    const CombatDiceCount& d = CombatDice;
    EXPECT_EQ(d.attackSkulls, c.want.attackSkulls) << c.seed;
    EXPECT_EQ(d.attackWhite, c.want.attackWhite) << c.seed;
    EXPECT_EQ(d.attackBlack, c.want.attackBlack) << c.seed;
    EXPECT_EQ(d.defenceSkulls, c.want.defenceSkulls) << c.seed;
    EXPECT_EQ(d.defenceWhite, c.want.defenceWhite) << c.seed;
    EXPECT_EQ(d.defenceBlack, c.want.defenceBlack) << c.seed;
    // Exactly one draw per die.
    uint32_t after = RandomState();
    SeedRandom(c.seed);
    for (int i = 0; i < c.draws; i++) RandomDraw();
    EXPECT_EQ(after, RandomState()) << c.seed;
  }
}

TEST_F(Combat, DiceAndPortraitsAppearOnTheMessagePanel) {
  const Rgb skull = {200, 0, 0}, white = {0, 200, 0}, black = {0, 0, 200};
  const Rgb heroColor = {10, 150, 150}, orcColor = {150, 150, 10};
  data.SetBitmap(kDataDiceSkull, 24, 24, makecol(skull.r, skull.g, skull.b));
  data.SetBitmap(kDataDiceWhiteShield, 24, 24, makecol(white.r, white.g, white.b));
  data.SetBitmap(kDataDiceBlackShield, 24, 24, makecol(black.r, black.g, black.b));
  data.SetBitmap(kFirstObjectPicture + 5, 20, 20, makecol(heroColor.r, heroColor.g, heroColor.b));
  data.SetBitmap(kFirstObjectPicture + 6, 20, 20, makecol(orcColor.r, orcColor.g, orcColor.b));
  data.Install();
  Hero(1, 5, 5).picture[kPicNumber] = 5;
  Place(20, 6, 5, {"Orc", 3, 3, 2, 5, 2}).picture[kPicNumber] = 6;
  SeedRandom(7);  // attack: skull, white, black; defence: skull, black
  RollCombat(1, 20);
  BITMAP* m = MessageBitmap;
  EXPECT_EQ(PixelAt(m, 12, 70), heroColor);  // the attacker's portrait at x 3
  EXPECT_EQ(PixelAt(m, 3, 70), RgbOf(BaseColor));  // framed in the panel colour
  EXPECT_EQ(PixelAt(m, 40, 70), skull);      // a skull counts for the attacker: solid
  EXPECT_FALSE(PixelAt(m, 68, 70) == white);      // his shields are faded
  EXPECT_FALSE(PixelAt(m, 96, 70) == black);
  // Defence dice after the gap: x = 87 + 62 + 28 = 177, then 205.
  EXPECT_FALSE(PixelAt(m, 186, 70) == skull);     // the monster's skull is faded
  EXPECT_EQ(PixelAt(m, 214, 70), black);     // its black shield parries: solid
  EXPECT_EQ(PixelAt(m, 242, 70), orcColor);  // the defender's portrait at x + 28
}

TEST_F(Combat, DiceBeyondThePanelAreCountedButNotDrawn) {
  data.SetBitmap(kDataDiceSkull, 24, 24, makecol(200, 0, 0));
  data.Install();
  Place(1, 5, 5, {"Giant", 1, 127, 2, 8, 4});
  Place(20, 6, 5, {"Orc", 3, 3, 0, 5, 2});
  SeedRandom(5);
  RollCombat(1, 20);
  EXPECT_EQ(CombatDice.attackSkulls + CombatDice.attackWhite + CombatDice.attackBlack, 127);
}

// One attack of the hero on (5, 5) on the object on (6, 5), through the action.
struct AttackCase {
  const char* what;
  unsigned seed;
  int altdice;
  int off;          // the hero's offence
  Fighter target;
  int wounds;
  int lifeAfter, mindAfter;
  bool died;
  int exp;          // experience the hero earns
  int effect;       // the attack's sound, 0 when no dice were thrown
};

TEST_F(Combat, AttacksWoundParryKillAndEarnExperience) {
  const AttackCase cases[] = {
      {"black shields parry a monster", 7, 0, 3, {"Orc", 3, 3, 2, 5, 2}, 0, 5, 2, false, 0, 10},
      {"white shields do not", 27, 0, 3, {"Orc", 3, 3, 2, 5, 2}, 3, 2, 2, false, 15, 11},
      {"two wounds on off 3, def 2", 242, 0, 3, {"Orc", 3, 3, 2, 5, 2}, 2, 3, 2, false, 10, 11},
      {"white shield option", 27, 1, 3, {"Orc", 3, 3, 2, 5, 2}, 1, 4, 2, false, 5, 11},
      {"a hero parries white", 27, 0, 3, {"Rogue", 1, 3, 2, 5, 2}, 1, 4, 2, false, 5, 11},
      {"wounds stop at the life left", 992, 0, 4, {"Orc", 3, 3, 2, 1, 2}, 1, 0, 0, true, 5, 11},
      {"magic wounds mind", 3, 0, -2, {"Warlock", 5, -2, 1, 4, 3}, 2, 4, 1, false, 10, 9},
      {"magic kills at mind 0", 3, 0, -2, {"Warlock", 5, -2, 1, 4, 2}, 2, 0, 0, true, 10, 9},
      {"magic without skulls", 4, 0, -2, {"Warlock", 5, -2, 1, 4, 2}, 0, 4, 2, false, 0, 8},
      {"no mind: any magic destroys", 4, 0, -2, {"Ghost", 4, 2, 0, 4, 0}, 0, 0, 0, true, 0, 8},
      {"a mind below 0 gives no negative wounds", 3, 0, -2, {"Ghost", 4, 2, 0, 4, -3}, 0, 0, 0,
       true, 0, 9},
      {"no offence: no dice", 27, 0, 0, {"Orc", 3, 3, 2, 5, 2}, 0, 5, 2, false, 0, 0},
      {"a monster with life 0 just dies", 27, 0, 3, {"Orc", 3, 3, 2, 0, 2}, 0, 0, 0, true, 0, 0},
  };
  for (const AttackCase& c : cases) {
    SCOPED_TRACE(c.what);
    ResetQuest(false);
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    p.Reset();
    GameOptions.altdice = c.altdice;
    GameOptions.targetheroes = 1;
    Place(1, 5, 5, {"Hero", 1, c.off, 2, 8, 4});
    Place(20, 6, 5, c.target);
    ActionState = kActionChoosingTarget;
    SeedRandom(c.seed);
    EXPECT_EQ(ActOnObject(5, 5, 6, 5, 0), 0);
    const ObjectRecord& t = ObjectTable[20];
    EXPECT_EQ(LastWounds, c.wounds);
    EXPECT_EQ(t.attribute[kLife], c.lifeAfter);
    EXPECT_EQ(t.attribute[kMind], c.mindAfter);
    EXPECT_EQ(ObjectTable[1].exp, c.exp);
    EXPECT_EQ(ObjectTable[1].kills, c.died ? 1 : 0);
    EXPECT_EQ(ObjectMap[6][5], c.died ? 0 : 20);
    // The dead turn static; the living keep their side (the option's side 2 is undone).
    EXPECT_EQ(t.side, c.died ? kSideStatic : c.target.side);
    EXPECT_EQ(Played(12), c.died);
    if (c.effect) EXPECT_EQ(Effects().front(), c.effect);
    else EXPECT_FALSE(Played(8) || Played(9) || Played(10) || Played(11));
    EXPECT_EQ(ActionState, kActionActed);
    EXPECT_EQ(ActionTargetX, 6);
    EXPECT_EQ(HeroPositionX, 5);
  }
}

TEST_F(Combat, AMonsterKillingAHeroFreesHisSlot) {
  Place(2, 5, 5, {"Hero", 1, 3, 0, 1, 4});
  Place(20, 6, 5, {"Orc", 3, 3, 2, 5, 2});
  CurrentObject = 20;
  SeedRandom(992);  // four skulls, no defence dice
  ActOnObject(6, 5, 5, 5, 0);
  EXPECT_EQ(QuestHeader.heroes[1], kHeroOffBoard);
  EXPECT_EQ(ObjectMap[5][5], 0);
  EXPECT_EQ(ObjectTable[2].side, kSideStatic);
  EXPECT_EQ(ObjectTable[2].attribute[kLife], 0);
  EXPECT_EQ(ObjectTable[20].kills, 1);
  EXPECT_EQ(QuestHeader.heroes[0], kHeroInPlay);
}

TEST_F(Combat, UsualEnemiesHaveOneLifeBelowFiftyExperience) {
  struct Case {
    const char* name;
    int exp;
    int option;
    int life;
  } cases[] = {
      {"Zombie", 0, 1, 1}, {"Zombie", 49, 1, 1}, {"Zombie", 50, 1, 3},
      {"Zombie", 0, 0, 3}, {"Chaos Warrior", 0, 1, 1}, {"Dragon", 0, 1, 3},
  };
  for (const Case& c : cases) {
    GameOptions.enemy1life = c.option;
    Place(20, 6, 5, {c.name, 4, 2, 1, 3, 1}).exp = c.exp;
    ApplyOneLifeOption(20);
    EXPECT_EQ(ObjectTable[20].attribute[kLife], c.life) << c.name << " " << c.exp;
    EXPECT_EQ(ObjectTable[20].attribute[kLifeMax], c.life) << c.name << " " << c.exp;
  }
  // Through an attack: one wound kills the weakened Zombie.
  GameOptions.enemy1life = 1;
  Hero(1, 5, 5);
  Place(20, 6, 5, {"Zombie", 4, 2, 1, 3, 1});
  SeedRandom(44);  // skull, white, white; white
  ActOnObject(5, 5, 6, 5, 0);
  EXPECT_EQ(ObjectMap[6][5], 0);
  EXPECT_EQ(ObjectTable[1].exp, 1 * (2 + 1));
}

TEST_F(Combat, CanActOnTable) {
  // The hero on (5, 5) with his neighbours; a second hero on (10, 10) next to a wall.
  Hero(1, 5, 5);
  Hero(2, 4, 5);
  Place(20, 6, 5, {"Orc", 3, 3, 2, 5, 2});
  Place(21, 5, 6, {"Dwarf guard", 2, 3, 2, 5, 2});
  Thing(22, 5, 4, kScriptTextAndSound);
  Thing(23, 7, 5, kScriptNone);
  Hero(3, 10, 10);
  Place(24, 11, 10, {"Orc", 3, 3, 2, 5, 2});
  FloorMap[11][10] = 9;
  Place(25, 10, 11, {"Orc", 3, 3, 2, 5, 2});
  VisibilityMap[10][11] = 0;
  struct Case {
    const char* what;
    int x, y, tx, ty, needStep, allowUse, targetHeroes, door;
    int want;
  } cases[] = {
      {"a monster", 5, 5, 6, 5, 1, 0, 0, 0, 0},
      {"a monster two tiles off", 5, 5, 7, 5, 1, 1, 0, 0, 1},
      {"a monster anywhere without the step", 10, 10, 6, 5, 0, 0, 0, 0, 0},
      {"another hero", 5, 5, 4, 5, 1, 1, 0, 0, 1},
      {"another hero by option", 5, 5, 4, 5, 1, 1, 1, 0, 0},
      {"an ally", 5, 5, 5, 6, 1, 1, 1, 0, 1},
      {"a chest with a script, attack only", 5, 5, 5, 4, 1, 0, 0, 0, 1},
      {"a chest with a script, use", 5, 5, 5, 4, 1, 1, 0, 0, 0},
      {"furniture without a script", 6, 5, 7, 5, 1, 1, 0, 0, 1},
      {"an empty tile", 5, 5, 6, 6, 0, 1, 0, 0, 1},
      {"off the board", 0, 5, -1, 5, 0, 1, 0, 0, 1},
      {"off the board below", 5, 18, 5, 19, 0, 1, 0, 0, 1},
      {"behind a wall", 10, 10, 11, 10, 1, 0, 0, 0, 1},
      {"through an open door", 10, 10, 11, 10, 1, 0, 0, 1, 0},
      {"through a locked door", 10, 10, 11, 10, 1, 0, 0, 2, 1},
      {"through a hidden door", 10, 10, 11, 10, 1, 0, 0, 8, 1},
      {"on a hidden tile", 10, 10, 10, 11, 1, 0, 0, 0, 1},
  };
  for (const Case& c : cases) {
    GameOptions.targetheroes = c.targetHeroes;
    DoorMap[11][10] = static_cast<uint8_t>(c.door);
    EXPECT_EQ(CanActOn(c.x, c.y, c.tx, c.ty, c.needStep, c.allowUse), c.want) << c.what;
  }
}

TEST_F(Combat, CanActOnGivesTheAnchorOfTheTarget) {
  Hero(1, 5, 5);
  Place(20, 6, 5, {"Orc", 3, 3, 2, 5, 2});
  int ax = -1, ay = -1;
  EXPECT_EQ(CanActOn(5, 5, 6, 5, 1, 0, &ax, &ay), 0);
  EXPECT_EQ(ax, 6);
  EXPECT_EQ(ay, 5);
}
