#include "ui/quest_dialogs.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cctype>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "core/game_options.h"
#include "core/program_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "quest/quest_test_util.h"
#include "support/scripted_platform.h"

namespace {

class QuestDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    strcpy(keepQuests, QuestsDir);
    strcpy(keepSaves, SavesDir);
    snprintf(QuestsDir, sizeof QuestsDir, "%s/", dir.File("quests").c_str());
    snprintf(SavesDir, sizeof SavesDir, "%s/", dir.File("saves").c_str());
    mkdir(dir.File("quests").c_str(), 0755);
    mkdir(dir.File("saves").c_str(), 0755);
    TestPlatform().Reset();
    GameOptions.developer = 0;
    EditorActive = 0;
    MakeSampleQuest();
  }
  void TearDown() override {
    strcpy(QuestsDir, keepQuests);
    strcpy(SavesDir, keepSaves);
    GameOptions.developer = 0;
    EditorActive = 0;
    SetFileSelector(nullptr);
  }
  bool Exists(const std::string& path) { return !ReadText(path).empty(); }
  int ChooseQuest(int mode, const std::string& chosen) {
    char path[512];
    snprintf(path, sizeof path, "%s", chosen.c_str());
    return QuestFileChosen(mode, path);
  }
  int ChooseSave(int mode, const std::string& chosen) {
    char path[512];
    snprintf(path, sizeof path, "%s", chosen.c_str());
    return SavedGameChosen(mode, path);
  }
  TempFolder dir;
  char keepQuests[1024], keepSaves[1024];
};

}  // namespace

TEST_F(QuestDialog, SavingSetsTheSeriesFromTheNameBeforeItsFirstDot) {
  std::string folder = dir.File("quests/");
  EXPECT_EQ(ChooseQuest(0, folder + "Dragon.Keep.qst"), 0);
  EXPECT_STREQ(QuestHeader.series, "Dragon");
  EXPECT_TRUE(Exists(folder + "dragon.keep.qst"));
  ResetQuest(true);
  EXPECT_EQ(ChooseQuest(1, folder + "dragon.keep.qst"), 0);
  EXPECT_EQ(QuestLoaded, 1);
  EXPECT_STREQ(QuestHeader.series, "Dragon");
}

TEST_F(QuestDialog, NameWithoutExtensionGetsTheQuestOrChapterExtension) {
  EXPECT_EQ(ChooseQuest(0, "Crypt"), 0);
  EXPECT_TRUE(Exists(dir.File("quests/crypt.qst")));
  EditorActive = 1;
  QuestHeader.chapter = 3;
  EXPECT_EQ(ChooseQuest(0, "Crypt"), 0);
  EXPECT_TRUE(Exists(dir.File("quests/crypt.q03")));
  EXPECT_TRUE(TestPlatform().alerts.empty());
}

