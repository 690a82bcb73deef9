// The Magic Dungeon's levels: seeds and seed bases, the header, building a level with
// its attempts, entering it from another level, and a saved game coming back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/message_log.h"
#include "core/random.h"
#include "dungeon/dungeon_content.h"
#include "dungeon/dungeon_layout.h"
#include "level_support.h"
#include "quest/prefab_roles.h"
#include "quest/quest_file.h"
#include "quest/script_types.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

TEST(DungeonSeeds, LayoutAttemptsRunIntoTheNextLevelsSeedsAfterTen) {
  EXPECT_EQ(DungeonLayoutSeed(5000, 1, 0), 5000);
  EXPECT_EQ(DungeonLayoutSeed(5000, 3, 4), 5024);
  EXPECT_EQ(DungeonLayoutSeed(5000, 3, 10), DungeonLayoutSeed(5000, 4, 0));
  EXPECT_EQ(DungeonContentSeed(5000, 1), 5000);
  EXPECT_EQ(DungeonContentSeed(5000, 7), 5006);
}

// A saved game keeps the seed base in six characters: every seed base stays below
// 1,000,000, the ones that fitted before as they were. (The 31-bit number is made of
// two 15-bit draws, so its two top bits are always 0 and a drawn seed base is at most
// 894784; the range still holds for whatever a file or a caller brings.)
TEST(DungeonSeeds, SeedBasesStayBelowAMillion) {
  struct Case {
    int value, base;
  } const cases[] = {{1, 1},       {999999, 999999}, {1000000, 1},  {1789568, 789568},
                     {-5, 999995}, {0, 1},           {2000000, 1}};
  for (const Case& c : cases) EXPECT_EQ(DungeonSeedBaseInRange(c.value), c.base) << c.value;
  for (uint32_t seed = 1; seed <= 200; seed++) {
    SeedRandom(seed);
    const int wide = Random31() / 1200;
    SeedRandom(seed);
    EXPECT_EQ(NewDungeonSeedBase(), wide) << "seed " << seed;
    EXPECT_LE(wide, 894784);
  }
}

TEST(DungeonHeader, IsTheMagicDungeonsWithItsTexts) {
  ResetQuest(true);
  SetUpMagicDungeonHeader(424242, 20);
  EXPECT_STREQ(QuestHeader.series, "dungeon");
  EXPECT_STREQ(QuestHeader.author, " ");
  EXPECT_EQ(QuestHeader.chapters, 20);
  EXPECT_EQ(QuestHeader.qstdata[kQuestDungeonSeedBase], 424242);
  EXPECT_EQ(QuestHeader.qstdata[kQuestObjective], 0);
  const int8_t heroes[4] = {1, 0, 0, 0};
  EXPECT_EQ(memcmp(QuestHeader.heroes, heroes, 4), 0);
  EXPECT_EQ(std::string(QuestHeader.briefing).substr(0, 60),
            "Standing here at the entrance of the Magic Dungeon you can h");
  EXPECT_EQ(std::string(QuestHeader.briefing).back(), ' ') << "the briefing ends with a space";
  EXPECT_STREQ(QuestHeader.defeat, kDungeonDefeat);
  EXPECT_STREQ(QuestHeader.victory, kDungeonVictory);
  EXPECT_EQ(std::string(kDungeonVictory).substr(0, 40), "Now after descending through countless l");
  // The header keeps chapters in a signed byte.
  for (auto [last, kept] : {std::pair{0, 1}, {-3, 1}, {127, 127}, {300, 127}}) {
    SetUpMagicDungeonHeader(1, last);
    EXPECT_EQ(QuestHeader.chapters, kept) << last;
  }
  ResetQuest(true);
}

class DungeonLevelTest : public LevelTest {};

