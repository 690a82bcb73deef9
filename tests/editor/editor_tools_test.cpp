// The editor's tools on the quest model: floors painted in rectangles, door edges
// cycled, objects placed where they fit, erased, copied.
#include "editor/editor_tools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "core/game_data.h"
#include "core/message_log.h"
#include "editor/editor_state.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "rules/doors.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

namespace {

enum Prefab { kBarbarian = 1, kGoblin = 11, kTable = 31, kChest = 40 };

class EditorTools : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InstallShippedMaterial()) << "build the game first";
    ASSERT_GT(PrefabCount, kChest);
  }
  void SetUp() override {
    TestPlatform().Reset();
    ResetQuest(true);
    keptPrefabs_ = new ObjectRecord[kMaxObjects];
    memcpy(keptPrefabs_, PrefabTable, sizeof PrefabTable);
    EditorTool = kToolFloor;
    EditorItem = 1;
    // One room of floor 10 (columns 2..9, rows 2..7) in corridor floor 8.
    Paint(2, 2, 9, 7, 10);
  }
  void TearDown() override {
    memcpy(PrefabTable, keptPrefabs_, sizeof PrefabTable);
    delete[] keptPrefabs_;
    EditorTool = kToolNone;
    ResetQuest(true);
  }
  static void Paint(int x1, int y1, int x2, int y2, int floor) {
    for (int y = y1; y <= y2; y++)
      for (int x = x1; x <= x2; x++) FloorMap[x][y] = static_cast<uint8_t>(floor);
  }
  static int Effects(int n) {
    int count = 0;
    for (const RecordedSample& s : TestPlatform().played)
      if (s.sample == EffectSample(n)) count++;
    return count;
  }
  static int Placed(int prefab, int x, int y) {
    int slot = 0;
    EXPECT_EQ(PlaceObject(prefab, x, y, &slot), kPlaced) << "prefab " << prefab;
    return slot;
  }
  ObjectRecord* keptPrefabs_ = nullptr;
};

TEST_F(EditorTools, PaintingARectangleTakesCornersInAnyOrderAndStaysOnTheBoard) {
  struct Case { int x1, y1, x2, y2, left, top, right, bottom; };
  const Case cases[] = {
      {12, 10, 14, 12, 12, 10, 14, 12},
      {14, 12, 12, 10, 12, 10, 14, 12},  // dragged up and to the left
      {24, 17, 30, 25, 24, 17, 25, 18},  // cut at the board's edges
      {5, 5, 5, 5, 5, 5, 5, 5},
  };
  for (const Case& c : cases) {
    ResetQuest(true);
    PaintFloorRect(c.x1, c.y1, c.x2, c.y2, 3);
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++) {
        const bool inside = x >= c.left && x <= c.right && y >= c.top && y <= c.bottom;
        ASSERT_EQ(FloorMap[x][y], inside ? 3 : 8) << x << "," << y << " of " << c.x1 << ","
                                                   << c.y1 << "-" << c.x2 << "," << c.y2;
      }
  }
}

TEST_F(EditorTools, PaintingOverARoomRemovesTheDoorsThatNowJoinEqualFloors) {
  DoorMap[2][4] = kDoorOpen;          // west wall of the room
  DoorMap[5][2] = kDoorRed << 4;      // north wall
  DoorMap[10][5] = kDoorBlue;         // east wall: the corridor stays 8
  PaintFloorRect(0, 0, 9, 9, 10);     // the corridor west and north of the room is room now
  EXPECT_EQ(DoorMap[2][4], 0);
  EXPECT_EQ(DoorMap[5][2], 0);
  EXPECT_EQ(DoorMap[10][5], kDoorBlue);
  // The selection mask: 1 inside, 2 one column right and one row down.
  EXPECT_EQ(VisibilityMap[9][9], 1);
  EXPECT_EQ(VisibilityMap[10][9], 2);
  EXPECT_EQ(VisibilityMap[9][10], 2);
  EXPECT_EQ(VisibilityMap[11][9], 0);
}

