// The dungeon layout on the board and its outdoor conversion.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/random.h"
#include "dungeon/maze/dg_dungeon.h"
#include "layout_support.h"
#include "render/message_line.h"

namespace {

class Layout : public ::testing::Test {
 protected:
  void TearDown() override {
    ResetQuest(true);
    OpenFloorCode = 8;
  }
};

// Draws a floor picture into the top-left corner of a reset board: one character per
// cell, '#' rock 7, '.' corridor 8, letters a.. floor 10.., digits the code itself.
void DrawFloor(const std::vector<std::string>& rows) {
  for (size_t y = 0; y < rows.size(); y++)
    for (size_t x = 0; x < rows[y].size(); x++) {
      char c = rows[y][x];
      FloorMap[x][y] = c == '#' ? 7 : c == '.' ? 8 : c >= 'a' ? 10 + (c - 'a') : c - '0';
    }
}

TEST_F(Layout, SameSeedSameLayersAlsoAfterOtherBuilds) {
  BuildLayout(31415);
  const std::vector<int> first = Layers();
  // A build on a small board and one with other options in between leave nothing
  // behind that changes the next build.
  ResetQuest(true);
  QuestHeader.mapw = 5;
  QuestHeader.maph = 3;
  generateDungeonLayout(99);
  BuildLayout(27, {0, 100, 100});
  SeedRandom(12345);
  BuildLayout(31415);
  EXPECT_EQ(Layers(), first);
  BuildLayout(31416);
  EXPECT_NE(Layers(), first);
}

TEST_F(Layout, SeedZeroDoesNotReseed) {
  SeedRandom(777);
  BuildLayout(0);
  const std::vector<int> a = Layers();
  SeedRandom(777);
  BuildLayout(0);
  EXPECT_EQ(Layers(), a);
  SeedRandom(778);
  BuildLayout(0);
  EXPECT_NE(Layers(), a);
}

TEST_F(Layout, WritesOnlyKnownFloorCodesAndDoorBits) {
  for (int seed = 1; seed <= 60; seed++) {
    BuildLayout(seed, {seed % 3 == 0 ? 0 : 40, seed % 4 == 0 ? 60 : 0, seed % 5 == 0 ? 50 : 5});
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) {
        int f = FloorMap[x][y];
        EXPECT_TRUE(f == 5 || f == 7 || f == 8 || (f >= 10 && f <= 24))
            << "seed " << seed << " floor " << f << " at " << x << "," << y;
      }
    for (int x = 0; x <= kBoardW; x++)
      for (int y = 0; y <= kBoardH; y++) {
        int d = DoorMap[x][y];
        EXPECT_TRUE(d == 0 || d == 1 || d == 8 || d == 16 || d == 128)
            << "seed " << seed << " door " << d << " at " << x << "," << y;
      }
  }
}

TEST_F(Layout, NoDoorStaysBetweenEqualFloorCodes) {
  for (int seed = 100; seed < 160; seed++) {
    BuildLayout(seed, {40, 0, 20});
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++) {
        if (x > 0 && FloorMap[x][y] == FloorMap[x - 1][y]) {
          EXPECT_EQ(DoorMap[x][y] & 0x0f, 0) << "seed " << seed << " west of " << x << "," << y;
        }
        if (y > 0 && FloorMap[x][y] == FloorMap[x][y - 1]) {
          EXPECT_EQ(DoorMap[x][y] & 0xf0, 0) << "seed " << seed << " north of " << x << "," << y;
        }
      }
  }
}

TEST_F(Layout, LastColumnIsNotAllRock) {
  for (int seed = 1; seed <= 200; seed++) {
    BuildLayout(seed);
    bool open = false;
    for (int y = 0; y < kBoardH; y++) open |= FloorMap[kBoardW - 1][y] != 7;
    EXPECT_TRUE(open) << "seed " << seed;
  }
}

TEST_F(Layout, RoomsFromTheSixteenthOnShareFloorFive) {
  // A seed whose level has more than 15 rooms.
  int seed = 0;
  for (int s = 1; s < 500 && !seed; s++) {
    ResetQuest(true);
    FillLayoutSettings(s);
    DgDungeon d(gDungeonSettings);
    int rooms = 0;
    for (const DgRoom* r = d.rooms(); r; r = r->next) rooms++;
    if (rooms >= 18) seed = s;
  }
  ASSERT_NE(seed, 0);
  BuildLayout(seed);
  int fives = 0;
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) {
      EXPECT_LT(FloorMap[x][y], 25);
      fives += FloorMap[x][y] == 5;
    }
  EXPECT_GT(fives, 0);
}

