#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "campaign/campaign_fixture.h"
#include "campaign/campaign_hooks.h"
#include "campaign/hall_of_fame.h"
#include "campaign/party.h"
#include "campaign/quest_screen.h"
#include "campaign/shop.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "core/random.h"
#include "dungeon/level_support.h"
#include "editor/edit_menu.h"
#include "editor/editor_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "quest/quest_paths.h"
#include "rules/options_dialog.h"
#include "rules/play_loop.h"
#include "rules/play_state.h"
#include "rules/scripted_dialog.h"
#include "shell/main_menu.h"
#include "support/alert_checks.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/manual_reader.h"
#include "ui/quest_dialogs.h"

namespace {

struct MenuRow {
  int x, y, w, h, key;
  const char* text;
};

TEST(MainMenu, ItemsStandInThreeGroups) {
  DIALOG items[kMenuItemCount];
  BuildMainMenu(items);
  EXPECT_EQ(DialogLayout.DialogW, 124);
  EXPECT_EQ(DialogLayout.DialogH, 242);
  EXPECT_EQ(items[kMenuBox].proc, ShadowBoxProc);
  EXPECT_EQ(std::string(static_cast<const char*>(items[kMenuBox].dp)), "Mainmenu");
  const MenuRow rows[] = {
      {234, 206, 124, 242, 0, "Mainmenu"},   {246, 234, 100, 22, '1', "PLAY QUEST"},
      {246, 262, 100, 22, '2', "THE DUNGEON"}, {246, 290, 100, 22, '3', "EDIT QUEST"},
      {246, 324, 100, 22, '4', "HALL OF FAME"}, {246, 352, 100, 22, '5', "GAME MANUAL"},
      {246, 386, 100, 22, '6', "OPTIONS.."},  {246, 414, 100, 22, 'X', "EXIT"},
  };
  for (int i = 0; i < 8; i++) {
    SCOPED_TRACE(rows[i].text);
    const DIALOG& d = items[i];
    EXPECT_EQ(d.x, rows[i].x);
    EXPECT_EQ(d.y, rows[i].y);
    EXPECT_EQ(d.w, rows[i].w);
    EXPECT_EQ(d.h, rows[i].h);
    EXPECT_EQ(d.key, rows[i].key);
    EXPECT_EQ(std::string(static_cast<const char*>(d.dp)), rows[i].text);
    EXPECT_EQ(d.fg, gui_fg_color);
    EXPECT_EQ(d.bg, gui_bg_color);
    if (i > 0) {
      EXPECT_EQ(d.proc, ButtonProc);
      EXPECT_TRUE(d.flags & D_EXIT);
    }
  }
  EXPECT_EQ(items[kMenuWatcher].proc, ExitWatcherProc);
  EXPECT_EQ(items[kMenuWatcher + 1].proc, nullptr);
}

struct ExitCase {
  int choice;
  int answer;
  int next;
};

TEST(MainMenu, ExitQuestionFromExitOrEscape) {
  const ExitCase cases[] = {
      {kMenuExit, 1, -1},          {kMenuExit, 2, kMenuOptions}, {-1, 1, -1},
      {-1, 2, kMenuOptions},       {-1, -1, kMenuOptions},  // a box closed without a choice stays
  };
  for (const ExitCase& c : cases) {
    SCOPED_TRACE(c.choice * 10 + c.answer);
    TestPlatform().Reset();
    ExitRequest = 0;
    TestPlatform().alertAnswers.push_back(c.answer);
    EXPECT_EQ(ActOnMainMenuChoice(c.choice), c.next);
    ASSERT_EQ(TestPlatform().alerts.size(), 1u);
    ExpectAlert(TestPlatform().alerts[0],
                {" ", "  Exit Dunmarrow?  ", " ", "OK", "CANCEL", 'O', 'C'});
  }
}

// EDIT QUEST: the editor on a fresh quest, left through its Edit menu's "EXIT"; the
// menu comes back with the entry focused.
TEST(MainMenu, EditQuestRunsTheEditorOnAFreshQuest) {
  TestPlatform().Reset();
  ExitRequest = 0;
  CopyText(QuestHeader.quest, "Left over", kHeaderTextLen);
  FloorMap[3][3] = 1;
  DialogRunner savedRules = RunRulesDialog;
  static int editorFloor = -1;
  editorFloor = -1;
  RunRulesDialog = [](DIALOG* items, int) -> int {
    editorFloor = FloorMap[3][3];  // the edit menu, opened from the editor
    return kEditExit;
  };
  TestPlatform().idleActs = {[](ScriptedPlatform& p) { p.held[KEY_ESC] = true; },
                             [](ScriptedPlatform& p) { p.held[KEY_ESC] = false; }};
  EXPECT_EQ(ActOnMainMenuChoice(kMenuEditQuest), kMenuEditQuest);
  RunRulesDialog = savedRules;
  EXPECT_FALSE(TestPlatform().ranOutOfActs);
  EXPECT_EQ(editorFloor, 8);  // a fresh board
  EXPECT_STRNE(QuestHeader.quest, "Left over");
  EXPECT_EQ(EditorTool, kToolNone);
  ASSERT_EQ(TestPlatform().alerts.size(), 1u);
  EXPECT_EQ(TestPlatform().alerts[0].l2, "  Exit to Mainmenu?  ");
}

// The dialog each entry opened, by its title.
std::string openedTitle;
int RecordTitle(DIALOG* items, int) {
  openedTitle = static_cast<const char*>(items[0].dp);
  return -1;
}

TEST(MainMenu, HallOfFameAndManualOpenTheirWindowsAndKeepTheirFocus) {
  TempFolder dir;
  char savedExe[sizeof ExePath];
  strcpy(savedExe, ExePath);
  snprintf(ExePath, sizeof ExePath, "%s/dunmarrow", dir.path().c_str());
  WriteText(dir.File("Dunmar.htm"), "<BODY>Manual");
  DialogRunner savedRules = RunRulesDialog;
  ManualDialogRunner savedManual = RunManualDialog;
  RunRulesDialog = RecordTitle;
  RunManualDialog = RecordTitle;
  const struct {
    int entry;
    const char* title;
  } cases[] = {{kMenuHallOfFame, "Hall of Fame"}, {kMenuManual, "Game Manual: Dunmar.htm"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    TestPlatform().Reset();
    ExitRequest = 0;
    openedTitle.clear();
    EXPECT_EQ(ActOnMainMenuChoice(c.entry), c.entry);
    EXPECT_EQ(openedTitle, c.title);
    EXPECT_TRUE(TestPlatform().alerts.empty());
  }
  RunRulesDialog = savedRules;
  RunManualDialog = savedManual;
  strcpy(ExePath, savedExe);
}

TEST(MainMenu, ConfirmedExitEndsTheMenu) {
  TestPlatform().Reset();
  ExitRequest = 2;
  EXPECT_LT(ActOnMainMenuChoice(-2), 0);
  EXPECT_TRUE(TestPlatform().alerts.empty());
  ExitRequest = 0;
}

// A quest file cut short loads without its board: the player is told why it cannot be
// played, and an incomplete map part is not taken for a whole one.
TEST(MainMenu, AQuestWithoutItsWholeMapIsNotPlayed) {
  TempFolder dir;
  ResetQuest(true);
  CopyText(QuestHeader.quest, "The Short Crypt", kHeaderTextLen);
  std::string whole = dir.File("whole.qst");
  ASSERT_EQ(SaveQuestFile(whole.c_str(), 0), kSaveDone);
  std::string text = ReadText(whole);
  size_t maps = text.find("# map data:");
  size_t doors = text.find("| Door map:");
  ASSERT_NE(maps, std::string::npos);
  ASSERT_NE(doors, std::string::npos);
  const struct {
    const char* what;
    std::string content;
    bool playable;
    const char* why;  // the alert's last line; nullptr: no alert
  } cases[] = {
      {"whole", text, true, nullptr},
      {"ends after the objects", text.substr(0, maps), false, "its map part is missing."},
      {"ends after the floor map", text.substr(0, doors), false,
       "77 of its 96 map rows are missing."},
      {"not a quest", "QST999\n", false, nullptr},  // the loader has told already
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteText(dir.File("q.qst"), c.content);
    TestPlatform().Reset();
    ExitRequest = 0;
    LoadQuest(dir.File("q.qst").c_str());
    size_t told = TestPlatform().alerts.size();
    EXPECT_EQ(LoadedQuestPlayable(), c.playable);
    EXPECT_EQ(QuestLoaded, c.playable ? 1 : 0);
    if (!c.why) {
      EXPECT_EQ(TestPlatform().alerts.size(), told);
      continue;
    }
    ASSERT_EQ(TestPlatform().alerts.size(), told + 1);
    ExpectAlert(TestPlatform().alerts.back(), {"  This quest cannot be played:  ",
                                               "The Short Crypt", c.why, "OK", "", 'O', 0});
  }
  ResetQuest(true);
  QuestLoaded = 0;
  MapRowsMissing = 0;
}

// ---------------------------------------------------------------- the chapter loop

// What happens in each chapter played, in order; each answers the play loop's outcome.
std::deque<std::function<int()>> gChapterPlays;
std::vector<int> gChaptersPlayed;
int ScriptedChapter() {
  gChaptersPlayed.push_back(QuestHeader.chapter);
  if (gChapterPlays.empty()) {
    ADD_FAILURE() << "a chapter was played more often than scripted";
    return kQuestLeft;
  }
  int outcome = gChapterPlays.front()();
  gChapterPlays.pop_front();
  return outcome;
}

// The quest selector picks the series' first chapter file, or nothing when cancelled.
bool gCancelSelector = false;
int ChooseFirstChapter(int mode) {
  QuestLoaded = 0;
  if (!gCancelSelector) LoadQuest(BuildQuestPath("saga", 1));
  return 0;
}

// A hero killed in play, as the rules leave him.
void KillHero(int k) {
  ObjectRecord& h = ObjectTable[k];
  h.side = kSideStatic;
  h.attribute[kLife] = 0;
  QuestHeader.heroes[k - 1] = kHeroOffBoard;
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++)
      if (ObjectMap[x][y] == k) ObjectMap[x][y] = 0;
}

class ChapterLoopTest : public ::testing::Test {
 protected:
  TempFolder dir;
  FakeGameData data;
  ScriptedDialogs dialogs;
  char savedQuestsDir[sizeof QuestsDir];

