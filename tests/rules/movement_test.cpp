// The step test, the path search and a hero's walk, on small boards built per test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "rules/doors.h"
#include "rules/movement.h"
#include "rules/play_state.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

namespace {

constexpr int kFigure = 1;  // a 20 x 20 figure: one tile
constexpr int kBig = 2;     // 45 x 45 at offset (2, 2): its anchor and the tiles right and below

class MoveBoard : public ::testing::Test {
 protected:
  FakeGameData data;
  ScriptedPlatform& p = TestPlatform();

  void SetUp() override {
    ResetQuest(true);
    ResetPlayState();
    SetDefaultGameOptions();
    p.Reset();
    data.SetBitmap(kFirstObjectPicture + kFigure, 20, 20, makecol(0, 0, 200));
    data.SetBitmap(kFirstObjectPicture + kBig, 45, 45, makecol(0, 200, 0));
    for (int n = 1; n <= 17; n++) data.SetSample(kFirstSound + n);
    data.Install();
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) VisibilityMap[x][y] = 1;
    PrintMessage(TextColor2, "-");
  }
  void TearDown() override { ResetQuest(true); }

  void Floor(int x0, int y0, int x1, int y1, int code) {
    for (int x = x0; x <= x1; x++)
      for (int y = y0; y <= y1; y++) FloorMap[x][y] = static_cast<uint8_t>(code);
  }
  void Place(int slot, int x, int y, int side, int picture = kFigure) {
    ObjectRecord& o = ObjectTable[slot];
    snprintf(o.name, sizeof o.name, "Piece%d", slot);
    o.side = static_cast<int8_t>(side);
    o.picture[kPicNumber] = picture;
    o.picture[kPicOffsetX] = 2;
    o.picture[kPicOffsetY] = 2;
    ObjectMap[x][y] = static_cast<uint8_t>(slot);
  }
  int Sounds(int effect) {
    int n = 0;
    for (const RecordedSample& s : p.played) n += s.sample == EffectSample(effect);
    return n;
  }
};

// ---- StepBlocked ---------------------------------------------------------------------

// Floor 8 with a second room (9) from column 5 on and a third (10) below row 9 on the
// left; the doors of the wall between column 4 and 5 differ by row.
class StepTest : public MoveBoard {
 protected:
  void SetUp() override {
    MoveBoard::SetUp();
    Floor(5, 0, 25, 18, 9);
    Floor(0, 10, 4, 18, 10);
    DoorMap[5][1] = kDoorOpen;
    DoorMap[5][2] = kDoorRed;
    DoorMap[5][3] = kDoorBlue;
    DoorMap[5][4] = kDoorHidden;
    DoorMap[1][10] = kDoorOpen << 4;
    DoorMap[2][10] = kDoorRed << 4;
    DoorMap[3][10] = kDoorHidden << 4;
    Place(1, 0, 0, kSideHero);
    Place(2, 2, 2, kSideHero);
    Place(3, 3, 3, kSideAllied);
    Place(4, 1, 5, kSideGreenskin);
    Place(5, 2, 5, kSideUndead);
    Place(6, 1, 7, kSideStatic, kBig);  // covers (1..2, 7..8)
    Place(7, 3, 6, kSideFrozen);
    VisibilityMap[3][12] = 0;
    CurrentObject = 1;
  }
};

struct StepCase {
  const char* what;
  int mover, x, y, nx, ny, objects, reveal, doors, empty;
  int redKey, blueKey, pass;
  int blocked;
};

