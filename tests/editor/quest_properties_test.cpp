#include "editor/quest_properties.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "properties_fixture.h"
#include "quest/quest_file.h"
#include "support/temp_folder.h"
#include "ui/number_field.h"

namespace {

class QuestProperties : public EditorPropsTest {
 protected:
  void SetUp() override {
    EditorPropsTest::SetUp();
    QuestHeaderRecord& h = QuestHeader;
    h.chapter = 2;
    h.chapters = 4;
    h.qstdata[kQuestRewardPerHero] = 50;
    h.qstdata[kQuestRewardGroup] = 300;
    h.qstdata[kQuestObjective] = 1;
    h.qstdata[kQuestWandering] = FirstMonsterPrefab + 1;
  }
  // Opens the dialog, lets change fill it and closes it with closer.
  void Edit(std::function<void(DIALOG*)> change, int closer = kQuestPropsOk) {
    dialogs_.Script({[&](DIALOG* items) {
      if (change) change(items);
      return closer;
    }});
    EditQuestProperties();
    EXPECT_EQ(dialogs_.showings, 1);
  }
};

// What the player sets in one control, and what the header holds afterwards.
struct FieldCase {
  const char* what;
  std::function<void(DIALOG*)> set;
  std::function<int()> stored;
  int expected;
};

TEST_F(QuestProperties, FieldsGoIntoTheHeaderHeldToWhatAQuestFileGivesBack) {
  auto value = [](int item, int v) { return [item, v](DIALOG* d) { d[item].d2 = v; }; };
  auto pick = [](int item, int v) { return [item, v](DIALOG* d) { d[item].d1 = v; }; };
  const int monsters = MonsterPrefabChoices();
  ASSERT_GT(monsters, 3);
  const FieldCase cases[] = {
      {"chapter", value(kQuestPropsChapter, 3), [] { return QuestHeader.chapter; }, 3},
      {"chapter 0 is no chapter a file keeps", value(kQuestPropsChapter, 0),
       [] { return QuestHeader.chapter; }, 1},
      {"chapter past the field", value(kQuestPropsChapter, 30), [] { return QuestHeader.chapter; },
       kLastChapter},
      {"chapters", value(kQuestPropsChapters, 9), [] { return QuestHeader.chapters; }, 9},
      {"chapters below the chapter", value(kQuestPropsChapters, 1),
       [] { return QuestHeader.chapters; }, 2},
      {"per hero in tens", value(kQuestPropsPerHero, 12),
       [] { return QuestHeader.qstdata[kQuestRewardPerHero]; }, 120},
      {"per hero past the field", value(kQuestPropsPerHero, 99),
       [] { return QuestHeader.qstdata[kQuestRewardPerHero]; }, 400},
      {"group in tens", value(kQuestPropsGroup, 80),
       [] { return QuestHeader.qstdata[kQuestRewardGroup]; }, 800},
      {"group below the field", value(kQuestPropsGroup, -7),
       [] { return QuestHeader.qstdata[kQuestRewardGroup]; }, 0},
      {"objective", pick(kQuestPropsObjective, 4),
       [] { return QuestHeader.qstdata[kQuestObjective]; }, 4},
      {"objective past the list", pick(kQuestPropsObjective, 40),
       [] { return QuestHeader.qstdata[kQuestObjective]; }, kObjectiveCount - 1},
      {"wandering monster", pick(kQuestPropsWandering, 3),
       [] { return QuestHeader.qstdata[kQuestWandering]; }, FirstMonsterPrefab + 3},
      {"wandering monster past the list", pick(kQuestPropsWandering, 200),
       [] { return QuestHeader.qstdata[kQuestWandering]; }, FirstMonsterPrefab + monsters - 1},
      {"hero 2 unticked", [](DIALOG* d) { d[kQuestPropsHero1 + 1].flags &= ~D_SELECTED; },
       [] { return QuestHeader.heroes[1]; }, kHeroOffBoard},
      {"map width cannot change", value(kQuestPropsMapW, 3), [] { return QuestHeader.mapw; },
       kBoardW},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    Edit(c.set);
    EXPECT_EQ(c.stored(), c.expected);
  }
}

TEST_F(QuestProperties, ShowsTheHeaderAsTheFieldsCanHoldIt) {
  QuestHeader.qstdata[kQuestRewardPerHero] = 125;
  QuestHeader.heroes[2] = kHeroLeftThroughEndpoint;
  DIALOG items[kQuestPropsItemCount];
  BuildQuestPropertiesDialog(items);
  EXPECT_EQ(NumberFieldShown(&items[kQuestPropsPerHero]), 120);
  EXPECT_TRUE(items[kQuestPropsHero1].flags & D_SELECTED);
  EXPECT_FALSE(items[kQuestPropsHero1 + 2].flags & D_SELECTED);
  EXPECT_TRUE(items[kQuestPropsMapW].flags & D_DISABLED);
  EXPECT_TRUE(items[kQuestPropsMapH].flags & D_DISABLED);
  EXPECT_EQ(items[kQuestPropsWandering].d1, 1);
  EXPECT_EQ(items[kQuestPropsBriefing].d2, 1) << "the story texts open at their start";

  Edit(nullptr);
  EXPECT_EQ(QuestHeader.qstdata[kQuestRewardPerHero], 120);
  EXPECT_EQ(QuestHeader.heroes[2], kHeroOffBoard);
}

TEST_F(QuestProperties, ALookWithoutChangesLeavesTheHeaderAsItWas) {
  // Escape and " OK " alike; a wandering monster the list cannot name and a reward past
  // its field stay as well.
  for (int closer : {-1, static_cast<int>(kQuestPropsOk)}) {
    SetUp();
    QuestHeader.qstdata[kQuestWandering] = 3;
    QuestHeader.qstdata[kQuestRewardGroup] = 5000;
    QuestHeaderRecord before = QuestHeader;
    Edit(nullptr, closer);
    EXPECT_EQ(memcmp(&before, &QuestHeader, sizeof before), 0) << "closed by " << closer;
  }
}

TEST_F(QuestProperties, EscapeKeepsTheChangesMade) {
  Edit(
      [](DIALOG* d) {
        strcpy(static_cast<char*>(d[kQuestPropsQuest].dp), "The Sunken Vault");
        d[kQuestPropsChapter].d2 = 5;
      },
      -1);
  EXPECT_STREQ(QuestHeader.quest, "The Sunken Vault");
  EXPECT_EQ(QuestHeader.chapter, 5);
  EXPECT_EQ(QuestHeader.chapters, 5);
}

TEST_F(QuestProperties, AShortPrefabTableLeavesTheWanderingMonsterAlone) {
  const int count = PrefabCount;
  PrefabCount = FirstMonsterPrefab + 5;
  Edit([](DIALOG* d) { d[kQuestPropsWandering].d1 = 4; });
  PrefabCount = count;
  EXPECT_EQ(QuestHeader.qstdata[kQuestWandering], FirstMonsterPrefab + 1);
}

TEST_F(QuestProperties, TextsAtTheirLimitsComeBackFromAQuestFileWhole) {
  TempFolder folder;
  const std::string title(kHeaderTextLen, 't');
  const std::string story(StoryTextLimit(), 's');
  Edit([&](DIALOG* d) {
    EXPECT_EQ(d[kQuestPropsQuest].d1, kHeaderTextLen);
    for (int item : {kQuestPropsBriefing, kQuestPropsVictory, kQuestPropsDefeat}) {
      EXPECT_EQ(d[item].d1, StoryTextLimit());
      strcpy(static_cast<char*>(d[item].dp), story.c_str());
    }
    strcpy(static_cast<char*>(d[kQuestPropsQuest].dp), title.c_str());
  });
  const std::string path = folder.File("limits.qst");
  ASSERT_EQ(SaveQuestFile(path.c_str(), 0), kSaveDone);
  ResetQuest(true);
  LoadQuest(path.c_str());
  EXPECT_EQ(QuestHeader.quest, title);
  EXPECT_EQ(QuestHeader.briefing, story);
  EXPECT_EQ(QuestHeader.victory, story);
  EXPECT_EQ(QuestHeader.defeat, story);
}

TEST_F(QuestProperties, AStoryTooLongForAFileIsCutToWhatItKeeps) {
  std::string longer(StoryTextLimit() + 50, 'v');
  CopyText(QuestHeader.victory, longer.c_str(), kStoryTextLen);
  Edit(nullptr);
  EXPECT_EQ(strlen(QuestHeader.victory), static_cast<size_t>(StoryTextLimit()));
}

}  // namespace