TEST_F(QuestDialog, ExtensionRules) {
  struct Case {
    const char* what;
    bool quest;  // quest dialog, else saved-game dialog
    int editor, developer;
    const char* chosen;
    bool accepted;
  } cases[] = {
      {"quest file", true, 0, 0, "a.qst", true},
      {"upper-case extension", true, 0, 0, "b.QST", true},
      {"other extension refused", true, 0, 0, "c.txt", false},
      {"saved game refused by the quest dialog", true, 0, 0, "d.sav", false},
      {"any extension in the editor", true, 1, 0, "e.txt", true},
      {"any extension in developer mode", true, 0, 1, "f.bak", true},
      {"saved game", false, 0, 0, "g.sav", true},
      {"quest refused by the saved-game dialog", false, 0, 0, "h.qst", false},
      {"editor does not lift the saved-game rule", false, 1, 0, "i.qst", false},
      {"developer mode lifts it", false, 0, 1, "j.qst", true},
      {"a saved game's name needs its extension", false, 0, 0, "k", false},
      {"also in the editor", false, 1, 0, "l", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestPlatform().Reset();
    EditorActive = c.editor;
    GameOptions.developer = c.developer;
    std::string target = (c.quest ? dir.File("quests/") : dir.File("saves/")) + c.chosen;
    int result = c.quest ? ChooseQuest(0, target) : ChooseSave(0, target);
    for (char* p = &target[target.rfind('/') + 1]; *p; p++) *p = static_cast<char>(tolower(*p));
    EXPECT_EQ(Exists(target), c.accepted) << target;
    if (c.accepted) {
      EXPECT_EQ(result, 0);
      EXPECT_TRUE(TestPlatform().alerts.empty());
    } else {
      EXPECT_EQ(result, 1);
      ASSERT_EQ(TestPlatform().alerts.size(), 1u);
      const RecordedAlert& a = TestPlatform().alerts[0];
      EXPECT_EQ(a.l1, "Error:");
      EXPECT_EQ(a.l2, "   You are only allowed to   ");
      EXPECT_EQ(a.l3, c.quest ? "use the 'qst' extension." : "use the 'sav' extension.");
      EXPECT_EQ(a.b1, "OK");
      EXPECT_EQ(a.b2, "");
    }
  }
}

TEST_F(QuestDialog, SavedGameKeepsTheSeriesAndComesBack) {
  QuestHeader.savdata.WalkLeft = 3;
  EXPECT_EQ(ChooseSave(0, "Evening.sav"), 0);
  EXPECT_STREQ(QuestHeader.series, "Barrow");
  ASSERT_TRUE(Exists(dir.File("saves/evening.sav")));
  ResetQuest(true);
  EXPECT_EQ(ChooseSave(1, dir.File("saves/evening.sav")), 0);
  EXPECT_EQ(QuestLoaded, 1);
  EXPECT_STREQ(QuestHeader.series, "Barrow");
  EXPECT_EQ(QuestHeader.savdata.WalkLeft, 3);
}

TEST_F(QuestDialog, CancelledSelectorLeavesNothingLoadedAndSettlesTheKeyboard) {
  QuestLoaded = 1;
  TestPlatform().keys = {'x', 'y'};
  EXPECT_EQ(QuestFileDialog(1), 0);  // no screen here: the selector counts as cancelled
  EXPECT_EQ(QuestLoaded, 0);
  EXPECT_EQ(TestPlatform().waitedMs, 100);
  EXPECT_TRUE(TestPlatform().keys.empty());
  TestPlatform().keys = {'z'};
  EXPECT_EQ(SavedGameDialog(0), 0);
  EXPECT_EQ(TestPlatform().waitedMs, 200);
  EXPECT_TRUE(TestPlatform().keys.empty());
  EXPECT_TRUE(TestPlatform().alerts.empty());
}

namespace {

// A file selector played by the test: each showing records the path it opened on and
// answers with the next scripted choice (an empty one cancels).
std::vector<std::string> selectorOpenedOn;
std::deque<std::string> selectorChoices;

// The showing after which the player closes the window and confirms leaving.
size_t leaveAfterShowing = 0;

bool ScriptedSelector(char* path, const char* /*filter*/) {
  selectorOpenedOn.push_back(path);
  if (selectorOpenedOn.size() == leaveAfterShowing) ExitRequest = 2;
  if (selectorChoices.empty()) return false;
  std::string choice = selectorChoices.front();
  selectorChoices.pop_front();
  if (choice.empty()) return false;
  snprintf(path, kQuestPathSize, "%s", choice.c_str());
  return true;
}

class QuestDialogSelector : public QuestDialog {
 protected:
  void SetUp() override {
    QuestDialog::SetUp();
    selectorOpenedOn.clear();
    selectorChoices.clear();
    SetFileSelector(ScriptedSelector);
  }
};

}  // namespace

TEST_F(QuestDialogSelector, LoadingOpensOnTheQuestWhenItIsThereElseOnTheFolder) {
  std::string quests = dir.File("quests/"), saves = dir.File("saves/");
  const struct {
    const char* what;
    bool savedGame;
    bool fileThere;
    std::string opensOn;
  } cases[] = {
      {"quest there", false, true, quests + "barrow.qst"},
      {"quest missing", false, false, quests},
      {"saved game there", true, true, saves + "barrow.sav"},
      {"saved game missing", true, false, saves},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string file = (c.savedGame ? saves + "barrow.sav" : quests + "barrow.qst");
    remove(file.c_str());
    if (c.fileThere) WriteText(file, "QST102\n");
    selectorOpenedOn.clear();
    MakeSampleQuest();
    if (c.savedGame)
      SavedGameDialog(1);
    else
      QuestFileDialog(1);
    ASSERT_EQ(selectorOpenedOn.size(), 1u);
    EXPECT_EQ(selectorOpenedOn[0], c.opensOn);
  }
  // Saving keeps the name to save under, there or not.
  selectorOpenedOn.clear();
  MakeSampleQuest();
  remove((saves + "barrow.sav").c_str());
  SavedGameDialog(0);
  ASSERT_EQ(selectorOpenedOn.size(), 1u);
  EXPECT_EQ(selectorOpenedOn[0], saves + "barrow.sav");
}

TEST_F(QuestDialogSelector, AFileNotFoundBringsTheSelectorBackOnItsFolder) {
  std::string quests = dir.File("quests/");
  MakeSampleQuest();
  ASSERT_EQ(SaveQuestFile((quests + "crypt.qst").c_str(), 0), kSaveDone);
  // A name that is not there, then the quest itself.
  selectorChoices = {quests + "krypt.qst", quests + "crypt.qst"};
  QuestFileDialog(1);
  ASSERT_EQ(TestPlatform().alerts.size(), 1u);
  EXPECT_EQ(TestPlatform().alerts[0].l1, "  File not found:  ");
  ASSERT_EQ(selectorOpenedOn.size(), 2u);
  EXPECT_EQ(selectorOpenedOn[1], quests);
  EXPECT_EQ(QuestLoaded, 1);

  // Cancelling the selector that came back loads nothing.
  TestPlatform().Reset();
  selectorOpenedOn.clear();
  selectorChoices = {quests + "krypt.qst", ""};
  QuestFileDialog(1);
  EXPECT_EQ(selectorOpenedOn.size(), 2u);
  EXPECT_EQ(QuestLoaded, 0);

  // Leaving the program confirmed meanwhile (over the alert): the selector does not
  // come back.
  TestPlatform().Reset();
  selectorOpenedOn.clear();
  selectorChoices = {quests + "krypt.qst", quests + "crypt.qst"};
  leaveAfterShowing = 1;
  QuestFileDialog(1);
  EXPECT_EQ(selectorOpenedOn.size(), 1u);
  EXPECT_EQ(QuestLoaded, 0);
  leaveAfterShowing = 0;
  ExitRequest = 0;

  // A refused extension and a save are not tried again.
  TestPlatform().Reset();
  selectorOpenedOn.clear();
  selectorChoices = {quests + "notes.txt", quests + "crypt.qst"};
  QuestFileDialog(1);
  EXPECT_EQ(selectorOpenedOn.size(), 1u);
  EXPECT_EQ(QuestLoaded, 0);
  selectorOpenedOn.clear();
  selectorChoices = {dir.File("saves/") + "evening.sav", ""};
  SavedGameDialog(0);
  EXPECT_EQ(selectorOpenedOn.size(), 1u);
  EXPECT_FALSE(ReadText(dir.File("saves/evening.sav")).empty());
}