const StepCase kStepCases[] = {
    {"target off the board", 1, 0, 0, -1, 0, 1, 0, 0, 0, 0, 0, 1, 1},
    {"target off the bottom", 1, 4, 18, 4, 19, 0, -1, 0, 0, 0, 0, 1, 1},
    {"source off the board", 1, -1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1, 1},
    {"source beyond the last column", 1, 26, 4, 25, 4, 0, -1, 0, 0, 0, 0, 1, 1},
    {"diagonal", 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1},
    {"two tiles away", 1, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 1, 1},
    {"the same tile", 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1},
    {"inside a room", 1, 0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 0},
    {"wall without door", 1, 4, 5, 5, 5, 0, 0, 0, 0, 0, 0, 1, 1},
    {"open door, any door", 1, 4, 1, 5, 1, 0, 0, 0, 0, 0, 0, 1, 0},
    {"open door, opening", 1, 4, 1, 5, 1, 0, 0, 1, 0, 0, 0, 1, 0},
    {"open door, open only", 1, 5, 1, 4, 1, 0, 0, 2, 0, 0, 0, 1, 0},
    {"red door, any door", 1, 4, 2, 5, 2, 0, 0, 0, 0, 0, 0, 1, 0},
    {"red door, open only", 1, 4, 2, 5, 2, 0, 0, 2, 0, 1, 1, 1, 1},
    {"red door, no key", 1, 4, 2, 5, 2, 0, 0, 1, 0, 0, 1, 1, 1},
    {"red door, red key", 1, 5, 2, 4, 2, 0, 0, 1, 0, 1, 0, 1, 0},
    {"blue door, no key", 1, 4, 3, 5, 3, 0, 0, 1, 0, 1, 0, 1, 1},
    {"blue door, blue key", 1, 4, 3, 5, 3, 0, 0, 1, 0, 0, 1, 1, 0},
    {"hidden door, any door", 1, 4, 4, 5, 4, 0, 0, 0, 0, 0, 0, 1, 0},
    {"hidden door, open only", 1, 4, 4, 5, 4, 0, 0, 2, 0, 0, 0, 1, 1},
    {"hidden door, opening", 1, 4, 4, 5, 4, 0, 0, 1, 0, 0, 0, 1, 0},
    {"door mode out of range", 1, 4, 2, 5, 2, 0, 0, 7, 0, 1, 1, 1, 1},
    {"north open door", 1, 1, 9, 1, 10, 0, 0, 2, 0, 0, 0, 1, 0},
    {"north red door, no key", 1, 2, 10, 2, 9, 0, 0, 1, 0, 0, 0, 1, 1},
    {"north hidden door, any door", 1, 3, 9, 3, 10, 0, 0, 0, 0, 0, 0, 1, 0},
    {"north wall", 1, 4, 9, 4, 10, 0, 0, 0, 0, 0, 0, 1, 1},
    {"hero onto hero, passing on", 1, 2, 1, 2, 2, 1, 0, 0, 0, 0, 0, 1, 0},
    {"hero onto hero, passing off", 1, 2, 1, 2, 2, 1, 0, 0, 0, 0, 0, 0, 1},
    {"hero onto hero, must be empty", 1, 2, 1, 2, 2, 1, 0, 0, 1, 0, 0, 1, 1},
    {"hero onto hero, objects ignored", 1, 2, 1, 2, 2, 0, 0, 0, 1, 0, 0, 0, 0},
    {"hero onto ally", 1, 3, 2, 3, 3, 1, 0, 0, 0, 0, 0, 1, 1},
    {"hero onto monster", 1, 0, 5, 1, 5, 1, 0, 0, 0, 0, 0, 1, 1},
    {"greenskin onto undead", 4, 3, 5, 2, 5, 1, 0, 0, 0, 0, 0, 0, 0},
    {"undead onto frozen", 5, 3, 5, 3, 6, 1, 0, 0, 0, 0, 0, 0, 0},
    {"monster onto monster, must be empty", 4, 3, 5, 2, 5, 1, 0, 0, 1, 0, 0, 0, 1},
    {"monster onto hero", 4, 2, 3, 2, 2, 1, 0, 0, 0, 0, 0, 1, 1},
    {"onto the anchor of a big object", 1, 0, 7, 1, 7, 1, 0, 0, 0, 0, 0, 1, 1},
    {"onto the far corner of a big object", 1, 3, 8, 2, 8, 1, 0, 0, 0, 0, 0, 1, 1},
    {"beside a big object", 1, 3, 7, 3, 8, 1, 0, 0, 1, 0, 0, 1, 0},
    {"no mover on the board", 0, 2, 1, 2, 2, 1, 0, 0, 0, 0, 0, 1, 1},
    {"into a hidden tile, target rule", 1, 3, 11, 3, 12, 0, 1, 0, 0, 0, 0, 1, 1},
    {"into a hidden tile, source rule", 1, 3, 11, 3, 12, 0, 0, 0, 0, 0, 0, 1, 0},
    {"out of a hidden tile, source rule", 1, 3, 12, 3, 11, 0, 0, 0, 0, 0, 0, 1, 1},
    {"out of a hidden tile, target rule", 1, 3, 12, 3, 11, 0, 1, 0, 0, 0, 0, 1, 0},
    {"out of a hidden tile, no rule", 1, 3, 12, 3, 11, 0, -1, 0, 0, 0, 0, 1, 0},
};

TEST_F(StepTest, Table) {
  for (const StepCase& c : kStepCases) {
    SetUp();
    CurrentObject = c.mover;
    ObjectTable[1].inventory[kInvRedKeys] = c.redKey;
    ObjectTable[1].inventory[kInvBlueKeys] = c.blueKey;
    GameOptions.passheroes = c.pass;
    EXPECT_EQ(StepBlocked(c.x, c.y, c.nx, c.ny, c.objects, c.reveal, c.doors, c.empty), c.blocked)
        << c.what;
  }
}