TEST_F(EditorTools, DoorEdgesStepThroughTheirStatesAndKeepTheOtherEdge) {
  // The west edge of (2, 4) lies between corridor and room.
  DoorMap[2][4] = kDoorBlue << 4;  // a north door that must stay
  const int west[] = {kDoorOpen, kDoorRed, kDoorBlue, kDoorHidden, 0};
  for (int expected : west) {
    ASSERT_EQ(CycleDoor(2, 4, kDoorWest), 0);
    EXPECT_EQ(DoorMap[2][4] & 0x0F, expected);
    EXPECT_EQ(DoorMap[2][4] >> 4, kDoorBlue);
  }
  // The north edge of (5, 2) lies between corridor and room.
  const int north[] = {kDoorOpen, kDoorRed, kDoorBlue, kDoorHidden, 0};
  for (int expected : north) {
    ASSERT_EQ(CycleDoor(5, 2, kDoorNorth), 0);
    EXPECT_EQ(DoorMap[5][2] >> 4, expected);
  }
  // A hidden door from a file goes with one click; a mixture a file brought too.
  DoorMap[2][5] = kDoorHidden;
  CycleDoor(2, 5, kDoorWest);
  EXPECT_EQ(DoorMap[2][5], 0);
  DoorMap[2][6] = kDoorRed | kDoorHidden;
  CycleDoor(2, 6, kDoorWest);
  EXPECT_EQ(DoorMap[2][6], 0);
  EXPECT_EQ(Effects(1), 12);
}

TEST_F(EditorTools, DoorsAreRefusedOnTheBoardsEdgeAndBetweenEqualFloors) {
  struct Case { int x, y, item; };
  const Case refused[] = {
      {0, 5, kDoorWest},   // no cell west of it
      {5, 0, kDoorNorth},  // none north of it
      {4, 4, kDoorWest},   // room on both sides
      {4, 4, kDoorNorth},
      {26, 4, kDoorWest},  // off the board
  };
  for (const Case& c : refused) {
    TestPlatform().played.clear();
    EXPECT_EQ(CycleDoor(c.x, c.y, c.item), 1) << c.x << "," << c.y;
    EXPECT_EQ(Effects(10), 1);
  }
  uint8_t none[kLayerW][kLayerH] = {};
  EXPECT_EQ(memcmp(DoorMap, none, sizeof none), 0);
}

TEST_F(EditorTools, LargeObjectsNeedTheirWholeFootprintFreeAndOnOneFloor) {
  bool mask[3][3];
  RecordFootprint(PrefabTable[kTable], mask);
  int covered = 0;
  for (auto& col : mask)
    for (bool b : col) covered += b;
  ASSERT_GT(covered, 1) << "the table must be larger than one tile for this test";
  // Where the table reaches: the room's far corner must stay inside.
  int reachX = 0, reachY = 0;
  for (int dx = -1; dx <= 1; dx++)
    for (int dy = -1; dy <= 1; dy++)
      if (mask[dx + 1][dy + 1]) {
        reachX = std::max(reachX, dx);
        reachY = std::max(reachY, dy);
      }
  const int tx = 9 - reachX, ty = 7 - reachY;  // fits exactly into the corner
  struct Case { int x, y; bool fits; };
  const Case cases[] = {
      {tx, ty, true},
      {tx + 1, ty, reachX == 0},     // reaches into the corridor
      {tx, ty + 1, reachY == 0},
      {25, 18, reachX == 0 && reachY == 0},  // corridor, but reaching off the board
  };
  for (const Case& c : cases)
    EXPECT_EQ(CanPlaceObject(kTable, c.x, c.y), c.fits) << c.x << "," << c.y;

  const int table = Placed(kTable, tx, ty);
  ASSERT_GT(table, 0);
  EXPECT_STREQ(ObjectTable[table].name, "Table");
  // Nothing goes on any tile it covers, but next to it is fine.
  for (int dx = -1; dx <= 1; dx++)
    for (int dy = -1; dy <= 1; dy++) {
      if (!mask[dx + 1][dy + 1]) continue;
      EXPECT_EQ(PlaceObject(kGoblin, tx + dx, ty + dy), kPlaceRefused) << dx << "," << dy;
    }
  EXPECT_GT(Placed(kGoblin, 3, 3), 0);
}

