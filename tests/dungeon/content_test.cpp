// The content generator: the placement rule on a hand-made board, placing one prefab,
// and whole levels furnished from the shipped prefab table.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "core/colors.h"
#include "core/message_log.h"
#include "core/random.h"
#include "dungeon/board_access.h"
#include "dungeon/dungeon_content.h"
#include "dungeon/dungeon_layout.h"
#include "level_support.h"
#include "quest/prefab_roles.h"
#include "quest/script_types.h"
#include "support/fake_game_data.h"

namespace {

// ---------------------------------------------------------------- weights

TEST(DungeonWeights, FollowTheLevelAgainstTheLastLevel) {
  struct Case {
    int level, last;
    float early, mid, later, doubled, halfed;
    int goldBase, clamped;
  } const cases[] = {
      {1, 20, 1.00f, 0.45f, 0.25f, 1.05f, 1.00f, 3, 1},
      {10, 20, 0.55f, 0.75f, 0.70f, 1.50f, 0.775f, 8, 10},
      {20, 20, 0.05f, 0.25f, 1.20f, 2.00f, 0.525f, 14, 20},
      {25, 20, 0.05f, 0.25f, 1.20f, 2.00f, 0.525f, 14, 20},  // above the last: the last
      {3, 0, 0.05f, 0.25f, 1.20f, 2.00f, 0.525f, 14, 1},     // no last level: 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "level " << c.level << " of " << c.last);
    const DungeonWeights w = ComputeDungeonWeights(c.level, c.last);
    EXPECT_EQ(w.level, c.clamped);
    EXPECT_NEAR(w.early, c.early, 1e-5);
    EXPECT_NEAR(w.mid, c.mid, 1e-5);
    EXPECT_NEAR(w.later, c.later, 1e-5);
    EXPECT_NEAR(w.doubled, c.doubled, 1e-5);
    EXPECT_NEAR(w.halfed, c.halfed, 1e-5);
    EXPECT_EQ(w.goldBase, c.goldBase);
  }
  // In single precision early x 20 on the last level is just above 1, early x 5 below 1:
  // one goblin in a thousand tiles may be tried, and none placed.
  const DungeonWeights last = ComputeDungeonWeights(20, 20);
  EXPECT_EQ(static_cast<int>(last.early * 20.0f), 1);
  EXPECT_EQ(static_cast<int>(last.early * 5.0f), 0);
}

// ---------------------------------------------------------------- rule and placement

// A hand-made board on a small datafile: rock, room A (floor 10) at x 2..6, y 2..6,
// room B (11) at x 7..9, y 2..6, a corridor along y = 7, a door on the north edge of
// corridor tile (4, 7). A hero (picture 1) at (3, 3), a Greenskin (picture 11) at
// (5, 5), an artifact (25) at (8, 3) and stairs up (52) at (9, 5).
class PlacementRuleTest : public ::testing::Test {
 protected:
  enum { kFurniture = 60, kHeroPrefab = 61, kGoblinLook = 62, kWide = 63 };

  void SetUp() override {
    // One-tile pictures (20 x 20) for all but picture 27 (70 wide, reaching both
    // neighbours) and 28 (45 wide).
    for (int n = 1; n <= 60; n++) {
      const int w = n == 27 ? 70 : n == 28 ? 45 : 20;
      data_.SetBitmap(kFirstObjectPicture + n, w, 20, 0x808080);
    }
    data_.Install();
    ResetQuest(true);
    OpenFloorCode = 8;
    memset(FloorMap, kFloorRock, sizeof FloorMap);
    for (int x = 2; x <= 9; x++) {
      for (int y = 2; y <= 6; y++) FloorMap[x][y] = x <= 6 ? 10 : 11;
      FloorMap[x][7] = kFloorCorridor;
    }
    DoorMap[4][7] = 16;
    Put(3, 3, "Hero", kSideHero, 1);
    Put(5, 5, "Goblin", kSideGreenskin, 11);
    Put(8, 3, "Altar", kSideStatic, 25);
    Put(9, 5, "Stairs Up", kSideStatic, 52);

    for (int i = 0; i < kMaxObjects; i++) ClearObject(PrefabTable[i]);
    Prefab(kPrefabMerchant, "Merchant", kSideStatic, 7);
    Prefab(kFurniture, "Table", kSideStatic, 31);
    Prefab(kHeroPrefab, "Dwarf", kSideHero, 2);
    Prefab(kGoblinLook, "Goblin statue", kSideStatic, 11);
    Prefab(kWide, "Weapon Rack", kSideStatic, 28);
    PrefabCount = 63;
  }
  void TearDown() override {
    InstallGameData(nullptr);
    ResetQuest(true);
    OpenFloorCode = 8;
    LoadLevelMaterial();
    UnloadGameData();
  }