TEST_F(Layout, MessageNamesTheSeedAndTheDoubledColumn) {
  BuildLayout(4242);
  const char* prefix = "Dungeon Generator, build on Corvane's libraries - seed:4242  duplicate column:";
  EXPECT_EQ(strncmp(MessageBuffer, prefix, strlen(prefix)), 0) << MessageBuffer;
}

TEST_F(Layout, DoubledColumnIsTheRichestInCorridorAndShiftsTheRest) {
  ResetQuest(true);
  // Columns 0..25 all rock except: column 3 has two corridor cells, column 6 three,
  // column 9 three (a tie: the lower column wins). The last column 25 is rock.
  for (int x = 0; x <= kBoardW; x++)
    for (int y = 0; y <= kBoardH; y++) FloorMap[x][y] = 7;
  for (int y = 0; y < 2; y++) FloorMap[3][y] = 8;
  for (int y = 0; y < 3; y++) FloorMap[6][y] = 8, FloorMap[9][y] = 8;
  FloorMap[24][0] = 12;
  DoorMap[7][0] = 1;   // door column right after the doubled one keeps its own byte
  DoorMap[8][0] = 16;  // later door columns move right with the floor
  DoorMap[10][0] = 0;
  EXPECT_EQ(DoubleCorridorColumn(), 6);
  for (int y = 0; y < 3; y++) {
    EXPECT_EQ(FloorMap[6][y], 8);
    EXPECT_EQ(FloorMap[7][y], 8) << "the doubled column";
    EXPECT_EQ(FloorMap[10][y], 8) << "column 9 moved to 10";
  }
  EXPECT_EQ(FloorMap[25][0], 12) << "column 24 moved into the last column";
  EXPECT_EQ(DoorMap[7][0], 1);
  EXPECT_EQ(DoorMap[9][0], 16);
}

TEST_F(Layout, WithoutCorridorTheFirstColumnIsDoubled) {
  ResetQuest(true);
  for (int x = 0; x <= kBoardW; x++)
    for (int y = 0; y <= kBoardH; y++) FloorMap[x][y] = 12;
  EXPECT_EQ(DoubleCorridorColumn(), 1);
}

