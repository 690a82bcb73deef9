#include <gtest/gtest.h>

#include <cstring>

#include "core/game_options.h"
#include "core/message_log.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "rules/enemy_swap.h"
#include "support/scripted_platform.h"

namespace {

struct Piece {
  int slot;
  const char* name;
  int x, y;
  int exp;
};

// Four swappable greenskins, a veteran Orc, two undead, a Chaos Warrior and a hero.
const Piece kBoard[] = {
    {1, "Barbarian", 0, 0, 0},   {5, "Goblin", 2, 1, 0},      {6, "Orc", 10, 1, 49},
    {8, "Orc", 7, 3, 50},        {7, "Fimir", 3, 4, 0},       {10, "Skeleton", 4, 4, 0},
    {11, "Chaos Warrior", 5, 5, 0}, {12, "Mummy", 9, 9, 0},   {9, "Goblin", 20, 10, 0},
};

class EnemySwap : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetQuest(true);
    TestPlatform().Reset();
    SetDefaultGameOptions();
    for (const Piece& p : kBoard) {
      ObjectRecord& o = ObjectTable[p.slot];
      std::strcpy(o.name, p.name);
      o.side = p.slot == 1 ? kSideHero : kSideGreenskin;
      o.exp = p.exp;
      o.attribute[kOff] = static_cast<int8_t>(p.slot);  // each one recognisable
      ObjectMap[p.x][p.y] = static_cast<uint8_t>(p.slot);
    }
    std::memcpy(tableBefore, ObjectTable, sizeof ObjectTable);
    std::memcpy(mapBefore, ObjectMap, sizeof ObjectMap);
  }
  void TearDown() override {
    ResetQuest(true);
    SetDefaultGameOptions();
  }
  bool OnlyTheseTilesChanged(std::initializer_list<std::pair<int, int>> tiles) {
    for (int x = 0; x < kLayerW; x++)
      for (int y = 0; y < kLayerH; y++) {
        bool listed = false;
        for (auto t : tiles) listed |= t.first == x && t.second == y;
        if (!listed && ObjectMap[x][y] != mapBefore[x][y]) return false;
      }
    return true;
  }

  ObjectRecord tableBefore[kMaxObjects];
  uint8_t mapBefore[kLayerW][kLayerH];
};

struct SwapCase {
  uint32_t seed;
  int onTiles[4];  // the objects on (2,1), (10,1), (3,4), (20,10) afterwards
};

// Outcomes worked out apart from the game's code, from the generator's formula: each
// tile in row order takes the list entry one past (draw mod 4), skipping entries gone.
TEST_F(EnemySwap, GreenskinsTradeTheirOwnTilesOnly) {
  const SwapCase cases[] = {
      {1, {7, 5, 9, 6}},
      {7, {7, 9, 5, 6}},
      {1234, {6, 7, 9, 5}},
  };
  for (const SwapCase& c : cases) {
    SCOPED_TRACE(c.seed);
    std::memcpy(ObjectMap, mapBefore, sizeof ObjectMap);
    SeedRandom(c.seed);
    EXPECT_EQ(SwapEnemies(kSwapGreenskins), 4);
    EXPECT_EQ(ObjectMap[2][1], c.onTiles[0]);
    EXPECT_EQ(ObjectMap[10][1], c.onTiles[1]);
    EXPECT_EQ(ObjectMap[3][4], c.onTiles[2]);
    EXPECT_EQ(ObjectMap[20][10], c.onTiles[3]);
    // The veteran Orc, the undead, the Chaos Warrior and the hero stay.
    EXPECT_TRUE(OnlyTheseTilesChanged({{2, 1}, {10, 1}, {3, 4}, {20, 10}}));
    // Records travel with their objects untouched (the strong Orc keeps its strength).
    EXPECT_EQ(std::memcmp(ObjectTable, tableBefore, sizeof ObjectTable), 0);
  }
}

