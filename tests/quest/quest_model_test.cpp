#include <gtest/gtest.h>

#include <cstring>

#include "quest/quest_model.h"

TEST(QuestModel, FullResetRestoresHeaderDefaults) {
  strcpy(QuestHeader.series, "other");
  QuestHeader.chapter = 5;
  QuestHeader.savdata.CurrentObject = 7;
  QuestHeader.savdata.reserved4 = 3;
  ResetQuest(true);
  EXPECT_STREQ(QuestHeader.series, "original");
  EXPECT_STREQ(QuestHeader.quest, "Quest I");
  EXPECT_STREQ(QuestHeader.author, "Unknown");
  EXPECT_EQ(QuestHeader.chapter, 1);
  EXPECT_EQ(QuestHeader.chapters, 1);
  EXPECT_EQ(QuestHeader.mapw, 26);
  EXPECT_EQ(QuestHeader.maph, 19);
  EXPECT_EQ(QuestHeader.qstdata[0], 1);
  EXPECT_EQ(QuestHeader.qstdata[1], 12);
  EXPECT_EQ(QuestHeader.savdata.CurrentObject, 7);  // kept by a reset
  EXPECT_EQ(QuestHeader.savdata.reserved4, 0);
  EXPECT_EQ(strncmp(QuestHeader.briefing, "Welcome Heroes,", 15), 0);
}

TEST(QuestModel, ResetFreesEverySlotAndClearsLayers) {
  strcpy(ObjectTable[0].name, "Zero");
  strcpy(ObjectTable[9].name, "Orc");
  ObjectTable[9].side = 3;
  FloorMap[3][4] = 2;
  ObjectMap[3][4] = 9;
  DoorMap[26][19] = 5;
  ResetQuest(false);
  for (int i = 0; i < kMaxObjects; i++) {
    ASSERT_TRUE(IsFreeSlot(ObjectTable[i]));
    ASSERT_EQ(ObjectTable[i].side, kSideStatic);
    ASSERT_STREQ(ObjectTable[i].text1, "-");
  }
  EXPECT_EQ(FloorMap[3][4], 8);
  EXPECT_EQ(ObjectMap[3][4], 0);
  EXPECT_EQ(DoorMap[26][19], 0);
  EXPECT_EQ(TileX[26], 650);
  EXPECT_EQ(TileY[19], 475);
}

TEST(QuestModel, SideListPositions) {
  const int sides[] = {1, 2, 3, 4, 5, 6, 10, 11, 12};
  for (int pos = 0; pos < 9; pos++) {
    EXPECT_EQ(SideToListPosition(sides[pos]), pos);
    EXPECT_EQ(ListPositionToSide(pos), sides[pos]);
  }
}

TEST(QuestModel, CopyTextCutsToTheField) {
  char buf[kNameLen + 1];
  CopyText(buf, "A name far longer than seventeen", kNameLen);
  EXPECT_EQ(strlen(buf), static_cast<size_t>(kNameLen));
}

TEST(QuestModel, KnownSidesAreOneToTwelve) {
  const struct {
    int side;
    bool known;
  } cases[] = {{-3, false}, {0, false}, {1, true}, {9, true}, {10, true}, {12, true}, {13, false}};
  for (const auto& c : cases) EXPECT_EQ(IsKnownSide(c.side), c.known) << c.side;
}