TEST_F(DungeonLevelTest, EnteringLevelOneBuildsItForTheArrivalByTheStairsUp) {
  StartDungeon(123456);
  DungeonLevelHook.leaving = [](int, int) { FAIL() << "no party leaves from outside"; };
  DungeonLevelHook.arrived = [](int, int) { FAIL() << "no party arrives from outside"; };
  ASSERT_EQ(enterDungeonLevel(1, 0), kLevelBuilt);
  EXPECT_STREQ(QuestHeader.quest, "Magic Dungeon level 1");
  EXPECT_EQ(QuestHeader.chapter, 1);
  EXPECT_STREQ(LoggedLine(0).text, "Descending the Magic Dungeon to level 1.");
  EXPECT_EQ(DungeonLayoutAttempts, 1);
  const auto up = TileOfPicture(kPictureStairsUp), down = TileOfPicture(kPictureStairsDown);
  ASSERT_GE(up.first, 0);
  ASSERT_GE(down.first, 0);
  EXPECT_EQ(ObjectTable[ObjectMap[up.first][up.second]].scriptvar[kScriptType], kScriptStairsUp);
  EXPECT_EQ(ObjectTable[ObjectMap[down.first][down.second]].scriptvar[kScriptType],
            kScriptStairsDown);
  for (int k = 1; k <= 4; k++) {
    EXPECT_TRUE(BesideObjectAt(TileOfSlot(k), up)) << "hero " << k;
  }
  // Script objects stay on the ObjectMap: the quest start moves them.
  bool scriptObjectOnTheObjectMap = false;
  for (const SeenObject& o : ObjectsOn(ObjectMap)) scriptObjectOnTheObjectMap |= o.side > 10;
  EXPECT_TRUE(scriptObjectOnTheObjectMap);
  EXPECT_TRUE(ObjectsOn(ScriptMap).empty());
}

struct HookLog {
  static inline std::vector<std::string> calls;
  static void Leaving(int level, int previous) {
    calls.push_back("leaving " + std::to_string(level) + " " + std::to_string(previous) +
                    " title " + QuestHeader.quest);
  }
  static void Arrived(int level, int previous) {
    calls.push_back("arrived " + std::to_string(level) + " " + std::to_string(previous) +
                    " title " + QuestHeader.quest);
  }
};

TEST_F(DungeonLevelTest, GoingUpPlacesTheHeroesByTheStairsDownAndHandsThePartyOver) {
  StartDungeon(123456);
  ASSERT_EQ(enterDungeonLevel(3, 2), kLevelBuilt);
  HookLog::calls.clear();
  DungeonLevelHook.leaving = HookLog::Leaving;
  DungeonLevelHook.arrived = HookLog::Arrived;
  QuestHeader.heroes[0] = kHeroInPlay;
  QuestHeader.heroes[1] = kHeroOffBoard;  // died on level 3
  QuestHeader.heroes[2] = kHeroInPlay;
  QuestHeader.heroes[3] = kHeroInPlay;
  ASSERT_EQ(enterDungeonLevel(2, 3), kLevelBuilt);
  EXPECT_EQ(HookLog::calls, (std::vector<std::string>{
                                "leaving 2 3 title Magic Dungeon level 3",
                                "arrived 2 3 title Magic Dungeon level 2"}));
  EXPECT_STREQ(LoggedLine(0).text, "Going back up to level 2 of the Dungeon.");
  EXPECT_EQ(QuestHeader.chapter, 2);
  const auto down = TileOfPicture(kPictureStairsDown);
  for (int k : {1, 3, 4}) {
    EXPECT_TRUE(BesideObjectAt(TileOfSlot(k), down)) << "hero " << k;
  }
  EXPECT_EQ(TileOfSlot(2).first, -1) << "the dead hero is not on the next level";
  for (const SeenObject& o : ObjectsOn(ObjectMap)) EXPECT_LE(o.side, 10) << o;
  bool scripts = false;
  for (const SeenObject& o : ObjectsOn(ScriptMap)) {
    EXPECT_GT(o.side, 10) << o;
    scripts = true;
  }
  EXPECT_TRUE(scripts) << "this level's traps lie on the ScriptMap";
}

// Down to level 2 and back: level 1 has its layout and furniture again.
TEST_F(DungeonLevelTest, SameSeedBaseAndLevelSameBoard) {
  StartDungeon(31337);
  ASSERT_EQ(enterDungeonLevel(1, 0), kLevelBuilt);
  const std::vector<int> layers = FloorAndDoors();
  const std::vector<SeenObject> furniture = FurnitureOnBoard();
  const std::vector<SeenObject> all = ObjectsOn(ObjectMap);
  ASSERT_EQ(enterDungeonLevel(2, 1), kLevelBuilt);
  EXPECT_NE(FloorAndDoors(), layers);
  PinWallClock(kPinnedClock + 3600);
  ASSERT_EQ(enterDungeonLevel(1, 2), kLevelBuilt);
  EXPECT_EQ(FloorAndDoors(), layers);
  // Going up, the heroes arrive by the stairs down; the rest is the same.
  auto withoutHeroes = [](std::vector<SeenObject> v) {
    std::vector<SeenObject> kept;
    for (const SeenObject& o : v)
      if (o.side != kSideHero) kept.push_back(o);
    return kept;
  };
  EXPECT_EQ(withoutHeroes(FurnitureOnBoard()), withoutHeroes(furniture));
  // With the clock pinned as before and the same arrival, the whole level is the same.
  PinWallClock(kPinnedClock);
  ASSERT_EQ(enterDungeonLevel(1, 0), kLevelBuilt);
  EXPECT_EQ(ObjectsOn(ObjectMap), all);
}