TEST_F(StepTest, OnlyTheOpeningModeChangesADoor) {
  ObjectTable[1].inventory[kInvRedKeys] = 1;
  EXPECT_EQ(StepBlocked(4, 2, 5, 2, 0, 0, 0, 0), 0);
  EXPECT_EQ(StepBlocked(4, 2, 5, 2, 0, 0, 2, 0), 1);
  EXPECT_EQ(DoorMap[5][2], kDoorRed);
  EXPECT_TRUE(p.played.empty());
  EXPECT_EQ(StepBlocked(4, 2, 5, 2, 0, 0, 1, 0), 0);
  EXPECT_EQ(DoorMap[5][2], kDoorOpen);
  // Blocked before the door by the occupant: the door stays shut.
  Place(8, 5, 4, kSideGreenskin);
  EXPECT_EQ(StepBlocked(4, 4, 5, 4, 1, 0, 1, 0), 1);
  EXPECT_EQ(DoorMap[5][4], kDoorHidden);
}

// ---- FindPath -----------------------------------------------------------------------

using PathTest = MoveBoard;

TEST_F(PathTest, AcrossAnOpenBoardEveryTileLiesOnAShortestPath) {
  Place(1, 0, 0, kSideHero);
  CurrentObject = 1;
  ASSERT_EQ(FindPath(0, 0, 25, 18, 1, 0, 0, 0), 0);
  EXPECT_EQ(PathLength, 25 + 18 + 1);
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) ASSERT_EQ(ScratchMap[x][y], x + y + 1) << x << "," << y;
  EXPECT_EQ(ObjectMap[0][0], 1);  // the mover is back
}

TEST_F(PathTest, AroundAWallOnlyTheShortestWayStays) {
  Floor(5, 0, 5, 17, 9);  // a wall of floor 9 with a gap at the bottom row
  Place(1, 4, 0, kSideHero);
  CurrentObject = 1;
  ASSERT_EQ(FindPath(4, 0, 6, 0, 1, 0, 0, 0), 0);
  EXPECT_EQ(PathLength, 18 + 2 + 18 + 1);
  EXPECT_EQ(ScratchMap[4][18], 19);
  EXPECT_EQ(ScratchMap[5][18], 20);
  EXPECT_EQ(ScratchMap[6][18], 21);
  EXPECT_EQ(ScratchMap[6][0], 39);
  for (int y = 0; y < kBoardH; y++) {
    EXPECT_EQ(ScratchMap[3][y], 0) << y;
    EXPECT_EQ(ScratchMap[7][y], 0) << y;
  }
}

TEST_F(PathTest, DoorsCountByMode) {
  // The only way into room 9 is a red door at (10, 5).
  Floor(10, 0, 25, 18, 9);
  DoorMap[10][5] = kDoorRed;
  Place(1, 2, 5, kSideHero);
  CurrentObject = 1;
  EXPECT_EQ(FindPath(2, 5, 15, 5, 1, 0, 0, 0), 0);
  EXPECT_EQ(PathLength, 14);
  EXPECT_EQ(FindPath(2, 5, 15, 5, 1, 0, 2, 0), 1);
  EXPECT_EQ(FindPath(2, 5, 15, 5, 1, 0, 1, 0), 1);  // no key
  ObjectTable[1].inventory[kInvRedKeys] = 1;
  EXPECT_EQ(FindPath(2, 5, 15, 5, 1, 0, 1, 0), 0);
  EXPECT_EQ(PathLength, 14);
  // Searching opens nothing and says nothing.
  EXPECT_EQ(DoorMap[10][5], kDoorRed);
  EXPECT_TRUE(p.played.empty());
  EXPECT_STREQ(MessageBuffer, "-");
}

TEST_F(PathTest, UnreachableLeavesTheFloodAndNoGoal) {
  Floor(10, 5, 14, 9, 9);  // a closed room without doors
  Place(1, 2, 2, kSideHero);
  CurrentObject = 1;
  EXPECT_EQ(FindPath(2, 2, 12, 7, 1, 0, 0, 0), 1);
  EXPECT_EQ(ScratchMap[12][7], 0);
  EXPECT_EQ(ScratchMap[2][2], 1);
  EXPECT_EQ(ScratchMap[0][0], 5);   // the flood keeps its wave numbers
  EXPECT_EQ(ScratchMap[25][18], 23 + 16 + 1);
}