TEST_F(EditorTools, PlacementTakesTheFirstFreeEntryAndStopsAtAFullTable) {
  const int a = Placed(kGoblin, 3, 3);
  const int b = Placed(kGoblin, 4, 3);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  ASSERT_TRUE(RemoveObjectAt(3, 3));
  EXPECT_EQ(Placed(kChest, 5, 3), 1);  // the freed entry comes first
  EXPECT_STREQ(ObjectTable[1].name, "Treasure Chest");

  for (int k = 1; k < kMaxObjects; k++) CopyText(ObjectTable[k].name, "Taken", kNameLen);
  uint8_t before[kLayerW][kLayerH];
  memcpy(before, ObjectMap, sizeof before);
  EXPECT_EQ(PlaceObject(kGoblin, 6, 6), kPlaceTableFull);
  EXPECT_EQ(memcmp(before, ObjectMap, sizeof before), 0);
  EXPECT_STREQ(LoggedLine(0).text, "Maximum object amount reached (255).");
}

TEST_F(EditorTools, ErasingARectangleThatTouchesAFootprintsEdgeRemovesTheObject) {
  bool mask[3][3];
  RecordFootprint(PrefabTable[kTable], mask);
  int edgeX = 0, edgeY = 0;  // the footprint's lowest, rightmost tile
  for (int dx = -1; dx <= 1; dx++)
    for (int dy = -1; dy <= 1; dy++)
      if (mask[dx + 1][dy + 1] && (dx + dy > edgeX + edgeY)) {
        edgeX = dx;
        edgeY = dy;
      }
  ASSERT_NE(edgeX + edgeY, 0) << "the table must reach beyond its anchor";
  const int table = Placed(kTable, 4, 4);
  const int goblin = Placed(kGoblin, 8, 2);
  ObjectRecord kept = ObjectTable[table];

  // A rectangle of one tile on the footprint's edge, outside the anchor.
  EXPECT_EQ(EraseRect(4 + edgeX, 4 + edgeY, 4 + edgeX, 4 + edgeY), 1);
  EXPECT_EQ(ObjectMap[4][4], 0);
  EXPECT_STREQ(ObjectTable[table].name, "#");
  // The record keeps everything but its name.
  EXPECT_EQ(memcmp(ObjectTable[table].attribute, kept.attribute, sizeof kept.attribute), 0);
  EXPECT_EQ(ObjectTable[table].picture[kPicNumber], kept.picture[kPicNumber]);
  EXPECT_EQ(ObjectMap[8][2], goblin);
  EXPECT_EQ(EraseRect(0, 0, 1, 1), 0);  // nothing there
}

TEST_F(EditorTools, CopyPicksUpAFloorAPrefabOrTheCustomObject) {
  // An empty cell: the floor tool with its floor number.
  EditorTool = kToolEraser;
  CopyCell(4, 4);
  EXPECT_EQ(EditorTool, kToolFloor);
  EXPECT_EQ(EditorItem, 10);

  // An object equal to a prefab (orientation aside): that prefab, with the orientation.
  const int goblin = Placed(kGoblin, 5, 5);
  ObjectTable[goblin].picture[kPicOrientation] = 1;
  CopyCell(5, 5);
  EXPECT_EQ(EditorTool, kToolObject);
  EXPECT_EQ(EditorItem, kGoblin);
  EXPECT_EQ(PrefabTable[kGoblin].picture[kPicOrientation], 1);

  // Any other: the custom object, a copy of the whole record.
  ObjectTable[goblin].exp = 77;
  CopyCell(5, 5);
  EXPECT_EQ(EditorItem, kCustomObjectItem);
  EXPECT_EQ(PrefabTable[0].exp, 77);
  EXPECT_STREQ(PrefabTable[0].name, "Goblin");
  // Which can be placed like any prefab.
  const int copy = Placed(kCustomObjectItem, 6, 6);
  EXPECT_EQ(ObjectTable[copy].exp, 77);
  // The stepping keys leave item 0 but do not come back to it.
  StepEditorItem(-1);
  EXPECT_EQ(EditorItem, 1);
}