  void Put(int x, int y, const char* name, int side, int picture, int offsetX = 2) {
    const int slot = ++ObjectCount;
    ObjectRecord& o = ObjectTable[slot];
    CopyText(o.name, name, kNameLen);
    o.side = static_cast<int8_t>(side);
    o.picture[kPicNumber] = picture;
    o.picture[kPicOffsetX] = offsetX;
    o.picture[kPicOffsetY] = 2;
    ObjectMap[x][y] = static_cast<uint8_t>(slot);
  }
  static void Prefab(int slot, const char* name, int side, int picture) {
    ObjectRecord& o = PrefabTable[slot];
    CopyText(o.name, name, kNameLen);
    o.side = static_cast<int8_t>(side);
    o.picture[kPicNumber] = picture;
    o.picture[kPicOffsetX] = o.picture[kPicOffsetY] = 2;
  }

  FakeGameData data_;
};

TEST_F(PlacementRuleTest, EachConditionBreaksWhereTheTextSays) {
  // A bookcase anchored on (3, 5), 70 pixels wide from 23 left of its tile: it covers
  // (2, 5) and (4, 5) as well.
  Put(3, 5, "Bookcase", kSideStatic, 27, -23);
  struct Case {
    const char* what;
    int x, y, mask, centre, prefab, arrival, breaks;
  } const cases[] = {
      {"a hero keeps furniture out of his area", 3, 3, 0, 10, kFurniture, 52, 1},
      {"... but not another hero", 3, 3, 0, 10, kHeroPrefab, 52, 0},
      {"... nor the merchant", 3, 3, 0, 10, kPrefabMerchant, 52, 0},
      {"... nor from another area", 3, 3, 0, 11, kFurniture, 52, 0},
      {"stairs keep furniture out of their area", 9, 5, 0, 11, kFurniture, 52, 1},
      {"no second object of the own picture in the area", 5, 5, 0, 10, kGoblinLook, 52, 1},
      {"... another area may hold one", 5, 5, 0, 11, kGoblinLook, 52, 0},
      {"free: an object breaks it", 5, 5, kMustBeFree, 10, kFurniture, 52, 1},
      {"free: an empty tile", 4, 4, kMustBeFree, 10, kFurniture, 52, 0},
      {"free: a wide object's covered tile", 4, 5, kMustBeFree, 10, kFurniture, 52, 1},
      {"free: nothing off the board", -1, 3, kMustBeFree, 10, kFurniture, 52, 0},
      {"no door: the north edge of the tile below", 4, 6, kMustHaveNoDoor, 10, kFurniture, 52, 1},
      {"no door: the tile itself", 4, 7, kMustHaveNoDoor, 10, kFurniture, 52, 1},
      {"no door: far from it", 5, 6, kMustHaveNoDoor, 10, kFurniture, 52, 0},
      {"room floor: rock", 0, 0, kMustBeRoomFloor, 10, kFurniture, 52, 1},
      {"room floor: corridor", 3, 7, kMustBeRoomFloor, 10, kFurniture, 52, 1},
      {"room floor: a room", 4, 4, kMustBeRoomFloor, 10, kFurniture, 52, 0},
      {"open ground: a room", 4, 4, kMustBeOpenGround, 10, kFurniture, 52, 1},
      {"open ground: corridor", 3, 7, kMustBeOpenGround, 10, kFurniture, 52, 0},
      {"rock: a room", 4, 4, kMustBeRock, 10, kFurniture, 52, 1},
      {"rock: rock", 0, 0, kMustBeRock, 10, kFurniture, 52, 0},
      {"rock: off the board reads rock", -1, 3, kMustBeRock, 10, kFurniture, 52, 0},
      {"same area: another room", 8, 4, kMustBeSameArea, 10, kFurniture, 52, 1},
      {"same area: the room", 4, 4, kMustBeSameArea, 10, kFurniture, 52, 0},
      {"other area: the room", 4, 4, kMustBeOtherArea, 10, kFurniture, 52, 1},
      {"other area: another room", 8, 4, kMustBeOtherArea, 10, kFurniture, 52, 0},
      {"no artifact: in the area", 8, 3, kMustHaveNoArtifact, 11, kFurniture, 52, 1},
      {"no artifact: in another area", 8, 3, kMustHaveNoArtifact, 10, kFurniture, 52, 0},
      {"no Greenskin: in the area", 5, 5, kMustHaveNoGreenskin, 10, kHeroPrefab, 52, 1},
      {"no Greenskin: a hero is none", 3, 3, kMustHaveNoGreenskin, 10, kHeroPrefab, 52, 0},
      {"arrival stairs: there", 9, 5, kMustBeArrivalStairs, 11, kHeroPrefab, 52, 0},
      {"arrival stairs: the other stairs", 9, 5, kMustBeArrivalStairs, 11, kHeroPrefab, 51, 1},
      {"arrival stairs: another area", 9, 5, kMustBeArrivalStairs, 10, kHeroPrefab, 52, 1},
      {"arrival stairs: an empty tile", 8, 5, kMustBeArrivalStairs, 11, kHeroPrefab, 52, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(placementRule(c.x, c.y, c.mask, c.centre, c.prefab, c.arrival), c.breaks) << c.what;
}

// Pattern 13 wants the arrival stairs on the left (as given) or above (transposed):
// on this board only (9, 6), below the stairs, fits. Pattern 12 wants them on the
// right or below: (8, 5) as given and (9, 4) transposed.
TEST_F(PlacementRuleTest, FindsTheFittingTilesWhereverTheSearchStarts) {
  for (uint32_t seed : {1u, 2u, 3u, 99u, 4711u}) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    SetUp();
    const int before = ObjectCount;
    SeedRandom(seed);
    EXPECT_EQ(placePrefab(kHeroPrefab, 13, 1000, 5, 0, 52), 1);
    EXPECT_EQ(ObjectCount, before + 1);
    ASSERT_NE(ObjectMap[9][6], 0);
    const ObjectRecord& o = ObjectTable[ObjectMap[9][6]];
    EXPECT_STREQ(o.name, "Dwarf");
    EXPECT_EQ(o.picture[kPicOrientation], 0) << "the transposed reading of orientation 0";
  }
}

// Only the reading that fits decides: orientation 0 turns the object found by the
// pattern as given, orientation 1 the one found by the pattern transposed. A one-tile
// picture (20 pixels) is mirrored (1), a wider one turned a quarter (2). Crates block
// the other fitting tile, as a second copy may not share the area with the first.
TEST_F(PlacementRuleTest, TheReadingThatFitsDecidesTheFacing) {
  struct Case {
    int prefab, pattern, orientation;
    int blockX, blockY;  // crates here, or -1
    int x, y, facing;
  } const cases[] = {
      {kHeroPrefab, 12, 0, 9, 4, 8, 5, 1},   // as given: stairs to the right
      {kHeroPrefab, 12, 0, 8, 5, 9, 4, 0},   // transposed: stairs below
      {kHeroPrefab, 12, 1, -1, 0, 9, 4, 1},  // mirrored: as given the stairs would be on rock
      {kWide, 13, 1, 8, 5, 9, 6, 2},         // mirrored and transposed: stairs above
      {kWide, 13, 1, 9, 6, 8, 5, 0},         // mirrored as given: stairs to the right
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "pattern " << c.pattern << " orientation "
                                    << c.orientation << " to " << c.x << "," << c.y);
    SetUp();
    Prefab(kWide, "Hero statue", kSideHero, 28);
    if (c.blockX >= 0) Put(c.blockX, c.blockY, "Crates", kSideStatic, 32);
    SeedRandom(7);
    EXPECT_EQ(placePrefab(c.prefab, c.pattern, 1000, 2, c.orientation, 52), 1);
    ASSERT_NE(ObjectMap[c.x][c.y], 0);
    EXPECT_EQ(ObjectTable[ObjectMap[c.x][c.y]].picture[kPicOrientation], c.facing);
  }
}

TEST_F(PlacementRuleTest, PlacesNothingWithoutAChanceAPrefabOrAFreeSlot) {
  SeedRandom(5);
  EXPECT_EQ(placePrefab(kHeroPrefab, 13, -1, 5, 0, 52), 0) << "no draw of 0..1000 is below 0";
  EXPECT_EQ(placePrefab(kHeroPrefab, 13, 1000, 0, 0, 52), 0) << "a maximum of 0";
  const uint32_t state = RandomState();
  EXPECT_EQ(placePrefab(50, 13, 1000, 5, 0, 52), 0) << "an empty prefab slot";
  EXPECT_EQ(placePrefab(kHeroPrefab, 20, 1000, 5, 0, 52), 0) << "no pattern 20";
  EXPECT_EQ(placePrefab(kHeroPrefab, -1, 1000, 5, 0, 52), 0) << "no pattern -1";
  EXPECT_EQ(RandomState(), state) << "and draws nothing for them";
  for (int s = 1; s < kMaxObjects; s++)
    if (IsFreeSlot(ObjectTable[s])) CopyText(ObjectTable[s].name, "Filler", kNameLen);
  const int before = ObjectCount;
  EXPECT_EQ(placePrefab(kHeroPrefab, 13, 1000, 5, 0, 52), 0) << "all 255 slots taken";
  EXPECT_EQ(ObjectMap[9][6], 0);
  EXPECT_EQ(ObjectCount, before);
  EXPECT_EQ(ObjectTable[0].name[0], '#') << "slot 0 is never used";
}

// ---------------------------------------------------------------- whole levels

class ContentTest : public LevelTest {
 protected:
  // A layout from seed, then its content.
  static int Furnish(int seed, int mode, int level) {
    ResetQuest(false);
    OpenFloorCode = 8;
    generateDungeonLayout(seed);
    return generateDungeonContent(mode, level, seed);
  }
};

TEST_F(ContentTest, PlacesStairsAndTheHeroesBesideTheArrivalStairsInSlotsOneToFour) {
  struct Case {
    int seed, mode, level;
  } const cases[] = {
      {1001, kContentDescending, 1}, {2002, kContentDescending, 12},
      {3003, kContentGoingUp, 5},    {4004, kContentEditor, 20},
  };
  const char* const heroes[4] = {"Barbarian", "Dwarf", "Elf", "Wizard"};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "seed " << c.seed << " mode " << c.mode);
    ASSERT_EQ(Furnish(c.seed, c.mode, c.level), 0);
    int downs = 0, ups = 0, used = 0;
    for (const SeenObject& o : ObjectsOn(ObjectMap)) {
      downs += o.picture == kPictureStairsDown;
      ups += o.picture == kPictureStairsUp;
    }
    for (int s = 1; s < kMaxObjects; s++) used += !IsFreeSlot(ObjectTable[s]);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, c.mode == kContentEditor ? 0 : 1);
    EXPECT_EQ(ObjectCount, used);
    const auto stairs =
        TileOfPicture(c.mode == kContentDescending ? kPictureStairsUp : kPictureStairsDown);
    for (int k = 1; k <= 4; k++) {
      EXPECT_STREQ(ObjectTable[k].name, heroes[k - 1]);
      const auto at = TileOfSlot(k);
      ASSERT_GE(at.first, 0) << heroes[k - 1] << " is not on the board";
      EXPECT_TRUE(BesideObjectAt(at, stairs)) << heroes[k - 1] << " beside the arrival stairs";
      EXPECT_EQ(FloorMap[at.first][at.second], FloorMap[stairs.first][stairs.second]);
    }
  }
}