TEST_F(PathTest, AnObjectIsReachedFromAnyFreeTileBesideItsFootprint) {
  Place(1, 2, 8, kSideHero);
  Place(9, 10, 8, kSideStatic, kBig);  // covers (10..11, 8..9)
  CurrentObject = 1;
  for (auto [tx, ty] : {std::pair{10, 8}, {11, 9}, {11, 8}}) {
    ASSERT_EQ(FindPath(2, 8, tx, ty, 1, 0, 0, 0), 0) << tx << "," << ty;
    EXPECT_EQ(PathLength, 8);  // seven steps to (9, 8)
    EXPECT_EQ(ScratchMap[9][8], 8);
    EXPECT_EQ(ScratchMap[9][9], 0);  // eight steps away: not a shortest goal
    for (int x = 10; x <= 11; x++)
      for (int y = 8; y <= 9; y++) EXPECT_EQ(ScratchMap[x][y], kPathTargetMark);
  }
  // From the far side the goal is the tile to the right of the footprint.
  ObjectMap[2][8] = 0;
  Place(1, 20, 9, kSideHero);
  ASSERT_EQ(FindPath(20, 9, 10, 8, 1, 0, 0, 0), 0);
  EXPECT_EQ(PathLength, 9);
  EXPECT_EQ(ScratchMap[12][9], 9);
}

TEST_F(PathTest, ATouchingTargetIsFoundAtOnce) {
  Place(1, 5, 5, kSideHero);
  Place(4, 6, 5, kSideGreenskin);
  CurrentObject = 1;
  ASSERT_EQ(FindPath(5, 5, 6, 5, 1, 0, 0, 0), 0);
  EXPECT_EQ(PathLength, 1);
  EXPECT_EQ(ScratchMap[5][5], 1);
  EXPECT_EQ(ScratchMap[6][5], kPathTargetMark);
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) {
      if ((x == 5 || x == 6) && y == 5) continue;
      ASSERT_EQ(ScratchMap[x][y], 0) << x << "," << y;
    }
  EXPECT_EQ(ObjectMap[5][5], 1);
}

TEST_F(PathTest, TilesOffTheBoardFindNothingAndWriteNothingOutside) {
  Place(1, 5, 5, kSideHero);
  CurrentObject = 1;
  EXPECT_EQ(FindPath(5, 5, 26, 0, 0, 0, 0, 0), 1);
  EXPECT_EQ(FindPath(5, 5, -3, -900, 1, 0, 0, 0), 1);
  EXPECT_EQ(FindPath(5, 5, 1000, 7, 1, 0, 0, 0), 1);
  EXPECT_EQ(FindPath(-1, 5, 3, 3, 1, 0, 0, 0), 1);
  EXPECT_EQ(FindPath(30, 40, 3, 3, 1, 0, 0, 0), 1);
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) ASSERT_EQ(ScratchMap[x][y], 0);
  // A big object whose footprint hangs over the edge is marked only on the board.
  Place(9, 0, 18, kSideStatic, kBig);
  ObjectTable[9].picture[kPicOffsetX] = -3;
  ObjectTable[9].picture[kPicOffsetY] = -3;
  EXPECT_EQ(FindPath(5, 5, 0, 18, 1, 0, 0, 0), 0);
  EXPECT_EQ(ScratchMap[0][18], kPathTargetMark);
}

TEST_F(PathTest, PathsLongerThanTheLastWaveAreNotFound) {
  // A snake of one-tile corridors much longer than 251 steps.
  Floor(0, 0, 25, 18, 9);
  for (int y = 0; y < kBoardH; y += 2) Floor(0, y, 25, y, 8);
  for (int y = 1; y < kBoardH; y += 2) FloorMap[(y / 2) % 2 == 0 ? 25 : 0][y] = 8;
  Place(1, 0, 0, kSideHero);
  CurrentObject = 1;
  EXPECT_EQ(FindPath(0, 0, 25, 6, 1, 0, 0, 0), 0);
  EXPECT_EQ(PathLength, 3 * 25 + 3 * 2 + 1);
  EXPECT_EQ(FindPath(0, 0, 0, 18, 1, 0, 0, 0), 1);
  EXPECT_EQ(ScratchMap[0][18], 0);
}

TEST_F(PathTest, DeveloperModeWritesTheNumbersOnTheRevealedTiles) {
  Place(1, 2, 2, kSideHero);
  CurrentObject = 1;
  VisibilityMap[6][2] = 0;
  ClearBoardPicture();
  auto inked = [](int x, int y) {
    int white = 0;
    for (int j = 0; j < 25; j++)
      for (int i = 0; i < 25; i++)
        white += getpixel(BoardBitmap, x * 25 + i, y * 25 + j) == makecol(255, 255, 255);
    return white;
  };
  ASSERT_EQ(FindPath(2, 2, 7, 2, 1, 0, 0, 0), 0);
  EXPECT_EQ(inked(4, 2), 0);  // only in developer mode
  GameOptions.developer = 1;
  ASSERT_EQ(FindPath(2, 2, 7, 2, 1, 0, 0, 0), 0);
  EXPECT_GT(inked(4, 2), 0);
  EXPECT_EQ(inked(6, 2), 0);
}

