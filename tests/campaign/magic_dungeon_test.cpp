// The Magic Dungeon in play: the descent begun from the quest screen, the stairs taken
// in a hero's turn, the party carried from level to level, fleeing, the last level's
// victory, the Hall of Fame on the way down, and a saved level played on.
#include "campaign/magic_dungeon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign/campaign_hooks.h"
#include "campaign/hall_of_fame.h"
#include "campaign/hall_of_fame_screen.h"
#include "campaign/party.h"
#include "core/random.h"
#include "dungeon/dungeon_layout.h"
#include "dungeon/level_support.h"
#include "quest/prefab_roles.h"
#include "quest/quest_file.h"
#include "quest/script_types.h"
#include "render/screen_layout.h"
#include "rules/doors.h"
#include "rules/hero_turn.h"
#include "rules/object_actions.h"
#include "rules/play_hooks.h"
#include "rules/play_state.h"
#include "rules/play_fixture.h"
#include "rules/scripted_dialog.h"
#include "support/temp_folder.h"

namespace {

class MagicDungeonTest : public LevelTest {
 protected:
  ScriptedPlatform& p = TestPlatform();
  ScriptedDialogs dialogs;

  void SetUp() override {
    LevelTest::SetUp();
    p.Reset();
    ResetPlayState();
    ResetScreenLayout();
    ViewMode = 1;
    ExitRequest = 0;
    // Heroes this fresh never reach the table, unless a test lowers it.
    ResetHallOfFame();
    for (HallOfFameEntry& e : HallOfFame) e.experience = 1000000;
    InstallCampaignHooks();
  }
  void TearDown() override {
    PlayHook = PlayHooks{};
    InstallCampaignHooks();
    ResetHallOfFame();
    ResetPlayState();
    LevelTest::TearDown();
  }

  // The descent as the quest screen begins it, with hero 1 alone going down (the
  // others off the board), and his turn.
  void StartWithHeroOne() {
    SeedRandom(2024);
    ASSERT_EQ(StartTheMagicDungeon(), 0);
    for (int k = 2; k <= 4; k++) {
      const auto at = TileOfSlot(k);
      if (at.first >= 0) ObjectMap[at.first][at.second] = 0;
    }
    MoveScriptObjectsToScriptMap();
    CurrentObject = 1;
  }

  // Puts the active hero on a free floor tile beside the stairs with this picture and
  // answers the stairs' anchor.
  std::pair<int, int> HeroBesideStairs(int picture) {
    const auto stairs = TileOfPicture(picture);
    EXPECT_GE(stairs.first, 0);
    const auto hero = TileOfSlot(CurrentObject);
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++) {
        int ax, ay;
        if (FloorMap[x][y] == kFloorRock || ObjectAt(x, y, &ax, &ay)) continue;
        if (!BesideObjectAt({x, y}, stairs)) continue;
        if (hero.first >= 0) ObjectMap[hero.first][hero.second] = 0;
        ObjectMap[x][y] = static_cast<uint8_t>(CurrentObject);
        HeroPositionX = x;
        HeroPositionY = y;
        return stairs;
      }
    ADD_FAILURE() << "no free tile beside the stairs";
    return stairs;
  }

  // The active hero uses the stairs (picture) as the rules do when he acts on them.
  void TakeStairs(int picture) {
    const auto stairs = HeroBesideStairs(picture);
    ActOnObject(HeroPositionX, HeroPositionY, stairs.first, stairs.second, 0);
  }
};

TEST_F(MagicDungeonTest, StartingBuildsLevelOneWithAnEmptyParty) {
  PartyTable[0].exp = 5;
  StartWithHeroOne();
  EXPECT_FALSE(PartyHas(1));
  EXPECT_STREQ(QuestHeader.series, "dungeon");
  EXPECT_STREQ(QuestHeader.quest, "Magic Dungeon level 1");
  EXPECT_EQ(QuestHeader.chapter, 1);
  EXPECT_EQ(QuestHeader.chapters, GameOptions.lastlevel);
  EXPECT_EQ(DeepestDungeonLevel, 1);
  EXPECT_STREQ(LoggedLine(0).text, "Descending the Magic Dungeon to level 1.");
  EXPECT_TRUE(BesideObjectAt(TileOfSlot(1), TileOfPicture(kPictureStairsUp)));
}

