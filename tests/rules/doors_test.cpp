// Doors and keys: the door step of a hero's move, the door objectives and the request
// to open a door next to the hero.
#include <gtest/gtest.h>

#include <cstring>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "quest/quest_model.h"
#include "rules/doors.h"
#include "rules/movement.h"
#include "rules/play_state.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

namespace {

// Room 8 on the left, room 9 from column 10 on; the wall between columns 9 and 10.
class DoorTest : public ::testing::Test {
 protected:
  FakeGameData data;
  ScriptedPlatform& p = TestPlatform();

  void SetUp() override {
    ResetQuest(true);
    ResetPlayState();
    SetDefaultGameOptions();
    p.Reset();
    data.SetBitmap(kFirstObjectPicture + 1, 20, 20, makecol(0, 0, 200));
    for (int n = 1; n <= 17; n++) data.SetSample(kFirstSound + n);
    data.Install();
    for (int x = 10; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = 9;
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) VisibilityMap[x][y] = 1;
    Hero(1, 9, 5);
    Hero(2, 9, 8);
    CurrentObject = 1;
    PrintMessage(TextColor2, "-");
  }
  void TearDown() override { ResetQuest(true); }

  void Hero(int slot, int x, int y, int side = kSideHero) {
    snprintf(ObjectTable[slot].name, sizeof ObjectTable[slot].name, "Hero%d", slot);
    ObjectTable[slot].side = static_cast<int8_t>(side);
    ObjectTable[slot].picture[kPicNumber] = 1;
    ObjectMap[x][y] = static_cast<uint8_t>(slot);
  }
  int Sounds(int effect) {
    int n = 0;
    for (const RecordedSample& s : p.played) n += s.sample == EffectSample(effect);
    return n;
  }
};

TEST_F(DoorTest, EachDoorKindOnEachEdge) {
  struct Kind {
    const char* what;
    int field, redKey, blueKey;
    int outcome, after;
    const char* message;
  };
  const Kind kKinds[] = {
      {"open", kDoorOpen, 0, 0, kDoorNothing, kDoorOpen, "-"},
      {"red, key", kDoorRed, 1, 0, kDoorRedUnlocked, kDoorOpen, "You unlocked the red door!"},
      {"blue, key", kDoorBlue, 0, 1, kDoorBlueUnlocked, kDoorOpen, "You unlocked the blue door!"},
      {"hidden", kDoorHidden, 0, 0, kDoorHiddenFound, kDoorOpen, "You found a hidden door!"},
      {"red, no key", kDoorRed, 0, 1, kDoorRedNoKey, kDoorRed,
       "The door is locked, you need the red key."},
      {"blue, no key", kDoorBlue, 1, 0, kDoorBlueNoKey, kDoorBlue,
       "The door is locked, you need the blue key."},
      // Fields with several bits: the open bit is kept, a missing key changes nothing.
      {"open and hidden", kDoorOpen | kDoorHidden, 0, 0, kDoorHiddenFound, kDoorOpen,
       "You found a hidden door!"},
      {"open and red, no key", kDoorOpen | kDoorRed, 0, 0, kDoorRedNoKey, kDoorOpen | kDoorRed,
       "The door is locked, you need the red key."},
      {"red and blue, red key", kDoorRed | kDoorBlue, 1, 0, kDoorBlueNoKey, kDoorRed | kDoorBlue,
       "The door is locked, you need the blue key."},
      {"red and blue, both keys", kDoorRed | kDoorBlue, 1, 1, kDoorBlueUnlocked, kDoorOpen,
       "You unlocked the blue door!"},
      {"every bit, both keys", 15, 1, 1, kDoorHiddenFound, kDoorOpen, "You found a hidden door!"},
  };
  for (const Kind& k : kKinds) {
    for (int north = 0; north <= 1; north++) {
      SetUp();
      ObjectTable[1].inventory[kInvRedKeys] = k.redKey;
      ObjectTable[1].inventory[kInvBlueKeys] = k.blueKey;
      // West edge of (10, 5) from the left, or north edge of (3, 12) from above, each
      // with the other nibble of the byte holding something that must survive.
      int x = 9, y = 5, nx = 10, ny = 5;
      uint8_t* cell = &DoorMap[10][5];
      *cell = static_cast<uint8_t>(k.field | (kDoorBlue << 4));
      if (north) {
        for (int i = 0; i < 10; i++)
          for (int j = 12; j < kBoardH; j++) FloorMap[i][j] = 10;
        x = 3, y = 11, nx = 3, ny = 12;
        cell = &DoorMap[3][12];
        *cell = static_cast<uint8_t>((k.field << 4) | kDoorHidden);
      }
      bool refused = k.outcome == kDoorRedNoKey || k.outcome == kDoorBlueNoKey;
      EXPECT_EQ(StepBlocked(x, y, nx, ny, 1, 0, 1, 1), refused ? 1 : 0) << k.what;
      int field = north ? *cell >> 4 : *cell & 15;
      int other = north ? *cell & 15 : *cell >> 4;
      EXPECT_EQ(field, k.after) << k.what << (north ? " north" : " west");
      EXPECT_EQ(other, north ? kDoorHidden : kDoorBlue) << k.what;
      EXPECT_STREQ(MessageBuffer, k.message) << k.what;
      bool opened = k.outcome >= kDoorRedUnlocked && k.outcome <= kDoorHiddenFound;
      EXPECT_EQ(ObjectTable[1].exp, opened ? 10 : 0) << k.what;
      EXPECT_EQ(Sounds(3), opened ? 1 : 0) << k.what;
      EXPECT_EQ(Sounds(5), refused ? 1 : 0) << k.what;
      if (opened) {
        EXPECT_EQ(LoggedLine(0).color.r, 136);
      }
      EXPECT_EQ(p.waitedMs, refused ? 160 : 0) << k.what;
      EXPECT_EQ(QuestOutcome, kQuestPlaying);
    }
  }
}

TEST_F(DoorTest, TheComplaintComesOnceUntilAnotherMessage) {
  DoorMap[10][5] = kDoorRed;
  EXPECT_EQ(StepBlocked(9, 5, 10, 5, 1, 0, 1, 1), 1);
  EXPECT_EQ(StepBlocked(9, 5, 10, 5, 1, 0, 1, 1), 1);
  EXPECT_EQ(Sounds(5), 1);
  EXPECT_STREQ(LoggedLine(1).text, "-");
  PrintMessage(TextColor2, "Something else.");
  EXPECT_EQ(StepBlocked(9, 5, 10, 5, 1, 0, 1, 1), 1);
  EXPECT_EQ(Sounds(5), 2);
  EXPECT_STREQ(MessageBuffer, "The door is locked, you need the red key.");
}

TEST_F(DoorTest, AKeyIsKeptAndOpensEveryDoorOfItsColour) {
  DoorMap[10][5] = kDoorRed;
  DoorMap[10][8] = kDoorRed;
  ObjectTable[1].inventory[kInvRedKeys] = 1;
  EXPECT_EQ(StepBlocked(9, 5, 10, 5, 1, 0, 1, 1), 0);
  EXPECT_EQ(StepBlocked(9, 7, 10, 7, 1, 0, 1, 1), 1);  // no door there
  ObjectMap[9][5] = 0;
  ObjectMap[9][8] = 0;
  ObjectMap[9][7] = 1;
  EXPECT_EQ(StepBlocked(9, 8, 10, 8, 1, 0, 1, 1), 0);
  EXPECT_EQ(ObjectTable[1].inventory[kInvRedKeys], 1);
  EXPECT_EQ(ObjectTable[1].exp, 20);
  EXPECT_EQ(DoorMap[10][8], kDoorOpen);
}

TEST_F(DoorTest, AnyHeroFindsAHiddenDoorButMonstersOnlyUseOpenOnes) {
  DoorMap[10][8] = kDoorHidden;
  CurrentObject = 3;
  Hero(3, 9, 12, kSideGreenskin);
  EXPECT_EQ(FindPath(9, 12, 14, 8, 1, 0, 2, 0), 1);
  EXPECT_EQ(StepBlocked(9, 8, 10, 8, 0, 0, 2, 0), 1);
  EXPECT_EQ(DoorMap[10][8], kDoorHidden);
  CurrentObject = 2;
  HeroPositionX = 9;
  HeroPositionY = 8;
  WalkLeft = 3;
  EXPECT_EQ(HeroKeyStep(1, 0), 1);
  EXPECT_EQ(DoorMap[10][8], kDoorOpen);
  EXPECT_EQ(ObjectTable[2].exp, 10);
  ObjectMap[9][8] = 0;  // he walked on
  CurrentObject = 3;
  EXPECT_EQ(FindPath(9, 12, 14, 8, 1, 0, 2, 0), 0);
}

TEST_F(DoorTest, UnlockingTheObjectiveDoorWinsAtOnce) {
  struct Objective {
    int objective, field, won;
  };
  const Objective kCases[] = {
      {2, kDoorRed, 1}, {3, kDoorBlue, 1}, {2, kDoorBlue, 0},
      {3, kDoorRed, 0}, {1, kDoorRed, 0},  {2, kDoorHidden, 0},
  };
  for (const Objective& c : kCases) {
    SetUp();
    QuestHeader.qstdata[kQuestObjective] = c.objective;
    ObjectTable[1].inventory[kInvRedKeys] = 1;
    ObjectTable[1].inventory[kInvBlueKeys] = 1;
    DoorMap[10][5] = static_cast<uint8_t>(c.field);
    EXPECT_EQ(StepBlocked(9, 5, 10, 5, 1, 0, 1, 1), 0);
    EXPECT_EQ(QuestOutcome, c.won ? kQuestWon : kQuestPlaying)
        << "objective " << c.objective << " field " << c.field;
  }
}

TEST_F(DoorTest, EdgesOutsideTheDoorLayerHaveNoField) {
  memset(DoorMap, 0xff, sizeof DoorMap);
  EXPECT_EQ(EdgeDoorField(3, 3, 4, 3), 15);
  EXPECT_EQ(EdgeDoorField(3, 3, 5, 3), 0);
  EXPECT_EQ(EdgeDoorField(-2, 0, -1, 0), 0);
  EXPECT_EQ(EdgeDoorField(26, 0, 27, 0), 0);
  EXPECT_EQ(EdgeDoorField(0, 20, 0, 21), 0);
  EXPECT_EQ(EdgeDoorField(0, -2, 0, -1), 0);
  EXPECT_EQ(DoorStep(26, 3, 27, 3), kDoorNothing);
  EXPECT_EQ(DoorStep(3, 3, 3, 3), kDoorNothing);
  EXPECT_EQ(DoorStep(0, 20, 0, 21), kDoorNothing);
  // A mover that is no object has no keys and earns nothing.
  DoorMap[10][5] = kDoorHidden;
  CurrentObject = 0;
  EXPECT_EQ(DoorStep(9, 5, 10, 5), kDoorHiddenFound);
  DoorMap[10][5] = kDoorRed;
  CurrentObject = 9999;
  EXPECT_EQ(DoorStep(9, 5, 10, 5), kDoorRedNoKey);
}

// ---- The request to open a door ------------------------------------------------------

TEST_F(DoorTest, OpenRequestTriesRightLeftDownUp) {
  struct Request {
    const char* what;
    int heroX, heroY;
    int doorX, doorY, north;  // the cell and nibble of the door
    int result, beyondX, beyondY;
  };
  // A small room 11 around (15, 5): its walls to 9 carry the doors.
  const Request kCases[] = {
      {"right", 14, 5, 15, 5, 0, 0, 15, 5},
      {"left", 15, 5, 15, 5, 0, 0, 14, 5},
      {"down", 15, 4, 15, 5, 1, 0, 15, 5},
      {"up", 15, 5, 15, 5, 1, 0, 15, 4},
      {"no door", 14, 5, 0, 0, 0, 1, 0, 0},
  };
  for (const Request& c : kCases) {
    SetUp();
    ObjectMap[9][5] = 0;
    FloorMap[15][5] = 11;
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) VisibilityMap[x][y] = 0;
    VisibilityMap[c.heroX][c.heroY] = 1;
    Hero(1, c.heroX, c.heroY);
    if (c.doorX) DoorMap[c.doorX][c.doorY] = static_cast<uint8_t>(kDoorOpen << (c.north ? 4 : 0));
    EXPECT_EQ(OpenDoorNextTo(c.heroX, c.heroY), c.result) << c.what;
    if (c.result == 0) {
      EXPECT_EQ(VisibilityMap[c.beyondX][c.beyondY], 1) << c.what;
      EXPECT_EQ(Sounds(3), 1) << c.what;
    } else {
      EXPECT_STREQ(MessageBuffer, "No door to open here.");
    }
    EXPECT_EQ(p.waitedMs, 100) << c.what;
  }
}