// The outside of the board reads as rock on a dungeon map; a level must not depend on
// an outdoors map built before it.
TEST_F(DungeonLevelTest, ALevelDoesNotDependOnTheMapBuiltBefore) {
  StartDungeon(2718);
  for (int level : {1, 4, 9}) {
    OpenFloorCode = 8;
    ASSERT_EQ(buildDungeonLevel(level, kContentDescending), kLevelBuilt);
    const std::vector<int> layers = FloorAndDoors();
    const std::vector<SeenObject> all = ObjectsOn(ObjectMap);
    OpenFloorCode = 1;
    ASSERT_EQ(buildDungeonLevel(level, kContentDescending), kLevelBuilt);
    EXPECT_EQ(FloorAndDoors(), layers) << "level " << level;
    EXPECT_EQ(ObjectsOn(ObjectMap), all) << "level " << level;
  }
}

// Seed base 64910, level 11: the first layout has no room for every required object.
// The second attempt starts on a fresh board: the level equals that layout furnished
// alone.
TEST_F(DungeonLevelTest, EveryAttemptStartsOnAFreshBoard) {
  StartDungeon(64910);
  ASSERT_EQ(buildDungeonLevel(11, kContentDescending), kLevelBuilt);
  EXPECT_EQ(DungeonLayoutAttempts, 2);
  EXPECT_STREQ(LoggedLine(1).text,
               "Failed fitting required objects in this Dungeon. Trying another...");
  const std::vector<int> layers = FloorAndDoors();
  std::vector<SeenObject> all = ObjectsOn(ObjectMap);
  for (SeenObject& o : all)
    if (o.picture == kPictureStairsUp || o.picture == kPictureStairsDown) o.script = 0;
  const int count = ObjectCount;

  ResetQuest(false);
  generateDungeonLayout(DungeonLayoutSeed(64910, 11, 1));
  ASSERT_EQ(generateDungeonContent(kContentDescending, 11, DungeonContentSeed(64910, 11)), 0);
  EXPECT_EQ(FloorAndDoors(), layers);
  EXPECT_EQ(ObjectsOn(ObjectMap), all);
  EXPECT_EQ(ObjectCount, count);
}

