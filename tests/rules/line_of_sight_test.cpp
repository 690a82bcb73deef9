// What a hero sees: rays from one tile inside its room, and the board-wide reveals.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "rules/doors.h"
#include "rules/line_of_sight.h"
#include "support/fake_game_data.h"
#include "support/pixel_colors.h"
#include "support/scripted_platform.h"

namespace {

constexpr Rgb kFloor = {90, 120, 60};
constexpr Rgb kFigure = {0, 0, 200};
Rgb Of(const ColorTriple& t) { return {t.r, t.g, t.b}; }

class SightTest : public ::testing::Test {
 protected:
  FakeGameData data;

  void SetUp() override {
    ResetQuest(true);
    SetDefaultGameOptions();
    TestPlatform().Reset();
    EditingFlag = 0;
    ViewMode = 1;
    for (int code = 1; code <= 27; code++)
      data.SetBitmap(code + kFloorPictureOffset, 25, 25, makecol(kFloor.r, kFloor.g, kFloor.b));
    data.SetBitmap(kFirstObjectPicture + 1, 20, 20, makecol(kFigure.r, kFigure.g, kFigure.b));
    data.SetBitmap(kFirstObjectPicture + 2, 45, 45, makecol(kFigure.r, kFigure.g, kFigure.b));
    data.Install();
    ClearBoardPicture();
  }
  void TearDown() override { ResetQuest(true); }

  void Floor(int x0, int y0, int x1, int y1, int code) {
    for (int x = x0; x <= x1; x++)
      for (int y = y0; y <= y1; y++) FloorMap[x][y] = static_cast<uint8_t>(code);
  }
  void Place(int slot, int x, int y, int side, int picture = 1) {
    ObjectTable[slot].side = static_cast<int8_t>(side);
    ObjectTable[slot].picture[kPicNumber] = picture;
    ObjectTable[slot].picture[kPicOffsetX] = 2;
    ObjectTable[slot].picture[kPicOffsetY] = 2;
    if (side == kSideLookScript || side == kSideWalkScript)
      ScriptMap[x][y] = static_cast<uint8_t>(slot);
    else
      ObjectMap[x][y] = static_cast<uint8_t>(slot);
  }
  // How many tiles of a rectangle are revealed.
  int Revealed(int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int x = x0; x <= x1; x++)
      for (int y = y0; y <= y1; y++) n += VisibilityMap[x][y] != 0;
    return n;
  }
  int RevealedAnywhere() { return Revealed(0, 0, kBoardW - 1, kBoardH - 1); }
  Rgb TileColor(int x, int y) { return PixelAt(BoardBitmap, x * 25 + 12, y * 25 + 12); }
  // Floor tiles are lit a little differently by their position.
  bool FloorShown(int x, int y) { return Near(TileColor(x, y), kFloor, 8); }
};

TEST_F(SightTest, ARoomIsSeenWholeAndNothingBeyondItsDoors) {
  for (auto [hx, hy] : {std::pair{4, 4}, {12, 9}, {8, 6}, {3, 9}}) {
    SetUp();
    Floor(3, 3, 12, 9, 9);
    DoorMap[13][5] = kDoorOpen;         // open door east
    DoorMap[6][3] = kDoorRed << 4;      // locked door north
    DoorMap[8][10] = kDoorHidden << 4;  // hidden door south
    RevealFrom(hx, hy);
    EXPECT_EQ(Revealed(3, 3, 12, 9), 10 * 7) << hx << "," << hy;
    EXPECT_EQ(RevealedAnywhere(), 10 * 7) << hx << "," << hy;
    EXPECT_TRUE(FloorShown(12, 9));
    EXPECT_EQ(TileColor(13, 5), Of(ColorTable[kColorBoardBackground]));
  }
}

TEST_F(SightTest, TheFarEndOfABendStaysHidden) {
  Floor(0, 0, 25, 18, 8);
  Floor(0, 5, 10, 5, 9);    // a corridor along row 5
  Floor(10, 5, 10, 15, 9);  // turning down column 10
  RevealFrom(0, 5);
  EXPECT_EQ(Revealed(0, 5, 10, 5), 11);
  EXPECT_EQ(VisibilityMap[10][15], 0);
  EXPECT_EQ(VisibilityMap[10][10], 0);
  EXPECT_EQ(Revealed(0, 0, 25, 4) + Revealed(0, 6, 9, 18) + Revealed(11, 6, 25, 18), 0);
  // From the bend both arms are in sight.
  RevealFrom(10, 5);
  EXPECT_EQ(Revealed(10, 5, 10, 15), 11);
}

TEST_F(SightTest, AnLShapedRoomHidesWhatLiesBehindItsCorner) {
  Floor(2, 2, 7, 12, 9);   // the upright of the L
  Floor(2, 8, 20, 12, 9);  // its foot
  RevealFrom(3, 3);
  EXPECT_EQ(Revealed(2, 2, 7, 12), 6 * 11);  // the upright is seen whole
  EXPECT_EQ(VisibilityMap[20][8], 0);        // behind the inner corner
  EXPECT_GT(Revealed(8, 8, 20, 12), 0);      // part of the foot is in sight
}