// The search read straight from the rules, one full board scan per wave, against the
// search as the game runs it, on boards of rooms, doors and pieces from fixed seeds.
// A search looks at doors without opening them: in opening mode a door counts when the
// door step would let the mover through.
bool RefStep(int x, int y, int nx, int ny, int co, int rr, int dm, int me) {
  if (StepBlocked(x, y, nx, ny, co, rr, dm == 1 ? 0 : dm, me) != 0) return false;
  if (dm != 1 || FloorMap[x][y] == FloorMap[nx][ny]) return true;
  return DoorLetsThrough(EdgeDoorField(x, y, nx, ny), CurrentObject);
}

int ReferenceFindPath(int x, int y, int tx, int ty, int co, int rr, int dm, int me) {
  memset(ScratchMap, 0, sizeof ScratchMap);
  int pathLength = 0;
  ScratchMap[x][y] = 1;
  uint8_t mover = ObjectMap[x][y];
  ObjectMap[x][y] = 0;
  int ax, ay;
  if (tx >= 0 && tx < kBoardW && ty >= 0 && ty < kBoardH) {
    if (ObjectAt(tx, ty, &ax, &ay)) {
      bool mask[3][3];
      ObjectFootprint(ObjectMap[ax][ay], mask);
      for (int i = -1; i <= 1; i++)
        for (int j = -1; j <= 1; j++)
          if (mask[i + 1][j + 1] && ax + i >= 0 && ax + i < kBoardW && ay + j >= 0 && ay + j < kBoardH)
            ScratchMap[ax + i][ay + j] = 255;
      for (int i = -1; i <= 1; i++)
        for (int j = -1; j <= 1; j++) {
          int fx = ax + i, fy = ay + j;
          if (!mask[i + 1][j + 1] || fx < 0 || fx >= kBoardW || fy < 0 || fy >= kBoardH) continue;
          const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
          for (auto& s : d)
            if (RefStep(fx, fy, fx + s[0], fy + s[1], co, rr, dm, 1) &&
                ScratchMap[fx + s[0]][fy + s[1]] != 255)
              ScratchMap[fx + s[0]][fy + s[1]] = 253;
        }
    } else {
      ScratchMap[tx][ty] = 253;
    }
  }
  ObjectMap[x][y] = mover;
  if (ScratchMap[x][y] != 1) {
    for (auto& col : ScratchMap)
      for (auto& v : col)
        if (v == 253) v = 0;
    ScratchMap[x][y] = 1;
    PathLength = 1;
    return 0;
  }
  const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (int k = 2; k <= 252 && pathLength == 0; k++)
    for (int j = 0; j < kBoardH; j++)
      for (int i = 0; i < kBoardW; i++) {
        if (ScratchMap[i][j] != k - 1) continue;
        for (auto& s : d) {
          int nx = i + s[0], ny = j + s[1];
          if (!RefStep(i, j, nx, ny, co, rr, dm, me)) continue;
          if (ScratchMap[nx][ny] == 0) ScratchMap[nx][ny] = k;
          if (ScratchMap[nx][ny] == 253) {
            ScratchMap[nx][ny] = 254;
            pathLength = k;
          }
        }
      }
  if (pathLength == 0) {
    for (auto& col : ScratchMap)
      for (auto& v : col)
        if (v == 253) v = 0;
    return 1;
  }
  PathLength = pathLength;
  for (int j = 0; j < kBoardH; j++)
    for (int i = 0; i < kBoardW; i++)
      if (ScratchMap[i][j] == pathLength) ScratchMap[i][j] = 0;
  for (int v = 252; v >= 1; v--)
    for (int j = 0; j < kBoardH; j++)
      for (int i = 0; i < kBoardW; i++) {
        if (ScratchMap[i][j] != v) continue;
        ScratchMap[i][j] = 0;
        for (auto& s : d) {
          int nx = i + s[0], ny = j + s[1];
          if (nx >= 0 && nx < kBoardW && ny >= 0 && ny < kBoardH && ScratchMap[nx][ny] > v &&
              RefStep(i, j, nx, ny, co, rr, dm, me)) {
            ScratchMap[i][j] = v;
            break;
          }
        }
      }
  for (auto& col : ScratchMap)
    for (auto& v : col) {
      if (v == 253) v = 0;
      if (v == 254) v = pathLength;
    }
  return 0;
}

