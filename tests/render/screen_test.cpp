#include <initializer_list>

#include "render_fixture.h"

using Screen = RenderTest;

namespace {
// Whether button i shows its label in the (dark red) highlight colour.
bool ButtonLit(int i) {
  int x1, y1, x2, y2;
  ButtonRect(i, &x1, &y1, &x2, &y2);
  for (int y = y1 + 2; y < y2 - 1; y++)
    for (int x = x1 + 2; x < x2 - 1; x++) {
      Rgb c = At(BackBuffer, x, y);
      if (c.r > 100 && c.g < 40 && c.b < 40) return true;
    }
  return false;
}

// A screen position and the tile it lands on (-1, -1 off the board).
struct TileCase {
  int sx, sy, tx, ty;
};

void ExpectTiles(std::initializer_list<TileCase> cases) {
  for (const TileCase& c : cases) {
    int tx, ty;
    EXPECT_EQ(ScreenToTile(c.sx, c.sy, &tx, &ty), c.tx >= 0) << c.sx << "," << c.sy;
    EXPECT_EQ(tx, c.tx) << c.sx << "," << c.sy;
    EXPECT_EQ(ty, c.ty) << c.sx << "," << c.sy;
  }
}
}  // namespace

TEST_F(Screen, MouseTileInTheWholeBoardView) {
  Install();
  ExpectTiles({
      {11, 11, 0, 0},     {35, 35, 0, 0},     {36, 36, 1, 1},  {11 + 650, 11 + 475, 25, 18},
      {10, 100, -1, -1},  {100, 10, -1, -1},  {662, 100, -1, -1}, {100, 487, -1, -1},
  });
}

TEST_F(Screen, MouseTileInTheZoomedViewCountsTheWindowOrigin) {
  Install();
  ViewMode = 2;
  ZoomOriginX = 4;
  ZoomOriginY = 2;  // pixel origin (100, 50)
  ExpectTiles({{11, 11, 4, 2}, {11 + 49, 11 + 49, 4, 2}, {11 + 50, 11 + 50, 5, 3},
               {11 + 650, 11 + 475, 17, 11}});
}

TEST_F(Screen, MouseTileAtTheBottomLimitOfTheZoomWindowHitsTheRowUnderTheMouse) {
  Install();
  ViewMode = 2;
  ZoomOriginX = 0;
  ZoomOriginY = 14;  // 350 pixels down: clamped to 238, half a row into row 9
  ASSERT_EQ(ZoomPixelY(), 238);
  // Board pixel = 238 + screen offset / 2; screen column 20 lies in board column 0.
  ExpectTiles({{20, 11 + 0, 0, 9}, {20, 11 + 23, 0, 9}, {20, 11 + 24, 0, 10},
               {20, 11 + 73, 0, 10}, {20, 11 + 74, 0, 11}, {20, 11 + 423, 0, 17},
               {20, 11 + 424, 0, 18}, {20, 11 + 450, 0, 18}, {20, 11 + 475, 0, 18}});
}

TEST_F(Screen, UpdateMouseRemembersWhereAPressStarted) {
  Install();
  ScriptedPlatform& p = TestPlatform();
  p.mouseX = 11 + 60;
  p.mouseY = 11 + 85;
  UpdateMouse();
  EXPECT_EQ(MouseTileX, 2);
  EXPECT_EQ(MouseTileY, 3);
  EXPECT_EQ(MousePress[0].down, 0);
  p.mouseButtons = 2;  // right button
  UpdateMouse();
  p.mouseX = 5;  // moves off the board while held
  UpdateMouse();
  EXPECT_EQ(MouseTileX, -1);
  EXPECT_EQ(MousePress[1].down, 1);
  EXPECT_EQ(MousePress[1].tx, 2);
  EXPECT_EQ(MousePress[1].ty, 3);
  p.mouseButtons = 0;
  UpdateMouse();
  EXPECT_EQ(MousePress[1].down, 0);
  EXPECT_EQ(MousePress[1].tx, -1);
}

TEST_F(Screen, DraggingTheMessagePanelUpMovesTheBoardDownAndBack) {
  Install();
  clear_to_color(BoardBitmap, makecol(0, 200, 0));
  ScriptedPlatform& p = TestPlatform();
  p.mouseX = 100;
  p.mouseY = 540;  // inside the message panel
  p.mouseButtons = 1;
  UpdateMouse();
  p.mouseY = 300;
  UpdateMouse();
  EXPECT_EQ(ScreenLayout.messageY, 502);  // not yet above the limit
  p.mouseY = 100;
  UpdateMouse();
  EXPECT_EQ(ScreenLayout.messageY, 11);
  EXPECT_EQ(ScreenLayout.boardY, 11 + 102);
  // The whole screen was composed anew with the board lower down.
  EXPECT_EQ(At(BackBuffer, 20, 113 + 3), Rgb({0, 200, 0}));
  p.mouseButtons = 0;
  UpdateMouse();

  p.mouseY = 50;  // grab it at its new place
  p.mouseButtons = 1;
  UpdateMouse();
  p.mouseY = 560;
  UpdateMouse();
  EXPECT_EQ(ScreenLayout.messageY, 502);
  EXPECT_EQ(ScreenLayout.boardY, 11);
  p.mouseButtons = 0;
  UpdateMouse();
}