  void SetUp() override {
    TestPlatform().Reset();
    ExitRequest = 0;
    memcpy(savedQuestsDir, QuestsDir, sizeof QuestsDir);
    snprintf(QuestsDir, sizeof QuestsDir, "%s/", dir.path().c_str());
    ChooseQuestFile = ChooseFirstChapter;
    PlayChapter = ScriptedChapter;
    OpenShop = nullptr;
    gCancelSelector = false;
    gChapterPlays.clear();
    gChaptersPlayed.clear();
    for (int n = 0; n <= 27; n++) data.SetSample(kFirstSound + n);
    data.SetFont(kFontDialog);
    data.Install();
    SeedRandom(3);
    ResetHallOfFame();  // its last rank holds 30 experience: one won chapter is not enough
  }
  void TearDown() override {
    memcpy(QuestsDir, savedQuestsDir, sizeof QuestsDir);
    ChooseQuestFile = QuestFileDialog;
    PlayChapter = PlayQuest;
    OpenShop = Shop;
    EmptyParty();
    ResetHallOfFame();
    ResetQuest(true);
    QuestLoaded = 0;
    ExitRequest = 0;
    InstallGameData(nullptr);
  }
  // Chapter `chapter` of the series "saga" in the quests folder.
  void WriteChapter(int chapter, int chapters) {
    MakeChapter("saga", chapter, chapters);
    ASSERT_EQ(SaveQuestFile(BuildQuestPath("saga", chapter), 0), kSaveDone);
  }
  std::string ChapterFile(int chapter) { return BuildQuestPath("saga", chapter); }
  static bool Logged(const std::string& text) {
    for (int i = 0; i < kMessageLogLines; i++)
      if (text == LoggedLine(i).text) return true;
    return false;
  }
};

// The heroes go from one chapter to the next as they left it: renamed, with their
// rewards, without keys, the fallen as fresh recruits who wait to be chosen.
TEST_F(ChapterLoopTest, ThePartyGoesOnFromChapterToChapter) {
  WriteChapter(1, 2);
  WriteChapter(2, 2);
  ObjectRecord atStart[5];
  int statesAtStart[4];
  gChapterPlays = {
      [] {
        ObjectTable[1].inventory[kInvGold] += 25;
        ObjectTable[1].inventory[kInvRedKeys] = 1;
        ObjectTable[1].attribute[kLife] = 2;  // badly hurt
        KillHero(2);
        return kQuestWon;
      },
      [&] {
        memcpy(atStart, ObjectTable, sizeof atStart);
        for (int k = 0; k < 4; k++) statesAtStart[k] = QuestHeader.heroes[k];
        return kQuestWon;
      },
  };
  dialogs.Script({[](DIALOG* items) {
                    CopyText(static_cast<char*>(items[kQuestName1].dp), "Conan", 14);
                    return kQuestOk;
                  },
                  Press(kQuestOk), Press(kQuestOk), Press(kQuestOk), Press(kQuestOk)});
  EXPECT_EQ(ActOnMainMenuChoice(kMenuPlayQuest), kMenuPlayQuest);

  EXPECT_EQ(gChaptersPlayed, (std::vector<int>{1, 2}));
  // With 40 experience after the second chapter the heroes enter the Hall of Fame.
  EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Briefing", "Victory!", "Briefing",
                                                      "Hall of Fame", "Victory!"}));
  // 40 ranks seventh, after the 40 already there; the others who enter push him down.
  bool recorded = false;
  for (const HallOfFameEntry& e : HallOfFame)
    recorded |= std::string(e.name) == "Conan" && std::string(e.quest) == "Chapter 2";
  EXPECT_TRUE(recorded);
  EXPECT_TRUE(TestPlatform().alerts.empty());
  // Chapter 2 began with the party: 10 gold of his own, 25 found, 30 + 100 / 3 won.
  const ObjectRecord& conan = atStart[1];
  EXPECT_STREQ(conan.name, "Conan");
  EXPECT_EQ(conan.inventory[kInvGold], 10 + 25 + 63);
  EXPECT_EQ(conan.inventory[kInvRedKeys], 0);
  EXPECT_EQ(conan.exp, 20);
  EXPECT_EQ(conan.attribute[kLife], 9);  // topped up at the briefing
  const ObjectRecord& recruit = atStart[2];
  EXPECT_EQ(recruit.side, kSideHero);
  EXPECT_EQ(recruit.inventory[kInvGold], 0);
  EXPECT_EQ(recruit.exp, 0);
  EXPECT_EQ(recruit.attribute[kLife], 8);
  EXPECT_EQ(atStart[3].inventory[kInvGold], 30 + 63);
  // Only heroes with experience were chosen: the recruit stayed behind.
  EXPECT_EQ(std::vector<int>(statesAtStart, statesAtStart + 4), (std::vector<int>{1, 0, 1, 1}));
  // And after chapter 2 the party holds the second rewards (100 / 3 again).
  EXPECT_EQ(PartyTable[0].inventory[kInvGold], 98 + 63);
  EXPECT_EQ(PartyTable[0].exp, 40);
  EXPECT_EQ(PartyTable[1].inventory[kInvGold], 0);
  EXPECT_TRUE(Logged("Closing Quest..."));
}