TEST_F(PathTest, AgreesWithTheWaveByWaveSearchOnRandomBoards) {
  int found = 0, missed = 0;
  for (uint32_t seed = 1; seed <= 40; seed++) {
    SetUp();
    SeedRandom(seed * 7919);
    // Rooms of random codes and sizes, doors of every kind on random edges, pieces of
    // every side, a few hidden tiles.
    for (int r = 0; r < 12; r++) {
      int x0 = RandomMod(kBoardW), y0 = RandomMod(kBoardH);
      Floor(x0, y0, std::min(kBoardW - 1, x0 + RandomMod(8)), std::min(kBoardH - 1, y0 + RandomMod(6)),
            8 + RandomMod(4));
    }
    for (int n = 0; n < 60; n++) DoorMap[RandomMod(kBoardW)][RandomMod(kBoardH)] = RandomMod(256);
    static const int kSides[] = {1, 1, 2, 3, 4, 6, 10};
    for (int slot = 1; slot <= 14; slot++) {
      int x = RandomMod(kBoardW), y = RandomMod(kBoardH);
      if (ObjectMap[x][y] == 0) Place(slot, x, y, kSides[RandomMod(7)], RandomMod(3) == 0 ? kBig : kFigure);
    }
    for (int n = 0; n < 30; n++) VisibilityMap[RandomMod(kBoardW)][RandomMod(kBoardH)] = 0;
    int sx = -1, sy = -1;
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++)
        if (ObjectMap[x][y] == 1) sx = x, sy = y;
    ASSERT_GE(sx, 0);
    CurrentObject = 1;
    ObjectTable[1].inventory[kInvRedKeys] = static_cast<int>(seed % 2);
    GameOptions.passheroes = static_cast<int>(seed % 3 != 0);
    for (int t = 0; t < 6; t++) {
      int tx = RandomMod(kBoardW), ty = RandomMod(kBoardH);
      int co = RandomMod(2), rr = RandomMod(3) - 1, dm = RandomMod(3), me = RandomMod(2);
      uint8_t doors[kLayerW][kLayerH];
      memcpy(doors, DoorMap, sizeof doors);
      int r1 = FindPath(sx, sy, tx, ty, co, rr, dm, me);
      int len1 = PathLength;
      uint8_t got[kLayerW][kLayerH];
      memcpy(got, ScratchMap, sizeof got);
      int r2 = ReferenceFindPath(sx, sy, tx, ty, co, rr, dm, me);
      ASSERT_EQ(r1, r2) << "seed " << seed << " target " << tx << "," << ty;
      if (r1 == 0) {
        ASSERT_EQ(len1, PathLength) << "seed " << seed;
        found++;
      } else {
        missed++;
      }

      for (int x = 0; x < kBoardW; x++)
        for (int y = 0; y < kBoardH; y++)
          ASSERT_EQ(got[x][y], ScratchMap[x][y]) << "seed " << seed << " at " << x << "," << y;
      ASSERT_EQ(memcmp(doors, DoorMap, sizeof doors), 0);
    }
  }
  // Both kinds of outcome were compared.
  EXPECT_GT(found, 10);
  EXPECT_GT(missed, 10);
}

// ---- Walk points --------------------------------------------------------------------

using WalkTest = MoveBoard;

TEST_F(WalkTest, DiceUnderTheClassicRulesWithTheBonus) {
  GameOptions.fixedwalk = 0;
  Place(1, 3, 3, kSideHero);
  strcpy(ObjectTable[1].name, "Brakka");
  struct Roll {
    uint32_t seed;
    int base, walk, dice, bonus;
  };
  const Roll kRolls[] = {
      {1, 8, 8, 12, 0}, {36, 8, 8, 2, 0}, {2, 8, 10, 7, 2}, {3, 8, 5, 4, 0}, {1234, 6, 7, 5, 1},
  };
  for (const Roll& r : kRolls) {
    SeedRandom(r.seed);
    ObjectTable[1].attribute[kWalkBase] = static_cast<int8_t>(r.base);
    ObjectTable[1].attribute[kWalk] = static_cast<int8_t>(r.walk);
    EXPECT_EQ(StartHeroWalk(1), r.dice + r.bonus) << r.seed;
    EXPECT_EQ(WalkLeft, r.dice + r.bonus);
    char want[90];
    snprintf(want, sizeof want, "Brakka, your dice count is %d (+%d), make your move...", r.dice,
             r.bonus);
    EXPECT_STREQ(MessageBuffer, want);
    EXPECT_EQ(LoggedLine(0).color.r, TextColor1.r);
  }
}