TEST_F(DoorTest, OpeningRevealsTheRoomBehindFromJustBeyondTheDoor) {
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) VisibilityMap[x][y] = 0;
  VisibilityMap[9][5] = 1;
  DoorMap[10][5] = kDoorHidden | (kDoorOpen << 4);  // a door on the north edge as well
  EXPECT_EQ(OpenDoorNextTo(9, 5), 0);
  EXPECT_EQ(DoorMap[10][5] & 15, kDoorOpen);
  EXPECT_STREQ(LoggedLine(0).text, "You found a hidden door!");
  EXPECT_EQ(VisibilityMap[10][5], 1);
  EXPECT_EQ(VisibilityMap[12][6], 1);
  EXPECT_EQ(VisibilityMap[8][5], 0);  // the hero's own room is not looked at
}

TEST_F(DoorTest, ALockedDoorIsNoDoorToOpen) {
  DoorMap[10][5] = kDoorBlue;
  EXPECT_EQ(OpenDoorNextTo(9, 5), 1);
  EXPECT_STREQ(LoggedLine(1).text, "The door is locked, you need the blue key.");
  EXPECT_STREQ(LoggedLine(0).text, "No door to open here.");
  EXPECT_EQ(DoorMap[10][5], kDoorBlue);
}

}  // namespace