// Down to level 2 and back: level 1 has its layout and furniture again, and the hero
// comes back beside its stairs down with what he carried.
TEST_F(MagicDungeonTest, DownAndBackUpRebuildsLevelOneAndCarriesTheHero) {
  StartWithHeroOne();
  const std::vector<int> level1 = FloorAndDoors();
  const std::vector<SeenObject> furniture1 = FurnitureOnBoard();
  ObjectTable[1].exp = 77;
  ObjectTable[1].inventory[kInvGold] = 33;
  ObjectTable[1].attribute[kLife] = 3;

  TakeStairs(kPictureStairsDown);
  EXPECT_EQ(ActionChangedLevel, 1);
  EXPECT_EQ(QuestHeader.chapter, 2);
  EXPECT_STREQ(QuestHeader.quest, "Magic Dungeon level 2");
  EXPECT_STREQ(LoggedLine(0).text, "Descending the Magic Dungeon to level 2.");
  EXPECT_NE(FloorAndDoors(), level1);
  EXPECT_TRUE(BesideObjectAt(TileOfSlot(1), TileOfPicture(kPictureStairsUp)));
  EXPECT_EQ(ObjectTable[1].exp, 77);
  EXPECT_EQ(ObjectTable[1].inventory[kInvGold], 33);
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 3);
  for (int k = 2; k <= 4; k++) EXPECT_EQ(TileOfSlot(k).first, -1) << "hero " << k;
  // He goes on with his turn where he arrived, with a new walk.
  EXPECT_EQ(TileOfSlot(1), std::make_pair(HeroPositionX, HeroPositionY));
  EXPECT_EQ(ActionState, kActionMoving);
  EXPECT_EQ(WalkLeft, ObjectTable[1].attribute[kWalk]);
  EXPECT_GT(VisibilityMap[HeroPositionX][HeroPositionY], 0);
  EXPECT_EQ(DeepestDungeonLevel, 2);

  TakeStairs(kPictureStairsUp);
  EXPECT_EQ(QuestHeader.chapter, 1);
  EXPECT_STREQ(LoggedLine(0).text, "Going back up to level 1 of the Dungeon.");
  EXPECT_EQ(FloorAndDoors(), level1);
  EXPECT_EQ(FurnitureOnBoard().size(), furniture1.size());
  std::vector<SeenObject> without;
  for (const SeenObject& o : FurnitureOnBoard())
    if (o.side != kSideHero) without.push_back(o);
  std::vector<SeenObject> before;
  for (const SeenObject& o : furniture1)
    if (o.side != kSideHero) before.push_back(o);
  EXPECT_EQ(without, before);
  EXPECT_TRUE(BesideObjectAt(TileOfSlot(1), TileOfPicture(kPictureStairsDown)));
  EXPECT_EQ(ObjectTable[1].exp, 77);
  EXPECT_EQ(DeepestDungeonLevel, 2);
}

TEST_F(MagicDungeonTest, AHeroWhoDiedIsNotOnTheNextLevel) {
  StartWithHeroOne();
  QuestHeader.heroes[2] = kHeroOffBoard;  // hero 3 fell on level 1 ...
  ObjectTable[3].attribute[kLife] = 0;
  QuestHeader.heroes[1] = kHeroInPlay;  // ... hero 2 went down with hero 1
  TakeStairs(kPictureStairsDown);
  EXPECT_GE(TileOfSlot(1).first, 0);
  EXPECT_GE(TileOfSlot(2).first, 0);
  EXPECT_EQ(TileOfSlot(3).first, -1);
}

TEST_F(MagicDungeonTest, TheStairsDownOfTheLastLevelWinTheQuest) {
  GameOptions.lastlevel = 2;
  StartWithHeroOne();
  EXPECT_EQ(QuestHeader.chapters, 2);
  TakeStairs(kPictureStairsDown);
  ASSERT_EQ(QuestHeader.chapter, 2);
  EXPECT_EQ(QuestOutcome, kQuestPlaying);
  TakeStairs(kPictureStairsDown);
  EXPECT_EQ(QuestOutcome, kQuestWon);
  EXPECT_EQ(QuestHeader.chapter, 2) << "no level is built beyond the last";
}

TEST_F(MagicDungeonTest, FleeingFromLevelOneAsksAndCancelKeepsTheHeroThere) {
  StartWithHeroOne();
  p.alertAnswers = {2};  // CANCEL
  TakeStairs(kPictureStairsUp);
  ASSERT_EQ(p.alerts.size(), 1u);
  EXPECT_EQ(p.alerts[0].l2, "  to flee from the Magic Dungeon?  ");
  EXPECT_EQ(QuestOutcome, kQuestPlaying);
  EXPECT_EQ(QuestHeader.chapter, 1);
  EXPECT_EQ(TileOfSlot(1), std::make_pair(HeroPositionX, HeroPositionY));

  p.alertAnswers = {1};  // OK
  TakeStairs(kPictureStairsUp);
  EXPECT_EQ(QuestOutcome, kQuestLeft);
}

// Going down records the party in the Hall of Fame under the level it leaves, and
// shows the table when it changed; going up does not.
TEST_F(MagicDungeonTest, GoingDownRecordsThePartyInTheHallOfFame) {
  ResetHallOfFame();
  StartWithHeroOne();
  ObjectTable[1].exp = 5000;  // more than any hero of a fresh table
  dialogs.Script({[](DIALOG*) { return kHallClose; }});
  TakeStairs(kPictureStairsDown);
  EXPECT_EQ(dialogs.showings, 1);
  EXPECT_STREQ(HallOfFame[0].name, ObjectTable[1].name);
  EXPECT_STREQ(HallOfFame[0].quest, "Magic Dungeon level 1");

  dialogs.Script({});
  ObjectTable[1].exp = 6000;
  TakeStairs(kPictureStairsUp);
  EXPECT_EQ(dialogs.showings, 0);
  EXPECT_EQ(HallOfFame[0].experience, 5000);
}

