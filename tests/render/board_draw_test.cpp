#include <cstring>

#include "render_fixture.h"

namespace {
const Rgb kWhite = {255, 255, 255};
const Rgb kGrid = {40, 40, 24};
}  // namespace

using BoardDraw = RenderTest;

TEST_F(BoardDraw, WallLineOnlyBetweenDifferentFloorCodes) {
  FloorMap[2][3] = 2;
  FloorMap[3][3] = 2;
  FloorMap[4][3] = 5;
  Install();
  DrawTile(3, 3, 0);
  // West edge: the same room, the grid line stays dark.
  EXPECT_EQ(At(BoardBitmap, 75, 87), kGrid);
  // East edge: another floor code, a white wall.
  EXPECT_EQ(At(BoardBitmap, 100, 87), kWhite);
  // North and south neighbours keep the default code 8: walls.
  EXPECT_EQ(At(BoardBitmap, 87, 75), kWhite);
  EXPECT_EQ(At(BoardBitmap, 87, 100), kWhite);
  EXPECT_EQ(VisibilityMap[3][3], 1);  // drawing reveals
}

TEST_F(BoardDraw, EachDoorBitShowsItsColourOnTheEdgeItBelongsTo) {
  Install();
  const int x = 5, y = 5, px = x * 25, py = y * 25;
  struct Edge {
    const char* name;
    int cx, cy;     // layer cell that holds the field
    int shift;      // 0 low nibble (west), 4 high nibble (north)
    int sx, sy;     // pixel of the door mark in tile (x, y)
  };
  const Edge edges[] = {
      {"west", x, y, 0, px + 1, py + 12},
      {"east", x + 1, y, 0, px + 24, py + 12},
      {"north", x, y, 4, px + 12, py + 1},
      {"south", x, y + 1, 4, px + 12, py + 24},
  };
  struct Door {
    int bit;
    Rgb color;
  };
  const Door doors[] = {{1, {180, 88, 48}}, {2, {252, 0, 0}}, {4, {48, 48, 252}},
                        {8, {200, 200, 200}}};
  for (const Edge& e : edges) {
    for (const Door& d : doors) {
      memset(DoorMap, 0, sizeof DoorMap);
      DoorMap[e.cx][e.cy] = static_cast<uint8_t>(d.bit << e.shift);
      ClearBoardPicture();
      DrawTile(x, y, 0);
      for (const Edge& other : edges) {
        Rgb c = At(BoardBitmap, other.sx, other.sy);
        if (&other == &e)
          EXPECT_EQ(c, d.color) << e.name << " bit " << d.bit;
        else
          EXPECT_FALSE(c == d.color) << other.name << " shows the " << e.name << " door";
      }
    }
  }
}

TEST_F(BoardDraw, HiddenDoorIsLighterGreyInPlayThanInTheEditor) {
  Install();
  DoorMap[5][5] = 8;
  DrawTile(5, 5, 0);
  EXPECT_EQ(At(BoardBitmap, 126, 137), Rgb({200, 200, 200}));
  EditingFlag = 1;
  DrawTile(5, 5, 0);
  EXPECT_EQ(At(BoardBitmap, 126, 137), Rgb({125, 125, 125}));
}

TEST_F(BoardDraw, FloorPicturesTurnInAChequerExceptCodesThreeAndFour) {
  const Rgb kMark = {0, 250, 0};
  for (int code : {3, 4, 8}) {
    BITMAP* b = data.SetBitmap(code + kFloorPictureOffset, 25, 25, makecol(90, 120, 60));
    vline(b, 0, 0, 24, makecol(kMark.r, kMark.g, kMark.b));  // a marked left column
  }
  Install();
  struct Case {
    int x, y, code;
    bool turned;
  };
  // Columns and rows 1, 2 (not multiples of 3) keep the light level at 0.
  const Case cases[] = {{1, 1, 8, false}, {2, 1, 8, true}, {1, 2, 8, true},
                        {2, 2, 8, false}, {2, 1, 3, false}, {1, 2, 4, false}};
  for (const Case& c : cases) {
    FloorMap[c.x][c.y] = static_cast<uint8_t>(c.code);
    DrawTile(c.x, c.y, 0);
    int px = c.x * 25 + 1, py = c.y * 25 + 1;
    // A quarter turn brings the left column to the top row.
    Rgb left = At(BoardBitmap, px, py + 12), top = At(BoardBitmap, px + 12, py);
    EXPECT_EQ(left == kMark, !c.turned) << c.x << "," << c.y << " code " << c.code;
    EXPECT_EQ(top == kMark, c.turned) << c.x << "," << c.y << " code " << c.code;
    FloorMap[c.x][c.y] = 8;
  }
}

