#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "quest/quest_model.h"
#include "ui/dialog_lists.h"

namespace {

using Callback = char* (*)(int, int*);

int Count(Callback cb) {
  int n = -1;
  EXPECT_EQ(cb(-1, &n), nullptr);
  return n;
}

TEST(DialogLists, FixedListsGiveTheirEntriesInOrder) {
  struct Case {
    const char* name;
    Callback cb;
    int count;
    int index;
    const char* text;
  } cases[] = {
      {"first side", SideListEntry, 9, 0, "Hero"},
      {"last monster side", SideListEntry, 9, 5, "The Frozen"},
      {"first side after the gap", SideListEntry, 9, 6, "Static"},
      {"last side", SideListEntry, 9, 8, "Walk script"},
      {"first action", ScriptActionListEntry, 25, 0, "no script"},
      {"an action with two blanks", ScriptActionListEntry, 25, 3, "#set x,  amount y"},
      {"last action", ScriptActionListEntry, 25, 24, "reveal/make door xy"},
      {"first objective", ObjectiveListEntry, 9, 0, "Not specified"},
      {"last objective", ObjectiveListEntry, 9, 8, "Kill all frozen"},
      {"past the end", SideListEntry, 9, 9, ""},
      {"far past the end", ScriptActionListEntry, 25, 1000, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Count(c.cb), c.count);
    EXPECT_STREQ(c.cb(c.index, nullptr), c.text);
  }
}

class MonsterListTest : public ::testing::Test {
 protected:
  int count = 0, first = 0, monsters = 0;
  void SetUp() override {
    count = PrefabCount;
    first = FirstMonsterPrefab;
    monsters = MonsterPrefabCount;
  }
  void TearDown() override {
    PrefabCount = count;
    FirstMonsterPrefab = first;
    MonsterPrefabCount = monsters;
  }
};

TEST_F(MonsterListTest, ListsTheMonsterPrefabsUpToThirtyOne) {
  ObjectRecord saved = PrefabTable[40];
  std::strcpy(PrefabTable[40].name, "Cave Troll");
  PrefabCount = 80;
  FirstMonsterPrefab = 20;
  MonsterPrefabCount = 45;
  EXPECT_EQ(Count(MonsterPrefabListEntry), 31);
  EXPECT_STREQ(MonsterPrefabListEntry(20, nullptr), "Cave Troll");
  EXPECT_STREQ(MonsterPrefabListEntry(31, nullptr), "");
  MonsterPrefabCount = 12;
  EXPECT_EQ(Count(MonsterPrefabListEntry), 12);
  PrefabTable[40] = saved;
}

TEST_F(MonsterListTest, ATooShortPrefabTableGivesOneErrorEntry) {
  PrefabCount = 50;
  FirstMonsterPrefab = 20;  // 20 + 30 is not below 50
  MonsterPrefabCount = 25;
  EXPECT_EQ(Count(MonsterPrefabListEntry), 1);
  EXPECT_STREQ(MonsterPrefabListEntry(0, nullptr), "error in dunmar.qpf!");
  EXPECT_STREQ(MonsterPrefabListEntry(1, nullptr), "");
}

}  // namespace