TEST_F(Screen, DraggingTheSidePanelLeftMovesItAndTheLogoToTheLeftEdge) {
  Install();
  ScriptedPlatform& p = TestPlatform();
  p.mouseX = 700;
  p.mouseY = 200;
  p.mouseButtons = 1;
  UpdateMouse();
  p.mouseX = 100;
  UpdateMouse();
  EXPECT_EQ(ScreenLayout.panelX, 11);
  EXPECT_EQ(ScreenLayout.logoX, 11);
  EXPECT_EQ(ScreenLayout.boardX, 138);
  EXPECT_EQ(ScreenLayout.messageX, 138);
  p.mouseX = 780;
  UpdateMouse();
  EXPECT_EQ(ScreenLayout.panelX, 677);
  EXPECT_EQ(ScreenLayout.boardX, 11);
  p.mouseButtons = 0;
  UpdateMouse();
}

TEST_F(Screen, APressOutsideThePanelsDragsNothing) {
  Install();
  ScriptedPlatform& p = TestPlatform();
  p.mouseX = 300;
  p.mouseY = 300;  // on the board
  p.mouseButtons = 1;
  UpdateMouse();
  p.mouseY = 560;
  p.mouseX = 5;
  UpdateMouse();
  EXPECT_EQ(ScreenLayout.messageY, 502);
  EXPECT_EQ(ScreenLayout.panelX, 677);
}

TEST_F(Screen, ButtonsHoverClickAndReturn) {
  Install();
  GameOptions.sound = 0;  // the click sounds anyway
  ScriptedPlatform& p = TestPlatform();
  int x1, y1, x2, y2;
  ButtonRect(1, &x1, &y1, &x2, &y2);
  EXPECT_EQ(x1, 677 + 59);
  EXPECT_EQ(y1, 11 + 37);
  EXPECT_EQ(x2, 677 + 113);
  EXPECT_EQ(y2, 11 + 59);
  p.mouseX = 300;
  p.mouseY = 300;
  DrawScreen(1, 0, 0, 0);  // every button marked hovered, none lit away from the mouse
  EXPECT_FALSE(ButtonLit(0));
  EXPECT_FALSE(ButtonLit(1));
  p.mouseX = x1 + 5;
  p.mouseY = y1 + 5;
  UpdateMouse();
  EXPECT_EQ(ButtonState[1], kButtonHover);
  EXPECT_EQ(ButtonState[0], kButtonIdle);
  EXPECT_TRUE(ButtonLit(1));
  EXPECT_FALSE(ButtonLit(0));
  p.mouseButtons = 1;
  UpdateMouse();
  UpdateMouse();  // held: still one click
  EXPECT_EQ(ButtonState[1], kButtonClicked);
  ASSERT_EQ(p.played.size(), 1u);
  EXPECT_EQ(p.played[0].sample, DataSample(kDataClickSound));
  EXPECT_EQ(p.played[0].vol, GameOptions.volume * 25);
  EXPECT_EQ(p.played[0].pan, 128);
  EXPECT_EQ(p.played[0].freq, 1000);
  EXPECT_TRUE(TakeButtonClick(1));
  EXPECT_FALSE(TakeButtonClick(1));
  EXPECT_EQ(ButtonState[1], kButtonActed);
  p.mouseButtons = 0;
  UpdateMouse();
  EXPECT_EQ(ButtonState[1], kButtonHover);
  p.mouseX = 300;
  UpdateMouse();
  EXPECT_EQ(ButtonState[1], kButtonIdle);
}

TEST_F(Screen, FullCompositionFramesTheAreasAndPlacesThePictures) {
  data.SetBitmap(kDataInterfaceTexture, 32, 32, makecol(10, 20, 30));
  data.SetBitmap(kDataLogo, 40, 20, makecol(250, 250, 250));
  Install();
  clear_to_color(BoardBitmap, makecol(0, 200, 0));
  clear_to_color(MessageBitmap, makecol(0, 0, 200));
  clear_to_color(PanelBitmap, makecol(200, 0, 200));
  DrawScreen(1, 1, 1, 1);
  EXPECT_EQ(At(BackBuffer, 3, 300), Rgb({10, 20, 30}));      // background pattern
  EXPECT_EQ(At(BackBuffer, 11, 11), Rgb({0, 200, 0}));       // board
  EXPECT_EQ(At(BackBuffer, 11, 502), Rgb({0, 0, 200}));      // message panel
  EXPECT_EQ(At(BackBuffer, 677, 113), Rgb({200, 0, 200}));   // side panel
  EXPECT_FALSE(At(BackBuffer, 9, 100) == Rgb({10, 20, 30}));  // the board's frame
  EXPECT_FALSE(At(BackBuffer, 11 + 652, 100) == Rgb({10, 20, 30}));
  // The logo lies translucent over the background.
  Rgb logo = At(BackBuffer, 677 + 6 + 5, 11 + 5 + 5);
  EXPECT_GT(logo.r, 10);
  EXPECT_LT(logo.r, 250);
  for (int i = 0; i < 4; i++) EXPECT_EQ(ButtonState[i], kButtonHover);
}