// A game saved on level 3 comes back on level 3, and its stairs down lead to the same
// level 4 as the unsaved game's.
TEST_F(MagicDungeonTest, AGameSavedOnLevelThreePlaysOnFromLevelThree) {
  StartWithHeroOne();
  TakeStairs(kPictureStairsDown);
  TakeStairs(kPictureStairsDown);
  ASSERT_EQ(QuestHeader.chapter, 3);
  TempFolder folder;
  const std::string path = folder.path() + "/level3.sav";
  ASSERT_EQ(SaveQuestFile(path.c_str(), 0), kSaveDone);
  const std::vector<int> level3 = FloorAndDoors();
  TakeStairs(kPictureStairsDown);
  const std::vector<int> level4 = FloorAndDoors();
  const std::vector<SeenObject> furniture4 = FurnitureOnBoard();

  ResetQuest(true);
  ASSERT_EQ(LoadQuest(path.c_str()), 0);
  EXPECT_EQ(QuestHeader.chapter, 3);
  EXPECT_EQ(FloorAndDoors(), level3);
  CurrentObject = 1;
  TakeStairs(kPictureStairsDown);
  EXPECT_EQ(QuestHeader.chapter, 4);
  EXPECT_EQ(FloorAndDoors(), level4);
  EXPECT_EQ(FurnitureOnBoard(), furniture4);
}

// In the hero's own turn: two clicks on the stairs take him down, and he walks on from
// where he arrived without disturbing the new board.
TEST_F(MagicDungeonTest, TheHeroTurnGoesOnOnTheNewLevel) {
  StartWithHeroOne();
  const auto stairs = HeroBesideStairs(kPictureStairsDown);
  // The tile of the stairs next to him.
  int cx = -1, cy = -1;
  for (const auto& d : {std::make_pair(1, 0), {-1, 0}, {0, 1}, {0, -1}}) {
    int ax, ay;
    const int x = HeroPositionX + d.first, y = HeroPositionY + d.second;
    if (ObjectAt(x, y, &ax, &ay) && ax == stairs.first && ay == stairs.second) cx = x, cy = y;
  }
  ASSERT_GE(cx, 0);

  // On arrival a marker stands on level 2 where he stood on level 1: nothing of the old
  // board's tiles may touch the new board.
  static int oldX, oldY;
  static void (*arrive)(int, int);
  oldX = HeroPositionX;
  oldY = HeroPositionY;
  arrive = DungeonLevelHook.arrived;
  DungeonLevelHook.arrived = [](int level, int previous) {
    arrive(level, previous);
    if (ObjectMap[oldX][oldY] != 0) return;
    PlacePiece(250, "Marker", kSideStatic, oldX, oldY, 0, 0, 1);
  };

  int arrivedX = -1, arrivedY = -1;
  p.idleActs = {Mouse(cx, cy, 1), Release(), Mouse(cx, cy, 1), Release(),
                [&](ScriptedPlatform&) {
                  arrivedX = HeroPositionX;
                  arrivedY = HeroPositionY;
                }};
  // Then one step onto a free tile beside him, and the end of the turn.
  p.idleActs.push_back([&](ScriptedPlatform& s) {
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    const int codes[4] = {KEY_RIGHT << 8, KEY_LEFT << 8, KEY_DOWN << 8, KEY_UP << 8};
    for (int i = 0; i < 4; i++) {
      const int x = arrivedX + steps[i][0], y = arrivedY + steps[i][1];
      int ax, ay;
      if (x < 0 || y < 0 || x >= kBoardW || y >= kBoardH || FloorMap[x][y] == kFloorRock ||
          ObjectAt(x, y, &ax, &ay) || (EdgeDoorField(arrivedX, arrivedY, x, y) & 255))
        continue;
      s.keys.push_back(codes[i]);
      return;
    }
  });
  p.idleActs.push_back(Key(kKeyBackspace));
  WalkLeft = ObjectTable[1].attribute[kWalk];
  HeroTurn(HeroPositionX, HeroPositionY);
  EXPECT_FALSE(p.ranOutOfActs);
  ASSERT_EQ(QuestHeader.chapter, 2);
  EXPECT_NE(std::make_pair(arrivedX, arrivedY), TileOfSlot(1)) << "he walked on";
  EXPECT_EQ(HeroPositionX, TileOfSlot(1).first);
  ASSERT_STREQ(ObjectTable[250].name, "Marker") << "level 2 had a piece on his old tile";
  EXPECT_EQ(ObjectMap[oldX][oldY], 250);
}

}  // namespace