TEST_F(ContentTest, TreasureGoldAndPotionsFollowTheLevel) {
  int chests = 0, artifacts = 0, potions = 0;
  for (int seed = 500; seed < 530; seed++) {
    const int level = 1 + seed % 20;
    ASSERT_EQ(Furnish(seed, kContentDescending, level), 0);
    const int base = ComputeDungeonWeights(level, 20).goldBase;
    for (const SeenObject& o : ObjectsOn(ObjectMap)) {
      const ObjectRecord& r = ObjectTable[ObjectMap[o.x][o.y]];
      if (o.picture == kPictureTreasure) {
        chests++;
        EXPECT_EQ(o.gold % 5, 0);
        EXPECT_GE(o.gold, 5 * base);
        EXPECT_LE(o.gold, 5 * (base + 5));
      }
      if (o.picture < kPictureFirstArtifact || o.picture > kPictureLastArtifact) continue;
      artifacts++;
      if (r.scriptvar[kScriptType] == 0) continue;
      potions++;
      EXPECT_EQ(r.scriptvar[kScriptType], kScriptGive);
      EXPECT_EQ(r.scriptvar[kScriptX], 8);
      EXPECT_EQ(r.scriptvar[kScriptY], 3);
      EXPECT_EQ(r.scriptvar[kScriptSound], 13);
      EXPECT_STREQ(r.text1, "Searching the artifact you discover a Healing Potion.");
      EXPECT_STREQ(r.text2, "It restores up to 3 lost life.");
    }
  }
  // These seeds and the pinned clock give fixed counts.
  EXPECT_GT(chests, 0);
  EXPECT_GT(potions, 0);
  EXPECT_LT(potions, artifacts);
}