TEST_F(WalkTest, TheFixedWalkRollsNothingAndNamesNoNumbers) {
  GameOptions.fixedwalk = 1;
  Place(1, 3, 3, kSideHero);
  strcpy(ObjectTable[1].name, "Brakka");
  ObjectTable[1].attribute[kWalkBase] = 8;
  ObjectTable[1].attribute[kWalk] = 10;
  SeedRandom(5);
  WalkLeft = 3;
  EXPECT_EQ(StartHeroWalk(1), 10);
  EXPECT_EQ(WalkLeft, 10);
  EXPECT_EQ(RandomState(), 5u);
  EXPECT_STREQ(MessageBuffer, "Brakka make your move...");
  // No slot, no turn.
  EXPECT_EQ(StartHeroWalk(0), 0);
  EXPECT_EQ(StartHeroWalk(256), 0);
  EXPECT_EQ(WalkLeft, 10);
}

// ---- Steps by key -------------------------------------------------------------------

class KeyStepTest : public MoveBoard {
 protected:
  void SetUp() override {
    MoveBoard::SetUp();
    Place(1, 5, 5, kSideHero);
    CurrentObject = 1;
    HeroPositionX = 5;
    HeroPositionY = 5;
    WalkLeft = 4;
  }
  void ExpectAt(int x, int y, int walk) {
    EXPECT_EQ(HeroPositionX, x);
    EXPECT_EQ(HeroPositionY, y);
    EXPECT_EQ(WalkLeft, walk);
  }
};

