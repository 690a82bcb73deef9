#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/program_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "rules/options_dialog.h"
#include "shell/main_menu.h"
#include "support/alert_checks.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/manual_reader.h"

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

TEST(MainMenu, UnbuiltPartsSaySoAndKeepTheirFocus) {
  const int entries[] = {kMenuDungeon, kMenuEditQuest};
  const char* names[] = {"THE DUNGEON", "EDIT QUEST"};
  for (int i = 0; i < 2; i++) {
    TestPlatform().Reset();
    ExitRequest = 0;
    EXPECT_EQ(ActOnMainMenuChoice(entries[i]), entries[i]);
    ASSERT_EQ(TestPlatform().alerts.size(), 1u);
    EXPECT_EQ(TestPlatform().alerts[0].l1, names[i]);
    EXPECT_NE(TestPlatform().alerts[0].l2.find("not built yet"), std::string::npos);
  }
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

}  // namespace