TEST_F(EditorTools, ItemStepsStayWithinTheToolsItems) {
  struct Case { int tool, from, delta, to; };
  const Case cases[] = {
      {kToolFloor, 3, -5, 1},  {kToolFloor, 25, 5, 27}, {kToolFloor, 22, 5, 27},
      {kToolFloor, 21, 5, 26}, {kToolFloor, 1, -1, 1},  {kToolFloor, 27, 1, 27},
      {kToolDoor, 1, 1, 2},    {kToolDoor, 2, 1, 2},    {kToolEraser, 1, 5, 1},
      {kToolObject, PrefabCount, 1, PrefabCount},
  };
  for (const Case& c : cases) {
    EditorTool = c.tool;
    EditorItem = c.from;
    StepEditorItem(c.delta);
    EXPECT_EQ(EditorItem, c.to) << "tool " << c.tool << " from " << c.from << " by " << c.delta;
  }
}

TEST_F(EditorTools, ARightClickBesideTheBoardFlipsTheDoorEdgeOrTurnsTheObject) {
  EditorTool = kToolDoor;
  EditorItem = kDoorWest;
  FlipCurrentItem();
  EXPECT_EQ(EditorItem, kDoorNorth);
  FlipCurrentItem();
  EXPECT_EQ(EditorItem, kDoorWest);

  EditorTool = kToolObject;
  for (int prefab : {kGoblin, kTable}) {
    EditorItem = prefab;
    BITMAP* pic = ObjectPicture(PrefabTable[prefab].picture[kPicNumber]);
    ASSERT_NE(pic, nullptr);
    FlipCurrentItem();
    EXPECT_EQ(PrefabTable[prefab].picture[kPicOrientation], pic->w == 20 ? 1 : 2);
    FlipCurrentItem();
    EXPECT_EQ(PrefabTable[prefab].picture[kPicOrientation], 0);
  }
}

}  // namespace

namespace {

// The board picture after a tool's own redrawing is the picture a whole fresh drawing
// of the board gives: nothing is left stale, nothing drawn twice over.
class EditorPicture : public EditorTools {
 protected:
  static BITMAP* Fresh() {
    BITMAP* incremental = create_bitmap(BoardBitmap->w, BoardBitmap->h);
    blit(BoardBitmap, incremental, 0, 0, 0, 0, BoardBitmap->w, BoardBitmap->h);
    ClearBoardPicture();
    DrawWholeBoard();
    return incremental;
  }
  static int Differing(BITMAP* a, int* fx, int* fy) {
    int n = 0;
    for (int y = 0; y < a->h; y++)
      for (int x = 0; x < a->w; x++)
        if (getpixel(a, x, y) != getpixel(BoardBitmap, x, y)) {
          if (n++ == 0) {
            *fx = x;
            *fy = y;
          }
        }
    return n;
  }
};

TEST_F(EditorPicture, EachToolLeavesThePictureAWholeDrawingWouldGive) {
  struct Case {
    const char* what;
    std::function<void()> act;
  };
  const Case cases[] = {
      {"a door on a west edge", [] { CycleDoor(10, 5, kDoorWest); }},
      {"a door on a north edge", [] { CycleDoor(5, 8, kDoorNorth); }},
      {"a floor rectangle", [] { PaintFloorRect(4, 4, 12, 9, 3); }},
      {"a large object", [] { PlaceObject(kTable, 5, 5); }},
      {"an erased object", [] { EraseRect(5, 5, 5, 5); }},
      {"a figure", [] { PlaceObject(kGoblin, 3, 3); }},
  };
  EditingFlag = kToolFloor;
  ClearBoardPicture();
  DrawWholeBoard();
  for (const Case& c : cases) {
    c.act();
    BITMAP* incremental = Fresh();
    int fx = -1, fy = -1;
    EXPECT_EQ(Differing(incremental, &fx, &fy), 0)
        << c.what << ": first difference at pixel " << fx << "," << fy;
    destroy_bitmap(incremental);
  }
}

}  // namespace