TEST_F(SightTest, ADoorwayOfItsOwnCodeShowsOnlyItself) {
  Floor(5, 5, 5, 5, 12);
  RevealFrom(5, 5);
  EXPECT_EQ(VisibilityMap[5][5], 1);
  EXPECT_EQ(RevealedAnywhere(), 1);
}

TEST_F(SightTest, RevealingTwiceChangesNothing) {
  Floor(3, 3, 12, 9, 9);
  Place(1, 5, 5, kSideHero);
  RevealFrom(4, 4);
  uint8_t seen[kLayerW][kLayerH];
  memcpy(seen, VisibilityMap, sizeof seen);
  BITMAP* before = create_bitmap(BoardBitmap->w, BoardBitmap->h);
  blit(BoardBitmap, before, 0, 0, 0, 0, before->w, before->h);
  RevealFrom(4, 4);
  EXPECT_EQ(memcmp(seen, VisibilityMap, sizeof seen), 0);
  int differ = 0;
  for (int y = 0; y < before->h; y++)
    for (int x = 0; x < before->w; x++) differ += getpixel(before, x, y) != getpixel(BoardBitmap, x, y);
  EXPECT_EQ(differ, 0);
  destroy_bitmap(before);
}

TEST_F(SightTest, SeenObjectsAreDrawnAndSeenLookScriptsBecomeVisible) {
  Floor(3, 3, 12, 9, 9);
  Place(1, 5, 5, kSideHero);
  Place(2, 10, 7, kSideStatic, 2);  // covers (10..11, 7..8)
  Place(3, 6, 8, kSideLookScript);
  Place(4, 15, 8, kSideLookScript);  // outside the room
  Place(5, 16, 8, kSideGreenskin);   // outside the room
  RevealFrom(4, 4);
  EXPECT_EQ(TileColor(5, 5), kFigure);
  EXPECT_EQ(TileColor(11, 8), kFigure);
  EXPECT_EQ(VisibilityMap[6][8], 1);
  EXPECT_EQ(VisibilityMap[15][8], 0);
  EXPECT_EQ(TileColor(16, 8), Of(ColorTable[kColorBoardBackground]));
}

TEST_F(SightTest, TilesOffTheBoardRevealNothingAndOddValuesEndAsZeroOrOne) {
  RevealFrom(-1, 3);
  RevealFrom(26, 0);
  RevealFrom(3, 19);
  RevealFrom(4000, -4000);
  EXPECT_EQ(RevealedAnywhere(), 0);
  // A saved game with values that no reveal leaves behind.
  Floor(3, 3, 12, 9, 9);
  const uint8_t kOdd[] = {3, 19, 57, 99, 100, 101, 200, 255};
  for (int i = 0; i < 8; i++) {
    VisibilityMap[4 + i][5] = kOdd[i];   // in the room
    VisibilityMap[4 + i][15] = kOdd[i];  // outside it
  }
  RevealFrom(4, 4);
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) ASSERT_LE(VisibilityMap[x][y], 1) << x << "," << y;
  EXPECT_EQ(Revealed(3, 3, 12, 9), 70);
}

// ---- Board-wide reveals --------------------------------------------------------------

TEST_F(SightTest, ReachableRevealFloodsThroughAnyDoorButNotThroughWalls) {
  Floor(0, 0, 9, 18, 8);
  Floor(10, 0, 17, 18, 9);  // behind a hidden door
  Floor(18, 0, 25, 9, 10);  // behind a red door
  Floor(18, 10, 25, 18, 11);  // walled off
  DoorMap[10][4] = kDoorHidden;
  DoorMap[18][2] = kDoorRed;
  Place(1, 1, 1, kSideHero);
  RevealBoard(kRevealReachable);
  EXPECT_EQ(Revealed(0, 0, 17, 18), 18 * 19);
  EXPECT_EQ(Revealed(18, 0, 25, 9), 8 * 10);
  EXPECT_EQ(Revealed(18, 10, 25, 18), 0);
  EXPECT_TRUE(FloorShown(20, 3));
  EXPECT_EQ(TileColor(20, 12), Of(ColorTable[kColorBoardBackground]));
  EXPECT_EQ(TileColor(1, 1), kFigure);
  // A monster in the walled-off room opens it up.
  Place(2, 20, 14, kSideGreenskin);
  RevealBoard(kRevealReachable);
  EXPECT_EQ(RevealedAnywhere(), kBoardW * kBoardH);
}

TEST_F(SightTest, WholeBoardAndRedrawReveals) {
  Place(1, 7, 7, kSideHero);
  VisibilityMap[3][3] = 1;
  RevealBoard(kRevealRedraw);
  EXPECT_TRUE(FloorShown(3, 3));
  EXPECT_EQ(TileColor(4, 3), Of(ColorTable[kColorBoardBackground]));
  EXPECT_EQ(TileColor(7, 7), Of(ColorTable[kColorBoardBackground]));
  RevealBoard(7);  // no such mode
  EXPECT_EQ(RevealedAnywhere(), 1);
  RevealBoard(kRevealAll);
  EXPECT_EQ(RevealedAnywhere(), kBoardW * kBoardH);
  EXPECT_TRUE(FloorShown(4, 3));
  EXPECT_EQ(TileColor(7, 7), kFigure);
}

}  // namespace