TEST_F(DungeonLevelTest, APrefabTableThatCannotFurnishALevelEndsWithAMessage) {
  struct Case {
    const char* what;
    void (*spoil)();
    int mode;
    const char* says;
  } const cases[] = {
      {"no stairs up", [] { ClearObject(PrefabTable[kPrefabStairsUp]); }, kContentDescending,
       "Cannot build the Dungeon: Dunmar.qpf has no stairs up (prefab 52, picture 52)."},
      {"stairs down drawn as something else",
       [] { PrefabTable[kPrefabStairsDown].picture[kPicNumber] = 30; }, kContentGoingUp,
       "Cannot build the Dungeon: Dunmar.qpf has no stairs down (prefab 51, picture 51)."},
      {"a hero missing", [] { ClearObject(PrefabTable[3]); }, kContentEditor,
       "Cannot build the Dungeon: Dunmar.qpf has no hero in prefab 3."},
      {"a table shorter than the stairs", [] { PrefabCount = 50; }, kContentEditor,
       "Cannot build the Dungeon: Dunmar.qpf has no stairs down (prefab 51, picture 51)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LoadLevelMaterial();
    c.spoil();
    StartDungeon(777);
    QuestHeader.chapter = 4;
    EXPECT_EQ(buildDungeonLevel(5, c.mode), kLevelUnbuildable);
    EXPECT_STREQ(LoggedLine(0).text, c.says);
    EXPECT_EQ(QuestHeader.chapter, 4) << "the header stays as it was";
    EXPECT_TRUE(ObjectsOn(ObjectMap).empty()) << "the board is left empty";
  }
  // Without stairs up the editor's content can still be built.
  LoadLevelMaterial();
  ClearObject(PrefabTable[kPrefabStairsUp]);
  EXPECT_EQ(buildDungeonLevel(5, kContentEditor), kLevelBuilt);
}

// Heroes drawn with the arrival stairs' own picture can never stand beside them (no
// two objects of one picture share an area): the table passes the check of the stairs
// and heroes, yet no layout ever fits. The search ends after its last attempt.
TEST_F(DungeonLevelTest, ASearchThatCannotSucceedEnds) {
  for (int k = 1; k <= 4; k++) PrefabTable[k].picture[kPicNumber] = kPictureStairsUp;
  StartDungeon(99);
  EXPECT_EQ(enterDungeonLevel(1, 0), kLevelUnbuildable);
  EXPECT_EQ(DungeonLayoutAttempts, kMostLayoutAttempts);
  EXPECT_STREQ(LoggedLine(0).text, "Cannot build the Dungeon: no layout fitted in 1000 attempts.");
}

// The header keeps the chapter in a signed byte: levels stay within 1 .. 127.
TEST_F(DungeonLevelTest, LevelsStayWhereTheChapterCanHoldThem) {
  StartDungeon(5);
  for (auto [asked, built] : {std::pair{200, 127}, {0, 1}, {-4, 1}}) {
    ASSERT_EQ(buildDungeonLevel(asked, kContentDescending), kLevelBuilt);
    EXPECT_EQ(QuestHeader.chapter, built) << asked;
    EXPECT_EQ(std::string(QuestHeader.quest), "Magic Dungeon level " + std::to_string(built));
  }
}

TEST_F(DungeonLevelTest, AnOutOfRangeSeedBaseIsBroughtIntoRange) {
  StartDungeon(1);
  QuestHeader.qstdata[kQuestDungeonSeedBase] = -5;
  ASSERT_EQ(buildDungeonLevel(1, kContentDescending), kLevelBuilt);
  EXPECT_EQ(QuestHeader.qstdata[kQuestDungeonSeedBase], 999995);
  const std::vector<int> layers = FloorAndDoors();
  ASSERT_EQ(buildDungeonLevel(1, kContentDescending), kLevelBuilt);
  EXPECT_EQ(FloorAndDoors(), layers);
}

// A game saved on level 3 comes back on level 3: the seed base survives the file, so
// the level rebuilds as it was saved. The largest seed base a draw gives and the
// largest the file keeps.
TEST_F(DungeonLevelTest, AGameSavedOnLevelThreeLoadsBackToLevelThree) {
  TempFolder folder;
  const std::string path = folder.path() + "/dungeon.sav";
  const int bases[] = {894784, 999999};
  for (int base : bases) {
    SCOPED_TRACE(testing::Message() << "seed base " << base);
    StartDungeon(base);
    ASSERT_EQ(enterDungeonLevel(1, 0), kLevelBuilt);
    ASSERT_EQ(enterDungeonLevel(2, 1), kLevelBuilt);
    ASSERT_EQ(enterDungeonLevel(3, 2), kLevelBuilt);
    const std::vector<int> layers = FloorAndDoors();
    const std::vector<SeenObject> objects = ObjectsOn(ObjectMap);
    TestPlatform().Reset();
    ASSERT_EQ(SaveQuestFile(path.c_str(), 0), kSaveDone);

    ResetQuest(true);
    ASSERT_EQ(LoadQuest(path.c_str()), 0);
    EXPECT_EQ(QuestHeader.chapter, 3);
    EXPECT_EQ(QuestHeader.chapters, 20);
    EXPECT_EQ(QuestHeader.qstdata[kQuestDungeonSeedBase], base);
    EXPECT_STREQ(QuestHeader.quest, "Magic Dungeon level 3");
    EXPECT_EQ(FloorAndDoors(), layers);
    EXPECT_EQ(ObjectsOn(ObjectMap), objects);

    // And the level rebuilt from the loaded header is the one that was saved.
    ASSERT_EQ(enterDungeonLevel(3, 2), kLevelBuilt);
    EXPECT_EQ(FloorAndDoors(), layers);
    EXPECT_EQ(ObjectsOn(ObjectMap), objects);
  }
}

}  // namespace