TEST_F(ChapterLoopTest, ALostChapterIsPlayedAgain) {
  WriteChapter(1, 2);
  WriteChapter(2, 2);
  gChapterPlays = {[] { return kQuestLost; }, [] { return kQuestWon; },
                   [] { return kQuestLost; }, [] { return kQuestWon; }};
  dialogs.Script(std::vector<DialogStep>(9, Press(kQuestOk)));
  ActOnMainMenuChoice(kMenuPlayQuest);
  EXPECT_EQ(gChaptersPlayed, (std::vector<int>{1, 1, 2, 2}));
  EXPECT_EQ(dialogs.titles,
            (std::vector<std::string>{"Briefing", "Defeat..", "Briefing", "Victory!", "Briefing",
                                      "Defeat..", "Briefing", "Hall of Fame", "Victory!"}));
}

// A chapter file that cannot be played ends the series with a word; the party is kept
// as the last chapter left it.
TEST_F(ChapterLoopTest, AChapterThatCannotBePlayedEndsTheSeries) {
  WriteChapter(1, 3);
  WriteChapter(2, 3);
  const std::string whole = ReadText(ChapterFile(2));
  const struct {
    const char* what;
    std::string content;  // of saga.q02; empty: no file
    const char* why;
  } cases[] = {
      {"missing", "", "is missing or damaged."},
      {"not a quest file", "QST999\n", "is missing or damaged."},
      {"its map cut off", whole.substr(0, whole.find("# map data:")), "is missing or damaged."},
      {"another chapter in it", "", "holds chapter 1, not chapter 2."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    remove(ChapterFile(2).c_str());
    if (!c.content.empty()) WriteText(ChapterFile(2), c.content);
    if (std::string(c.what) == "another chapter in it")
      WriteText(ChapterFile(2), ReadText(ChapterFile(1)));
    TestPlatform().Reset();
    gChaptersPlayed.clear();
    gChapterPlays = {[] {
      ObjectTable[1].inventory[kInvGold] = 500;
      return kQuestWon;
    }};
    dialogs.Script({Press(kQuestOk), Press(kQuestOk)});
    ActOnMainMenuChoice(kMenuPlayQuest);

    EXPECT_EQ(gChaptersPlayed, std::vector<int>{1});
    EXPECT_EQ(dialogs.showings, 2);  // no briefing of a chapter 2
    ASSERT_FALSE(TestPlatform().alerts.empty());
    const RecordedAlert& last = TestPlatform().alerts.back();
    EXPECT_EQ(last.l1, "  The campaign ends here:  ");
    EXPECT_EQ(last.l2, "saga.q02");
    EXPECT_EQ(last.l3, c.why);
    EXPECT_EQ(QuestLoaded, 0);
    EXPECT_EQ(PartyTable[0].inventory[kInvGold], 500 + 30 + 25);
    EXPECT_EQ(PartyTable[0].exp, 20);
    EXPECT_TRUE(Logged("Closing Quest..."));
  }
}

TEST_F(ChapterLoopTest, LeavingTheBriefingOrTheSelectorEndsTheSeries) {
  WriteChapter(1, 2);
  PartyTable[0] = ObjectTable[1];  // a party of an earlier series
  dialogs.Script({Press(-1)});
  ActOnMainMenuChoice(kMenuPlayQuest);
  EXPECT_TRUE(gChaptersPlayed.empty());
  EXPECT_FALSE(PartyHas(1));  // emptied when the series started
  EXPECT_TRUE(Logged("Closing Quest..."));

  // Cancelled in the selector: back to the menu without the closing picture.
  for (int i = 0; i < kMessageLogLines; i++) PrintMessage(TextColor2, "-");
  gCancelSelector = true;
  dialogs.Script({});
  ActOnMainMenuChoice(kMenuPlayQuest);
  EXPECT_EQ(dialogs.showings, 0);
  EXPECT_FALSE(Logged("Closing Quest..."));
}

TEST_F(ChapterLoopTest, ClosingTheProgramInPlayEndsTheSeries) {
  WriteChapter(1, 2);
  WriteChapter(2, 2);
  gChapterPlays = {[] {
    ExitRequest = 2;
    return kQuestPlaying;
  }};
  dialogs.Script({Press(kQuestOk)});
  EXPECT_LT(ActOnMainMenuChoice(kMenuPlayQuest), 0);
  EXPECT_EQ(gChaptersPlayed, std::vector<int>{1});
  EXPECT_EQ(dialogs.showings, 1);
}

// ---------------------------------------------------------------- the Magic Dungeon

class DungeonMenuTest : public LevelTest {
 protected:
  ScriptedDialogs dialogs;
  void SetUp() override {
    LevelTest::SetUp();
    TestPlatform().Reset();
    ExitRequest = 0;
    InstallCampaignHooks();
    PlayChapter = ScriptedChapter;
    OpenShop = nullptr;
    gChapterPlays.clear();
    gChaptersPlayed.clear();
    SeedRandom(11);
  }
  void TearDown() override {
    PlayChapter = PlayQuest;
    ChooseQuestFile = QuestFileDialog;
    OpenShop = Shop;
    EmptyParty();
    QuestLoaded = 0;
    ExitRequest = 0;
    LevelTest::TearDown();
  }
};

// THE DUNGEON: the briefing of level 1 with one hero chosen, the descent played, and
// the defeat screen after it; nothing more follows.
TEST_F(DungeonMenuTest, TheDungeonIsBriefedPlayedAndEndsWithItsResult) {
  bool chosen[4] = {};
  dialogs.Script({[&](DIALOG* items) {
                    for (int k = 0; k < 4; k++)
                      chosen[k] = (items[kQuestCheck1 + k].flags & D_SELECTED) != 0;
                    return kQuestOk;
                  },
                  Press(kQuestOk)});
  gChapterPlays = {[] { return kQuestLost; }};
  EXPECT_EQ(ActOnMainMenuChoice(kMenuDungeon), kMenuDungeon);
  EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Briefing", "Defeat.."}));
  EXPECT_EQ(std::vector<bool>(chosen, chosen + 4), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(MaxHeroes, 1);
  EXPECT_EQ(gChaptersPlayed, std::vector<int>{1});
  EXPECT_STREQ(QuestHeader.series, "dungeon");
  EXPECT_TRUE(TestPlatform().alerts.empty());
}

// A saved game of the Magic Dungeon chosen under PLAY QUEST goes on with its one hero,
// and a defeat there ends it: there are no chapter files to look for.
TEST_F(DungeonMenuTest, ASavedDescentFromPlayQuestKeepsOneHeroAndLooksForNoChapter) {
  TempFolder dir;
  static std::string saved;
  saved = dir.File("deep.sav");
  StartDungeon(4242);
  ASSERT_EQ(enterDungeonLevel(1, 0), kLevelBuilt);
  ASSERT_EQ(enterDungeonLevel(2, 1), kLevelBuilt);
  ObjectTable[1].exp = 50;
  ASSERT_EQ(SaveQuestFile(saved.c_str(), 0), kSaveDone);
  ChooseQuestFile = [](int) {
    LoadQuest(saved.c_str());
    return 0;
  };
  dialogs.Script({Press(kQuestOk), Press(kQuestOk)});
  gChapterPlays = {[] { return kQuestLost; }};
  ActOnMainMenuChoice(kMenuPlayQuest);
  EXPECT_EQ(MaxHeroes, 1);
  EXPECT_EQ(gChaptersPlayed, std::vector<int>{2});
  EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Briefing", "Defeat.."}));
  EXPECT_TRUE(TestPlatform().alerts.empty()) << TestPlatform().alerts[0].l1;
}

}  // namespace