TEST_F(ContentTest, TheClockChangesOnlyWhatComesAfterTheReseed) {
  for (int seed : {77, 7777}) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    PinWallClock(1000);
    ASSERT_EQ(Furnish(seed, kContentDescending, 8), 0);
    const std::vector<SeenObject> all = ObjectsOn(ObjectMap), furniture = FurnitureOnBoard();
    ASSERT_EQ(Furnish(seed, kContentDescending, 8), 0);
    EXPECT_EQ(ObjectsOn(ObjectMap), all) << "the same clock: the same level";
    PinWallClock(2000);
    ASSERT_EQ(Furnish(seed, kContentDescending, 8), 0);
    EXPECT_EQ(FurnitureOnBoard(), furniture) << "another clock: the same furniture";
    EXPECT_NE(ObjectsOn(ObjectMap), all) << "... and other monsters";
  }
}

TEST_F(ContentTest, StrongerMonstersOnlyFurtherDown) {
  struct Case {
    int level;
    const char* absent;
  } const cases[] = {
      {20, "Goblin"},         // early x 5 is 0 on the last level
      {4, "Orc Chieftain"},   // from a quarter of the way down
      {9, "Chaos Warrior"},   // from half way
      {14, "Chaos Sorcerer"}, // from three quarters
  };
  for (const Case& c : cases)
    for (int seed = 40; seed < 50; seed++) {
      ASSERT_EQ(Furnish(seed, kContentDescending, c.level), 0);
      for (const SeenObject& o : ObjectsOn(ObjectMap))
        EXPECT_NE(o.name, c.absent) << "level " << c.level << " seed " << seed;
    }
  // A level below the last level counts as the last.
  ASSERT_EQ(Furnish(61, kContentDescending, 20), 0);
  const std::vector<SeenObject> last = ObjectsOn(ObjectMap);
  ASSERT_EQ(Furnish(61, kContentDescending, 35), 0);
  EXPECT_EQ(ObjectsOn(ObjectMap), last);
}