TEST_F(Layout, TinyBoardsAndExtremeOptionsBuild) {
  struct Case {
    int w, h;
    LayoutOptions o;
  } const cases[] = {
      {1, 1, {}},           {2, 2, {}},           {3, 2, {}},
      {4, 3, {0, 100, 100}}, {26, 19, {0, 0, 0}}, {26, 19, {100, 100, 100}},
      {25, 18, {40, 0, 5}}, {26, 19, {-50, 500, -9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " randomness " << c.o.randomness);
    ResetQuest(true);
    QuestHeader.mapw = static_cast<int8_t>(c.w);
    QuestHeader.maph = static_cast<int8_t>(c.h);
    GameOptions.randomness = c.o.randomness;
    GameOptions.clrdeadend = c.o.clrdeadend;
    GameOptions.hiddendoor = c.o.hiddendoor;
    generateDungeonLayout(5);
    for (int x = 0; x < c.w; x++)
      for (int y = 0; y < c.h; y++) {
        int f = FloorMap[x][y];
        EXPECT_TRUE(f == 5 || f == 7 || f == 8 || (f >= 10 && f <= 24)) << f;
      }
  }
  GameOptions.randomness = 40;
  GameOptions.clrdeadend = 0;
  GameOptions.hiddendoor = 5;
}

TEST_F(Layout, PillarsBetweenFourCorridorsOpen) {
  ResetQuest(true);
  DrawFloor({"#.#.##",
             "...#..",
             "#.##.#",
             "######"});
  OpenPillars();
  EXPECT_EQ(FloorMap[1][1], 8);
  EXPECT_EQ(FloorMap[3][1], 7) << "rock below it";
  EXPECT_EQ(FloorMap[0][1], 8);
}

TEST_F(Layout, LoneCorridorCellJoinsTheFirstNeighbourThatIsNotRock) {
  struct Case {
    std::vector<std::string> rows;  // the lone cell is at (1, 1)
    int openFloor;
    int x, y;
    int expected;
  } const cases[] = {
      {{"#c#", "a.b", "#d#"}, 8, 1, 1, 10},  // left first
      {{"#c#", "#.b", "#d#"}, 8, 1, 1, 11},  // then right
      {{"#c#", "#.#", "#d#"}, 8, 1, 1, 12},  // then up
      {{"###", "#.#", "#d#"}, 8, 1, 1, 13},  // then down
      {{"###", "#.#", "###"}, 8, 1, 1, 8},   // all rock: stays corridor
      {{"#.#", "a.b", "###"}, 8, 1, 1, 8},   // a corridor beside it: not lone
      {{"b##", ".##", "###"}, 8, 0, 1, 11},  // off the board reads rock: up
      {{"###", ".a#", "###"}, 8, 0, 1, 10},  // off the board reads rock: right
      {{"###", ".a#", "###"}, 1, 0, 1, 1},   // outdoors the outside reads ground
  };
  for (const Case& c : cases) {
    ResetQuest(true);
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = 7;
    DrawFloor(c.rows);
    OpenFloorCode = c.openFloor;
    AbsorbLoneCorridorCells();
    EXPECT_EQ(FloorMap[c.x][c.y], c.expected)
        << c.rows[0] << "/" << c.rows[1] << "/" << c.rows[2] << " open floor " << c.openFloor;
  }
  OpenFloorCode = 8;
}

TEST_F(Layout, GeneratedLayoutsHaveNoLoneCorridorCellBesideAnotherArea) {
  for (int seed = 1; seed <= 60; seed++) {
    BuildLayout(seed);
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) {
        if (FloorMap[x][y] != 8) continue;
        int n[4] = {getCell(x - 1, y, 1), getCell(x + 1, y, 1), getCell(x, y - 1, 1),
                    getCell(x, y + 1, 1)};
        bool corridor = false, allRock = true;
        for (int v : n) corridor |= v == 8, allRock &= v == 7;
        EXPECT_TRUE(corridor || allRock) << "seed " << seed << " at " << x << "," << y;
      }
  }
}

TEST_F(Layout, OutdoorConversion) {
  ResetQuest(true);
  for (int x = 0; x <= kBoardW; x++)
    for (int y = 0; y <= kBoardH; y++) FloorMap[x][y] = 12;
  DrawFloor({"#.65k",
             "##c9c",
             "c#c#c",
             "ccccc"});
  convertLayoutToOutdoors();
  struct Case {
    int x, y, expected;
    const char* why;
  } const cases[] = {
      {0, 0, 1, "corner rock: two off-board neighbours, a corridor and a rock"},
      {1, 0, 1, "corridor becomes ground"},
      {2, 0, 3, "floor 6 becomes 3"},
      {3, 0, 4, "floor 5 becomes 4"},
      {4, 0, 20, "other rooms stay"},
      {0, 1, 1, "off board, rock, and the ground just made above"},
      {1, 1, 1, "ground left and above, rock below"},
      {3, 1, 9, "floor 9 stays"},
      {1, 2, 7, "only ground above: one open side"},
      {3, 2, 7, "between rooms"},
  };
  for (const Case& c : cases) EXPECT_EQ(FloorMap[c.x][c.y], c.expected) << c.why;
}

TEST_F(Layout, OutdoorMapsHaveNoCorridorAndNoDoorsBetweenEqualFloors) {
  for (int seed : {4242, 1, 77777}) {
    BuildLayout(seed, {40, 0, 5, true});
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) {
        int f = FloorMap[x][y];
        EXPECT_TRUE(f == 1 || f == 3 || f == 4 || f == 7 || (f >= 10 && f <= 24)) << f;
        if (x > 0 && f == FloorMap[x - 1][y]) {
          EXPECT_EQ(DoorMap[x][y] & 0x0f, 0);
        }
        if (y > 0 && f == FloorMap[x][y - 1]) {
          EXPECT_EQ(DoorMap[x][y] & 0xf0, 0);
        }
      }
  }
}

}  // namespace