TEST_F(BoardDraw, TilesInsideARoomGetADarkerBandAtTheirRightAndBottomEdges) {
  Install();
  DrawTile(4, 4, 0);  // all neighbours share the default floor code
  int px = 4 * 25 + 1, py = 4 * 25 + 1;
  Rgb inside = At(BoardBitmap, px + 10, py + 10);
  EXPECT_EQ(inside, kFloor);
  Rgb band1 = At(BoardBitmap, px + 21, py + 10), band3 = At(BoardBitmap, px + 23, py + 10);
  EXPECT_LT(band1.g, inside.g);
  EXPECT_LT(band3.g, band1.g);
  EXPECT_LT(At(BoardBitmap, px + 10, py + 23).g, inside.g);
}

TEST_F(BoardDraw, FloorCodeWithoutAPictureShowsTheBareBoard) {
  data.SetBitmap(40, 25, 25, makecol(250, 0, 250));  // an object picture, not a floor
  Install();
  for (int code : {0, 41, 255}) {
    FloorMap[7][7] = static_cast<uint8_t>(code);
    DrawTile(7, 7, 0);
    EXPECT_EQ(At(BoardBitmap, 7 * 25 + 8, 7 * 25 + 8), kGrid) << code;
  }
}

TEST_F(BoardDraw, ObjectWithoutAUsablePictureIsDrawnAsItsTile) {
  data.SetSample(kFirstObjectPicture + 3);  // an entry that is no picture
  Install();
  for (int picture : {0, 3, 9999, -5}) {
    ObjectMap[7][7] = 7;
    ObjectTable[7].picture[kPicNumber] = picture;
    VisibilityMap[7][7] = 0;
    ClearBoardPicture();
    DrawObject(7, 7, 0);
    EXPECT_EQ(At(BoardBitmap, 7 * 25 + 8, 7 * 25 + 8), kFloor) << picture;
    EXPECT_EQ(VisibilityMap[7][7], 1) << picture;
    bool mask[3][3];
    ObjectFootprint(7, mask);
    EXPECT_TRUE(mask[1][1]);
    EXPECT_FALSE(mask[2][2]) << picture;
  }
}

TEST_F(BoardDraw, ExperienceBadgeColourFollowsTheExperience) {
  const Rgb kBody = {20, 20, 220};
  PlaceObject(9, 5, 5, 4, 20, 20, kBody);
  ObjectTable[9].picture[kPicOffsetX] = 2;
  ObjectTable[9].picture[kPicOffsetY] = 2;
  Install();
  struct Case {
    int side, exp;
    Rgb badge;
  };
  const Case cases[] = {{3, 200, {230, 170, 30}}, {1, 150, {180, 180, 180}},
                        {3, 50, {180, 90, 42}},   {3, 49, kBody},
                        {10, 300, kBody}};  // furniture never wears one
  const int sx = 5 * 25 + 2 + 1, sy = 5 * 25 + 2 + 1;
  for (const Case& c : cases) {
    ObjectTable[9].side = static_cast<int8_t>(c.side);
    ObjectTable[9].exp = c.exp;
    DrawObject(5, 5, 0);
    EXPECT_EQ(At(BoardBitmap, sx + 17, sy + 17), c.badge) << c.exp;
    EXPECT_EQ(At(BoardBitmap, sx + 5, sy + 5), kBody);  // the figure itself is unlit inside a room
  }
}

TEST_F(BoardDraw, TargetAndHitTintsRedden) {
  const Rgb kBody = {100, 100, 100};
  PlaceObject(9, 5, 5, 4, 20, 20, kBody);
  Install();
  DrawObject(5, 5, 2);
  Rgb target = At(BoardBitmap, 5 * 25 + 10, 5 * 25 + 10);
  DrawObject(5, 5, 3);
  Rgb hit = At(BoardBitmap, 5 * 25 + 10, 5 * 25 + 10);
  EXPECT_GT(target.r, target.g);
  EXPECT_LT(target.g, kBody.g);
  EXPECT_LT(hit.g, target.g);  // the hit tint is stronger
}