TEST_F(ContentTest, CountsEveryRequiredObjectWithoutAPlace) {
  struct Case {
    int mode, failures;
  } const cases[] = {{kContentDescending, 6}, {kContentGoingUp, 6}, {kContentEditor, 5}};
  for (const Case& c : cases) {
    ResetQuest(false);
    memset(FloorMap, kFloorRock, sizeof FloorMap);  // no room anywhere
    EXPECT_EQ(generateDungeonContent(c.mode, 3, 42), c.failures) << "mode " << c.mode;
  }
}

TEST_F(ContentTest, TellsAnOutdoorsMapAndTheWeightsInDeveloperMode) {
  ResetQuest(false);
  memset(FloorMap, 1, sizeof FloorMap);
  GameOptions.developer = 1;
  generateDungeonContent(kContentEditor, 10, 3);
  EXPECT_EQ(OpenFloorCode, 1);
  EXPECT_STREQ(LoggedLine(0).text, "determined current map as an outdoors map");
  EXPECT_STREQ(LoggedLine(1).text,
               "level=10 early=0.55 mid=0.75 later=0.70 doubled=1.50 halfed=0.77");
  ResetQuest(false);
  GameOptions.developer = 0;
  generateDungeonContent(kContentEditor, 10, 3);
  EXPECT_EQ(OpenFloorCode, 8);
}

}  // namespace
