#include <gtest/gtest.h>

#include <string>

#include "core/program_state.h"
#include "shell/main_menu.h"
#include "support/alert_checks.h"
#include "support/scripted_platform.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"

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
  const int entries[] = {kMenuDungeon, kMenuEditQuest, kMenuHallOfFame, kMenuManual};
  const char* names[] = {"THE DUNGEON", "EDIT QUEST", "HALL OF FAME", "GAME MANUAL"};
  for (int i = 0; i < 4; i++) {
    TestPlatform().Reset();
    ExitRequest = 0;
    EXPECT_EQ(ActOnMainMenuChoice(entries[i]), entries[i]);
    ASSERT_EQ(TestPlatform().alerts.size(), 1u);
    EXPECT_EQ(TestPlatform().alerts[0].l1, names[i]);
    EXPECT_NE(TestPlatform().alerts[0].l2.find("not built yet"), std::string::npos);
  }
}

TEST(MainMenu, ConfirmedExitEndsTheMenu) {
  TestPlatform().Reset();
  ExitRequest = 2;
  EXPECT_LT(ActOnMainMenuChoice(-2), 0);
  EXPECT_TRUE(TestPlatform().alerts.empty());
  ExitRequest = 0;
}

}  // namespace