TEST_F(BoardDraw, ActiveHeroGetsAFrameAndLightAtARoomEdge) {
  const Rgb kBody = {100, 100, 100};
  PlaceObject(1, 5, 5, 4, 20, 20, kBody);
  Install();
  DrawObject(5, 5, 1);
  Rgb frame = At(BoardBitmap, 5 * 25, 5 * 25 + 10);  // one pixel left of the sprite
  EXPECT_EQ(frame, Rgb({195, 0, 0}));
  // Against a wall the figure is shaded.
  FloorMap[4][5] = 3;
  DrawObject(5, 5, 0);
  EXPECT_LT(At(BoardBitmap, 5 * 25 + 10, 5 * 25 + 10).g, kBody.g);
}

TEST_F(BoardDraw, ShadowDarkensTheFloorBesideTheFigure) {
  PlaceObject(9, 5, 5, 4, 20, 20, {100, 100, 100});
  ObjectTable[9].picture[kPicShadow] = 3;
  Install();
  const int sx = 5 * 25 + 1 + 20, sy = 5 * 25 + 1 + 10;  // right of the sprite
  DrawTile(5, 5, 0);
  DrawObject(5, 5, 4);  // mode 4: no shadow
  EXPECT_EQ(At(BoardBitmap, sx, sy), kFloor);
  DrawObject(5, 5, 0);
  Rgb shaded = At(BoardBitmap, sx, sy);
  EXPECT_LT(shaded.g, kFloor.g);
  DrawObject(5, 5, 4);  // nor a redraw of the tiles under it: the old shadow stays
  EXPECT_EQ(At(BoardBitmap, sx, sy), shaded);
}

TEST_F(BoardDraw, ObjectAtFindsTheAnchorOfAMultiTileObject) {
  PlaceObject(12, 10, 8, 5, 45, 45, {200, 0, 0});  // 2 x 2 tiles from its anchor
  ObjectTable[12].picture[kPicOffsetX] = 2;
  ObjectTable[12].picture[kPicOffsetY] = 2;
  PlaceObject(13, 3, 3, 6, 45, 20, {0, 200, 0});  // 2 x 1, turned: 1 x 2
  ObjectTable[13].picture[kPicOffsetX] = 2;
  ObjectTable[13].picture[kPicOffsetY] = 2;
  ObjectTable[13].picture[kPicOrientation] = 2;
  Install();
  struct Case {
    int x, y;
    bool covered;
    int ax, ay;
  };
  const Case cases[] = {
      {10, 8, true, 10, 8}, {11, 8, true, 10, 8}, {10, 9, true, 10, 8}, {11, 9, true, 10, 8},
      {9, 8, false, 0, 0},  {12, 8, false, 0, 0}, {10, 7, false, 0, 0},
      {3, 4, true, 3, 3},   {4, 3, false, 0, 0},
      {-1, 4, true, -1, 4}, {26, 0, true, 26, 0}, {0, 19, true, 0, 19},
  };
  for (const Case& c : cases) {
    int ax = -9, ay = -9;
    EXPECT_EQ(ObjectAt(c.x, c.y, &ax, &ay), c.covered) << c.x << "," << c.y;
    if (c.covered) {
      EXPECT_EQ(ax, c.ax) << c.x << "," << c.y;
      EXPECT_EQ(ay, c.ay) << c.x << "," << c.y;
    }
  }
}