TEST_F(KeyStepTest, OneTileEachWayForOnePoint) {
  const int kDirs[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
  EXPECT_EQ(HeroKeyStep(1, 0), 1);
  ExpectAt(6, 5, 3);
  EXPECT_EQ(ObjectMap[5][5], 1);  // moving the piece is the turn's business
  EXPECT_EQ(ObjectMap[6][5], 0);
  ObjectMap[5][5] = 0;
  ObjectMap[6][5] = 1;
  for (int i = 1; i < 4; i++) {
    int x = HeroPositionX, y = HeroPositionY;
    EXPECT_EQ(HeroKeyStep(kDirs[i][0], kDirs[i][1]), 1);
    ObjectMap[x][y] = 0;
    ObjectMap[HeroPositionX][HeroPositionY] = 1;
  }
  ExpectAt(5, 5, 0);  // round the square and home
  EXPECT_EQ(HeroKeyStep(1, 0), 0);  // no points left
  ExpectAt(5, 5, 0);
}

TEST_F(KeyStepTest, WallsEdgesAndNonsenseDirectionsGoNowhere) {
  Floor(6, 0, 25, 18, 9);
  EXPECT_EQ(HeroKeyStep(1, 0), 0);
  EXPECT_EQ(HeroKeyStep(1, 1), 0);
  EXPECT_EQ(HeroKeyStep(0, 0), 0);
  EXPECT_EQ(HeroKeyStep(-2, 0), 0);
  ExpectAt(5, 5, 4);
  HeroPositionX = 0;
  HeroPositionY = 0;
  EXPECT_EQ(HeroKeyStep(-1, 0), 0);
  EXPECT_EQ(HeroKeyStep(0, -1), 0);
  // A hero position that lies off the board (a bad saved game) moves nowhere.
  HeroPositionX = -4;
  HeroPositionY = 400;
  EXPECT_EQ(HeroKeyStep(1, 0), 0);
  ExpectAt(-4, 400, 4);
}

TEST_F(KeyStepTest, JumpingAFriendCostsTwoAndNeedsTheOption) {
  struct Jump {
    const char* what;
    int side, pass, walk, beyondTaken;
    int moved, x, walkAfter;
  };
  const Jump kJumps[] = {
      {"hero, passing on", kSideHero, 1, 4, 0, 1, 7, 2},
      {"hero, exactly two points", kSideHero, 1, 2, 0, 1, 7, 0},
      {"hero, one point", kSideHero, 1, 1, 0, 0, 5, 1},
      {"hero, passing off", kSideHero, 0, 4, 0, 0, 5, 4},
      {"hero, the tile beyond taken", kSideHero, 1, 4, 1, 0, 5, 4},
      {"monster", kSideGreenskin, 1, 4, 0, 0, 5, 4},
      {"furniture", kSideStatic, 1, 4, 0, 0, 5, 4},
  };
  for (const Jump& j : kJumps) {
    SetUp();
    Place(2, 6, 5, j.side);
    if (j.beyondTaken) Place(3, 7, 5, kSideStatic);
    GameOptions.passheroes = j.pass;
    WalkLeft = j.walk;
    EXPECT_EQ(HeroKeyStep(1, 0), j.moved) << j.what;
    EXPECT_EQ(HeroPositionX, j.x) << j.what;
    EXPECT_EQ(WalkLeft, j.walkAfter) << j.what;
  }
}

TEST_F(KeyStepTest, ALockedDoorComplainsOnceAndTheKeyOpensIt) {
  Floor(6, 0, 25, 18, 9);
  DoorMap[6][5] = kDoorRed;
  EXPECT_EQ(HeroKeyStep(1, 0), 0);
  EXPECT_EQ(HeroKeyStep(1, 0), 0);
  ExpectAt(5, 5, 4);
  EXPECT_EQ(Sounds(5), 1);
  EXPECT_STREQ(MessageBuffer, "The door is locked, you need the red key.");
  EXPECT_STREQ(LoggedLine(1).text, "-");
  ObjectTable[1].inventory[kInvRedKeys] = 1;
  EXPECT_EQ(HeroKeyStep(1, 0), 1);
  ExpectAt(6, 5, 3);
  EXPECT_EQ(DoorMap[6][5], kDoorOpen);
  EXPECT_EQ(ObjectTable[1].exp, 10);
}

// ---- Steps along a path -------------------------------------------------------------

class PathStepTest : public MoveBoard {
 protected:
  void SetUp() override {
    MoveBoard::SetUp();
    Place(1, 5, 5, kSideHero);
    CurrentObject = 1;
    HeroPositionX = 5;
    HeroPositionY = 5;
    WalkLeft = 6;
  }
};

TEST_F(PathStepTest, OneStepTowardsTheClickSmallestColumnFirst) {
  ASSERT_EQ(FindHeroPath(7, 7), 1);
  EXPECT_EQ(HeroPathStep(), 1);
  EXPECT_EQ(HeroPositionX, 5);  // (5, 6) comes before (6, 5)
  EXPECT_EQ(HeroPositionY, 6);
  EXPECT_EQ(WalkLeft, 5);
  ASSERT_EQ(FindHeroPath(3, 3), 1);
  EXPECT_EQ(HeroPathStep(), 1);
  EXPECT_EQ(HeroPositionX, 4);  // (4, 6) before (5, 5), whose number is 2 as well
  EXPECT_EQ(HeroPositionY, 6);
  EXPECT_TRUE(p.played.empty());  // the ordinary step sound is the turn's
}

TEST_F(PathStepTest, ClicksThatAreNoWalk) {
  Place(4, 6, 5, kSideGreenskin);
  EXPECT_EQ(FindHeroPath(6, 5), 0);  // touching: an action, not a walk
  EXPECT_EQ(ScratchMap[6][5], kPathTargetMark);
  EXPECT_EQ(FindHeroPath(5, 5), 0);  // his own tile
  Floor(10, 10, 12, 12, 9);
  EXPECT_EQ(FindHeroPath(11, 11), 0);  // walled off
  EXPECT_EQ(FindHeroPath(-1, 3), 0);
  WalkLeft = 0;
  EXPECT_EQ(FindHeroPath(8, 8), 0);
  EXPECT_EQ(HeroPathStep(), 0);
  EXPECT_EQ(HeroPositionX, 5);
}

TEST_F(PathStepTest, ThroughALockedDoorThePathIsFoundButTheStepAsksForTheKey) {
  Floor(6, 0, 25, 18, 9);
  DoorMap[6][5] = kDoorBlue;
  ASSERT_EQ(FindHeroPath(9, 5), 1);
  EXPECT_EQ(HeroPathStep(), 0);
  EXPECT_EQ(HeroPositionX, 5);
  EXPECT_EQ(WalkLeft, 6);
  EXPECT_STREQ(MessageBuffer, "The door is locked, you need the blue key.");
}

TEST_F(PathStepTest, CrossingAFriendInACorridorCostsTheWholeDistance) {
  Floor(0, 0, 25, 18, 9);
  Floor(0, 5, 25, 5, 8);  // a corridor along row 5
  Place(2, 6, 5, kSideHero);
  Place(3, 7, 5, kSideHero);
  GameOptions.passheroes = 1;
  ASSERT_EQ(FindHeroPath(12, 5), 1);
  EXPECT_EQ(HeroPathStep(), 1);
  EXPECT_EQ(HeroPositionX, 8);  // over both
  EXPECT_EQ(WalkLeft, 3);
  EXPECT_EQ(Sounds(7), 1);
  // Not enough points to land beyond them: nothing moves.
  HeroPositionX = 5;
  WalkLeft = 2;
  ASSERT_EQ(FindHeroPath(12, 5), 1);
  EXPECT_EQ(HeroPathStep(), 0);
  EXPECT_EQ(HeroPositionX, 5);
  EXPECT_EQ(WalkLeft, 2);
  // Without the option the corridor is shut.
  GameOptions.passheroes = 0;
  WalkLeft = 6;
  EXPECT_EQ(FindHeroPath(12, 5), 0);
}

}  // namespace