TEST_F(EnemySwap, EveryGroupObjectEndsOnOneFormerTileOnePerTile) {
  for (uint32_t seed = 0; seed < 40; seed++) {
    SCOPED_TRACE(seed);
    std::memcpy(ObjectMap, mapBefore, sizeof ObjectMap);
    SeedRandom(seed);
    SwapEnemies(kSwapGreenskins);
    int seen[kMaxObjects] = {};
    for (auto t : {std::pair{2, 1}, {10, 1}, {3, 4}, {20, 10}}) seen[ObjectMap[t.first][t.second]]++;
    for (int slot : {5, 6, 7, 9}) EXPECT_EQ(seen[slot], 1) << slot;
  }
}

TEST_F(EnemySwap, UndeadAreTheSecondGroup) {
  SeedRandom(1);
  EXPECT_EQ(SwapEnemies(kSwapUndead), 2);
  EXPECT_EQ(ObjectMap[4][4], 10);
  EXPECT_EQ(ObjectMap[9][9], 12);
  EXPECT_TRUE(OnlyTheseTilesChanged({{4, 4}, {9, 9}}));
  EXPECT_EQ(RandomState(), 3357800067u);  // two draws, one per tile
}

TEST_F(EnemySwap, NoGroupOnTheBoardDrawsNothing) {
  ResetQuest(true);
  std::strcpy(ObjectTable[3].name, "Skeleton");
  ObjectMap[6][6] = 3;
  SeedRandom(99);
  EXPECT_EQ(SwapEnemies(kSwapGreenskins), 0);
  EXPECT_EQ(RandomState(), 99u);
  EXPECT_EQ(ObjectMap[6][6], 3);
}

TEST_F(EnemySwap, ALonelyGoblinStaysAfterOneDraw) {
  ResetQuest(true);
  std::strcpy(ObjectTable[4].name, "Goblin");
  ObjectMap[8][2] = 4;
  SeedRandom(1);
  EXPECT_EQ(SwapEnemies(kSwapGreenskins), 1);
  EXPECT_EQ(ObjectMap[8][2], 4);
  EXPECT_EQ(RandomState(), 2745024u);
}

TEST_F(EnemySwap, GroupsOutsideTheTwoCountAsGreenskins) {
  for (int group : {2, 7, -1}) {
    SCOPED_TRACE(group);
    std::memcpy(ObjectMap, mapBefore, sizeof ObjectMap);
    SeedRandom(1);
    EXPECT_EQ(SwapEnemies(group), 4);
    EXPECT_EQ(ObjectMap[2][1], 7);
    EXPECT_EQ(ObjectMap[4][4], 10);
  }
}

TEST_F(EnemySwap, OnlyTheQuestsMapIsScanned) {
  // A map 8 wide ends at column 8: the Orc at 10 and the Goblin at 20 stay.
  QuestHeader.mapw = 8;
  SeedRandom(3);
  EXPECT_EQ(SwapEnemies(kSwapGreenskins), 2);
  EXPECT_TRUE(OnlyTheseTilesChanged({{2, 1}, {3, 4}}));
  // Sizes a file may hold beyond the layers, or below zero, do no harm.
  const int8_t sizes[][2] = {{127, 127}, {-5, 19}, {26, -1}};
  for (auto s : sizes) {
    std::memcpy(ObjectMap, mapBefore, sizeof ObjectMap);
    QuestHeader.mapw = s[0];
    QuestHeader.maph = s[1];
    int filled = SwapEnemies(kSwapGreenskins);
    EXPECT_EQ(filled, s[0] > 0 && s[1] > 0 ? 4 : 0);
  }
}

TEST_F(EnemySwap, DeveloperModeCountsTheTilesFilled) {
  GameOptions.developer = 1;
  SwapEnemies(kSwapUndead);
  EXPECT_STREQ(LoggedLine(0).text, "swapped enemies count: 2 (undead)");
  SwapEnemies(kSwapGreenskins);
  EXPECT_STREQ(LoggedLine(0).text, "swapped enemies count: 4 (greenskins)");
  GameOptions.developer = 0;
  PrintMessage(TextColor2, "marker");
  SwapEnemies(kSwapGreenskins);
  EXPECT_STREQ(LoggedLine(0).text, "marker");
}

}  // namespace