TEST_F(BoardDraw, ZoomWindowFollowsOnlyWhenTheObjectStraysFromItsCentre) {
  ViewMode = 2;
  ZoomOriginX = 4;
  ZoomOriginY = 3;  // centre (10, 7)
  struct Step {
    int x, y, ox, oy;
  };
  const Step steps[] = {
      {14, 9, 4, 3},   // 4 columns and 2 rows away: stays
      {15, 7, 9, 3},   // a fifth column: recentred on (15, 7)
      {15, 4, 9, 0},   // three rows up: recentred
      {0, 0, -6, -4},  // near the corner the tile origin leaves the board
  };
  for (const Step& s : steps) {
    FollowWithZoom(s.x, s.y);
    EXPECT_EQ(ZoomOriginX, s.ox) << s.x << "," << s.y;
    EXPECT_EQ(ZoomOriginY, s.oy) << s.x << "," << s.y;
  }
  EXPECT_EQ(ZoomPixelX(), 0);  // clamped
  EXPECT_EQ(ZoomPixelY(), 0);
  FollowWithZoom(25, 18);
  EXPECT_EQ(ZoomPixelX(), 325);
  EXPECT_EQ(ZoomPixelY(), 238);
  ZoomOriginX = 3;
  ZoomOriginY = 2;
  EXPECT_EQ(ZoomPixelX(), 75);
  EXPECT_EQ(ZoomPixelY(), 50);
  ViewMode = 1;
  EXPECT_EQ(ZoomPixelX(), 0);
  EXPECT_EQ(ZoomPixelY(), 0);
}

TEST_F(BoardDraw, WholeBoardShowsEveryTileAndObject) {
  PlaceObject(2, 7, 7, 4, 20, 20, {10, 10, 200});
  Install();
  DrawWholeBoard();
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) ASSERT_EQ(VisibilityMap[x][y], 1);
  EXPECT_EQ(At(BoardBitmap, 7 * 25 + 10, 7 * 25 + 10), Rgb({10, 10, 200}));
  // The outer edge of the board is walled.
  EXPECT_EQ(At(BoardBitmap, 0, 100), kWhite);
  EXPECT_EQ(At(BoardBitmap, 650, 100), kWhite);
}

// Tiles come from a cache of tile kinds; what it blits must be what painting each
// pixel gives, for every kind of tile: floors with and without a picture, turned,
// lit, dark, with and without their bands, in play and in the flat editor view.
TEST_F(BoardDraw, CachedTilesMatchTilesPaintedPixelByPixel) {
  for (int code = 1; code <= 27; code += 2) {
    BITMAP* b = data.SetBitmap(code + kFloorPictureOffset, 25, 25, 0);
    for (int y = 0; y < 25; y++)
      for (int x = 0; x < 25; x++) putpixel(b, x, y, makecol(code * 9, x * 10, y * 10));
  }
  Install();
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = static_cast<uint8_t>((x / 3 + y / 2) % 30);
  BITMAP* painted = create_bitmap(BoardBitmap->w, BoardBitmap->h);
  for (int editing : {0, 100}) {
    for (int mode : {0, 1}) {
      EditingFlag = editing;
      BITMAP* cache = TileCacheBitmap;
      TileCacheBitmap = nullptr;  // no cache: every pixel painted
      for (int y = 0; y < kBoardH; y++)
        for (int x = 0; x < kBoardW; x++) DrawTile(x, y, mode);
      blit(BoardBitmap, painted, 0, 0, 0, 0, painted->w, painted->h);
      TileCacheBitmap = cache;
      ClearBoardPicture();
      for (int y = 0; y < kBoardH; y++)
        for (int x = 0; x < kBoardW; x++) DrawTile(x, y, mode);
      int differ = 0;
      for (int y = 0; y < painted->h; y++)
        for (int x = 0; x < painted->w; x++)
          differ += getpixel(painted, x, y) != getpixel(BoardBitmap, x, y);
      EXPECT_EQ(differ, 0) << "editing " << editing << " mode " << mode;
    }
  }
  destroy_bitmap(painted);
  EditingFlag = 0;
}

TEST_F(BoardDraw, ANewDatafileIsNotDrawnFromTheOldOnesTiles) {
  Install();
  DrawTile(4, 4, 0);
  EXPECT_EQ(At(BoardBitmap, 4 * 25 + 8, 4 * 25 + 8), kFloor);
  FakeGameData other;
  other.SetBitmap(8 + kFloorPictureOffset, 25, 25, makecol(200, 10, 10));
  other.Install();
  DrawTile(4, 4, 0);
  EXPECT_EQ(At(BoardBitmap, 4 * 25 + 8, 4 * 25 + 8), (Rgb{200, 10, 10}));
  Install();
}
