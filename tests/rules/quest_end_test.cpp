#include "rules/quest_end.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/program_state.h"
#include "quest/quest_model.h"
#include "rules/play_state.h"
#include "support/scripted_platform.h"

namespace {

void Put(int slot, const char* name, int side, int x, int y, int picture = 0) {
  ObjectRecord& o = ObjectTable[slot];
  std::strcpy(o.name, name);
  o.side = static_cast<int8_t>(side);
  o.picture[kPicNumber] = picture;
  ObjectMap[x][y] = static_cast<uint8_t>(slot);
}

class QuestEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetQuest(true);
    ResetPlayState();
    ExitRequest = 0;
    TestPlatform().Reset();
    Put(1, "Barbarian", kSideHero, 2, 2);
  }
  void TearDown() override {
    ResetQuest(true);
    ExitRequest = 0;
  }
};

TEST_F(QuestEnd, EachObjectiveIsMetWhenTheBoardHoldsNoneOfItsKind) {
  const struct {
    int objective;
    const char* name;
    int side, picture;
  } cases[] = {
      {1, "Orc", kSideGreenskin, 0}, {1, "Ice Troll", kSideFrozen, 0},
      {4, "Chest", kSideStatic, 40}, {5, "Goblin", kSideGreenskin, 0},
      {6, "Zombie", kSideUndead, 0}, {7, "Chaos Warrior", kSideChaos, 0},
      {8, "Ice Troll", kSideFrozen, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ObjectiveNames[c.objective]);
    ResetQuest(true);
    Put(1, "Barbarian", kSideHero, 2, 2);
    QuestHeader.qstdata[kQuestObjective] = c.objective;
    Put(9, c.name, c.side, 10, 10, c.picture);
    Put(10, "Table", kSideStatic, 12, 10, 39);  // neither a monster nor a closed chest
    QuestOutcome = kQuestPlaying;
    CheckQuestEnd();
    EXPECT_EQ(QuestOutcome, kQuestPlaying);
    ObjectMap[10][10] = 0;  // killed, or the chest opened
    CheckQuestEnd();
    EXPECT_EQ(QuestOutcome, kQuestWon);
  }
}

TEST_F(QuestEnd, OtherFactionsDoNotCountForAOneFactionObjective) {
  QuestHeader.qstdata[kQuestObjective] = 6;  // kill all undead
  Put(9, "Orc", kSideGreenskin, 10, 10);
  CheckQuestEnd();
  EXPECT_EQ(QuestOutcome, kQuestWon);
}

TEST_F(QuestEnd, ObjectivesMetElsewhereNeverEndTheQuestHere) {
  for (int objective : {0, 2, 3, 9, -1}) {
    QuestHeader.qstdata[kQuestObjective] = objective;
    QuestOutcome = kQuestPlaying;
    CheckQuestEnd();
    EXPECT_EQ(QuestOutcome, kQuestPlaying) << objective;
  }
}

TEST_F(QuestEnd, NoHeroLeftIsDefeatUnlessOneReachedTheEnd) {
  ObjectMap[2][2] = 0;
  CheckQuestEnd();
  EXPECT_EQ(QuestOutcome, kQuestLost);

  QuestOutcome = kQuestPlaying;
  QuestHeader.heroes[2] = kHeroLeftThroughEndpoint;
  CheckQuestEnd();
  EXPECT_EQ(QuestOutcome, kQuestWon);
}

TEST_F(QuestEnd, TheCloseButtonAsksAndCancelGoesOnPlaying) {
  ScriptedPlatform& p = TestPlatform();
  QuestHeader.qstdata[kQuestObjective] = 0;
  ExitRequest = 1;
  p.alertAnswers = {2};
  p.keys = {'x'};
  CheckQuestEnd();
  EXPECT_EQ(ExitRequest, 0);
  EXPECT_TRUE(p.keys.empty());
  ASSERT_EQ(p.alerts.size(), 1u);
  EXPECT_EQ(p.alerts[0].l2, "  Exit Dunmarrow?  ");
  EXPECT_EQ(p.alerts[0].b2, "CANCEL");

  ExitRequest = 1;
  p.alertAnswers = {1};
  CheckQuestEnd();
  EXPECT_EQ(ExitRequest, 2);
  EXPECT_EQ(QuestOutcome, kQuestPlaying);
}

}  // namespace
