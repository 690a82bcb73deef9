// Checked layer access and the map-wide door cleanup.
#include <gtest/gtest.h>

#include "dungeon/board_access.h"
#include "quest/quest_model.h"

namespace {

class BoardAccess : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetQuest(true);
    OpenFloorCode = 8;
  }
  void TearDown() override {
    ResetQuest(true);
    OpenFloorCode = 8;
  }
};

TEST_F(BoardAccess, ReadsInsideAndTheOutsideValueOfEachLayer) {
  QuestHeader.mapw = 20;
  QuestHeader.maph = 15;
  FloorMap[19][14] = 12;
  DoorMap[20][15] = 16;
  ObjectMap[0][0] = 3;
  struct Case {
    int x, y, layer, openFloor, value;
  } const cases[] = {
      {19, 14, kLayerFloor, 8, 12}, {20, 14, kLayerFloor, 8, 7},  {-1, 0, kLayerFloor, 8, 7},
      {19, 15, kLayerFloor, 1, 1},  {0, -1, kLayerFloor, 1, 1},   {20, 15, kLayerDoor, 8, 16},
      {21, 15, kLayerDoor, 8, 0},   {20, 16, kLayerDoor, 8, 0},   {-1, 0, kLayerDoor, 8, 0},
      {0, 0, kLayerObject, 8, 3},   {20, 0, kLayerObject, 8, 0},  {0, 0, 4, 8, 1},
      {0, 0, 0, 8, 1},
  };
  for (const Case& c : cases) {
    OpenFloorCode = c.openFloor;
    EXPECT_EQ(getCell(c.x, c.y, c.layer), c.value)
        << "(" << c.x << "," << c.y << ") layer " << c.layer << " open floor " << c.openFloor;
  }
}

TEST_F(BoardAccess, WritesOnlyInsideTheLayer) {
  QuestHeader.mapw = 20;
  QuestHeader.maph = 15;
  struct Case {
    int x, y, layer, result;
  } const cases[] = {
      {19, 14, kLayerFloor, 0}, {20, 14, kLayerFloor, 1}, {-1, 3, kLayerFloor, 1},
      {20, 15, kLayerDoor, 0},  {21, 0, kLayerDoor, 1},   {5, 5, kLayerObject, 0},
      {5, 15, kLayerObject, 1}, {5, 5, 9, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(setCell(c.x, c.y, c.layer, 99), c.result)
        << "(" << c.x << "," << c.y << ") layer " << c.layer;
    if (c.result == 0 && c.layer >= 1 && c.layer <= 3) {
      EXPECT_EQ(getCell(c.x, c.y, c.layer), 99);
    }
  }
  EXPECT_EQ(FloorMap[20][14], 8) << "a refused write leaves the spare column alone";
  EXPECT_EQ(ScriptMap[5][5], 0) << "an unknown layer writes nothing";
}

TEST_F(BoardAccess, ABoardSizeBeyondTheLayersIsCutToThem) {
  QuestHeader.mapw = 100;
  QuestHeader.maph = -7;
  EXPECT_EQ(BoardWidth(), kBoardW);
  EXPECT_EQ(BoardHeight(), 0);
  QuestHeader.maph = 90;
  EXPECT_EQ(setCell(26, 5, kLayerFloor, 9), 1);
  EXPECT_EQ(setCell(27, 5, kLayerDoor, 9), 1);
  EXPECT_EQ(setCell(26, 19, kLayerDoor, 9), 0);
  EXPECT_EQ(setCell(26, 20, kLayerDoor, 9), 1);
  EXPECT_EQ(getCell(30, 30, kLayerFloor), 7);
}

TEST_F(BoardAccess, DoorTouchesAnyEdgeOfTheCell) {
  struct Case {
    int dx, dy;  // where the door byte sits, relative to (5, 5)
    int value;
    bool touches;
  } const cases[] = {
      {0, 0, 1, true},    {0, 0, 128, true},  {1, 0, 8, true},    {1, 0, 16, false},
      {0, 1, 32, true},   {0, 1, 2, false},   {-1, 0, 1, false},  {0, -1, 16, false},
      {1, 1, 255, false},
  };
  for (const Case& c : cases) {
    ResetQuest(false);
    DoorMap[5 + c.dx][5 + c.dy] = static_cast<uint8_t>(c.value);
    EXPECT_EQ(doorTouches(5, 5), c.touches) << c.dx << "," << c.dy << " value " << c.value;
  }
  ResetQuest(false);
  DoorMap[26][0] = 1;
  EXPECT_TRUE(doorTouches(25, 0)) << "the east edge of the last column lives in the spare column";
}

TEST_F(BoardAccess, CleanDoorsRemovesDoorsBetweenEqualFloorsOnly) {
  FloorMap[3][4] = 12;
  FloorMap[4][4] = 12;  // west neighbour equal: west door goes
  FloorMap[5][4] = 13;  // west neighbour differs: west door stays
  FloorMap[4][3] = 9;   // north neighbour of (4,4) differs
  FloorMap[5][3] = 13;  // north neighbour of (5,4) equal
  DoorMap[4][4] = 0x11;  // west and north door
  DoorMap[5][4] = 0x81;  // west door and hidden north door
  DoorMap[0][0] = 0xff;  // the first column and row have no inner edge there
  cleanDoors();
  EXPECT_EQ(DoorMap[4][4], 0x10);
  EXPECT_EQ(DoorMap[5][4], 0x01);
  EXPECT_EQ(DoorMap[0][0], 0xff);
}

}  // namespace