TEST_F(Screen, ZoomedViewStretchesTheWindowAroundTheCurrentObject) {
  Install();
  ClearBoardPicture();
  rectfill(BoardBitmap, 20 * 25, 15 * 25, 20 * 25 + 24, 15 * 25 + 24, makecol(255, 0, 0));
  ObjectMap[20][15] = 3;
  QuestHeader.savdata.CurrentObject = 3;
  ViewMode = 2;
  DrawScreen(0, 1, 0, 0);
  EXPECT_EQ(ZoomOriginX, 14);
  EXPECT_EQ(ZoomOriginY, 11);
  // Pixel origin (325, 238): the tile lies at board pixel (500, 375), twice as far in.
  int sx = 11 + (500 - 325) * 2 + 10, sy = 11 + (375 - 238) * 2 + 10;
  EXPECT_EQ(At(BackBuffer, sx, sy), Rgb({255, 0, 0}));
  // Exactly twice the size: board column 649 fills screen columns 648 and 649, the last
  // board column 650 only the last screen column; nothing spills beyond the board area.
  vline(BoardBitmap, 649, 0, 475, makecol(0, 0, 255));
  DrawScreen(0, 1, 0, 0);
  EXPECT_EQ(At(BackBuffer, 11 + 648, 300), Rgb({0, 0, 255}));
  EXPECT_EQ(At(BackBuffer, 11 + 649, 300), Rgb({0, 0, 255}));
  EXPECT_FALSE(At(BackBuffer, 11 + 647, 300) == Rgb({0, 0, 255}));
  EXPECT_FALSE(At(BackBuffer, 11 + 650, 300) == Rgb({0, 0, 255}));
  vline(BoardBitmap, 650, 0, 475, makecol(0, 0, 255));
  DrawScreen(0, 1, 0, 0);
  EXPECT_FALSE(At(BackBuffer, 11 + 651, 300) == Rgb({0, 0, 255}));
  EditingFlag = 1;  // the editor never moves the window
  ObjectMap[20][15] = 0;
  ObjectMap[0][0] = 3;
  DrawScreen(0, 1, 0, 0);
  EXPECT_EQ(ZoomOriginX, 14);
  QuestHeader.savdata.CurrentObject = 0;
}

TEST_F(Screen, AHeroWalkingWithTheZoomOnStaysInViewAndTheWindowMovesInJumps) {
  // The window keeps still while the hero stays within 4 columns and 2 rows of its
  // centre and recentres on him when he steps further; it does not follow every step.
  Install();
  ClearBoardPicture();
  QuestHeader.savdata.CurrentObject = 3;
  ViewMode = 2;
  ZoomOriginX = 2 - 6;
  ZoomOriginY = 9 - 4;
  struct Walk {
    int fromX, fromY, dx, dy, steps;
    int moves;  // how often the window moved on the way
  };
  const Walk walks[] = {
      {2, 9, 1, 0, 23, 4},   // east along row 9: recentred at 7, 12, 17 and 22
      {25, 9, 0, 1, 9, 3},   // south to the bottom edge: at 12, 15, 18
      {25, 18, -1, 0, 25, 5},
      {0, 18, 0, -1, 18, 6},
  };
  for (const Walk& w : walks) {
    int moves = 0;
    for (int i = 0; i <= w.steps; i++) {
      int x = w.fromX + i * w.dx, y = w.fromY + i * w.dy;
      SCOPED_TRACE(testing::Message() << "hero at " << x << "," << y);
      ObjectMap[x][y] = 3;
      int ox = ZoomOriginX, oy = ZoomOriginY;
      DrawScreen(0, 1, 0, 0);
      ObjectMap[x][y] = 0;
      if (i > 0 && (ZoomOriginX != ox || ZoomOriginY != oy)) moves++;
      // The hero's tile is on the screen: the middle of where it is drawn maps back to it.
      int sx = ScreenLayout.boardX + (x * 25 + 12 - ZoomPixelX()) * 2;
      int sy = ScreenLayout.boardY + (y * 25 + 12 - ZoomPixelY()) * 2;
      ASSERT_GE(sx, ScreenLayout.boardX);
      ASSERT_LT(sx, ScreenLayout.boardX + kBoardBitmapW);
      ASSERT_GE(sy, ScreenLayout.boardY);
      ASSERT_LT(sy, ScreenLayout.boardY + kBoardBitmapH);
      int tx, ty;
      ASSERT_TRUE(ScreenToTile(sx, sy, &tx, &ty));
      EXPECT_EQ(tx, x);
      EXPECT_EQ(ty, y);
    }
    EXPECT_EQ(moves, w.moves) << "walk from " << w.fromX << "," << w.fromY;
  }
  ViewMode = 1;
  QuestHeader.savdata.CurrentObject = 0;
}
