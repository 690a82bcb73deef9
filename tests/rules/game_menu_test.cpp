#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "rules/game_menu.h"
#include "rules/options_dialog.h"
#include "rules/play_hooks.h"
#include "rules/play_state.h"
#include "scripted_dialog.h"
#include "support/alert_checks.h"
#include "support/fake_game_data.h"
#include "support/pixel_colors.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "ui/dialog_items.h"
#include "ui/quest_dialogs.h"

namespace {

int gBriefings = 0;
void CountBriefing() { gBriefings++; }

// The saved game the tests' file selector picks, and what it was asked for.
std::string gChosenFile;
std::vector<int> gChooserModes;
int ChooseTestFile(int mode) {
  gChooserModes.push_back(mode);
  if (gChosenFile.empty()) return 0;  // cancelled
  char path[512];
  CopyText(path, gChosenFile.c_str(), 511);
  SavedGameChosen(mode, path);
  return 0;
}

const Rgb kFloorColor = {90, 120, 60};
const Rgb kHeroColor = {0, 0, 250};
const Rgb kGround = {40, 40, 24};  // the board background

class GameMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetQuest(true);
    ResetPlayState();
    SetDefaultGameOptions();
    ResetScreenLayout();
    TestPlatform().Reset();
    ExitRequest = 0;
    PlayHook = PlayHooks{};
    gBriefings = 0;
    gChosenFile.clear();
    gChooserModes.clear();
    savedChooser = ChooseSavedGame;
    ChooseSavedGame = ChooseTestFile;
    for (int code = 1; code <= 27; code++)
      data.SetBitmap(code + kFloorPictureOffset, 25, 25,
                     makecol(kFloorColor.r, kFloorColor.g, kFloorColor.b));
    data.SetBitmap(kFirstObjectPicture + 1, 20, 20, makecol(kHeroColor.r, kHeroColor.g, kHeroColor.b));
    data.SetFont(kFontDialog);
    data.Install();
    QuestLoaded = 1;
  }
  void TearDown() override {
    ChooseSavedGame = savedChooser;
    PlayHook = PlayHooks{};
    ExitRequest = 0;
    ResetQuest(true);
    ResetPlayState();
    SetDefaultGameOptions();
  }
  // A quest in progress: a hero in a revealed room, a monster in the dark.
  void SetUpGame() {
    CopyText(QuestHeader.series, "trial", kHeaderTextLen);
    CopyText(QuestHeader.quest, "The Trial", kHeaderTextLen);
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) FloorMap[x][y] = 8;
    for (int x = 2; x <= 6; x++)
      for (int y = 2; y <= 5; y++) VisibilityMap[x][y] = 1;
    ObjectRecord& hero = ObjectTable[1];
    CopyText(hero.name, "Barbarian", kNameLen);
    hero.side = kSideHero;
    hero.picture[kPicNumber] = 1;
    hero.attribute[kLife] = 7;
    ObjectMap[3][3] = 1;
    ObjectRecord& orc = ObjectTable[5];
    CopyText(orc.name, "Orc", kNameLen);
    orc.side = kSideGreenskin;
    orc.picture[kPicNumber] = 1;
    ObjectMap[20][15] = 5;
    QuestHeader.heroes[0] = kHeroInPlay;
    CurrentObject = 1;
    WalkLeft = 4;
    ActionState = kActionMoving;
  }
  Rgb BoardAt(int x, int y) { return PixelAt(BoardBitmap, x * kTileSize + 12, y * kTileSize + 12); }

  FakeGameData data;
  ScriptedDialogs dialogs;
  SavedGameChooser savedChooser = nullptr;
};

TEST_F(GameMenuTest, SixButtonsCentredOnTheBoard) {
  DIALOG items[kGameMenuItemCount];
  BuildGameMenu(items);
  EXPECT_EQ(items[kGameMenuBox].proc, ShadowBoxProc);
  EXPECT_STREQ(static_cast<const char*>(items[kGameMenuBox].dp), "Gamemenu");
  struct Row {
    int key;
    const char* text;
  } rows[] = {{'1', "RESUME PLAY"}, {'2', "BRIEFING.."}, {'3', "LOAD GAME"},
              {'4', "SAVE GAME"},   {'5', "OPTIONS.."},  {'X', "EXIT"}};
  const DIALOG& box = items[kGameMenuBox];
  for (int i = 0; i < 6; i++) {
    const DIALOG& d = items[kGameMenuResume + i];
    SCOPED_TRACE(rows[i].text);
    EXPECT_EQ(d.proc, ButtonProc);
    EXPECT_STREQ(static_cast<const char*>(d.dp), rows[i].text);
    EXPECT_EQ(d.key, rows[i].key);
    EXPECT_TRUE(d.flags & D_EXIT);
    EXPECT_GE(d.y, box.y + 16);
    EXPECT_LE(d.y + d.h, box.y + box.h);
    if (i > 0) {
      EXPECT_GT(d.y, items[kGameMenuResume + i - 1].y + 22);
    }
  }
  EXPECT_EQ(items[kGameMenuWatcher].proc, ExitWatcherProc);
  EXPECT_EQ(items[kGameMenuItemCount - 1].proc, nullptr);
  // Centred on the board picture wherever the panels were dragged.
  EXPECT_EQ(box.x + box.w / 2, ScreenLayout.boardX + kBoardBitmapW / 2);
  EXPECT_EQ(box.y + box.h / 2, ScreenLayout.boardY + kBoardBitmapH / 2);
}

TEST_F(GameMenuTest, EachChoiceClosesOrStays) {
  PlayHook.showBriefing = CountBriefing;
  struct Case {
    const char* name;
    std::vector<DialogStep> steps;
    std::vector<int> answers;  // to the exit question
    int result;
    int briefings;
    int exitQuestions;
  } cases[] = {
      {"resume", {Press(kGameMenuResume)}, {}, 0, 0, 0},
      {"escape", {Press(-1)}, {}, 0, 0, 0},
      {"briefing, then resume", {Press(kGameMenuBriefing), Press(kGameMenuResume)}, {}, 0, 1, 0},
      {"exit confirmed", {Press(kGameMenuExit)}, {1}, 1, 0, 1},
      {"exit cancelled, then resume", {Press(kGameMenuExit), Press(kGameMenuResume)}, {2}, 0, 0, 1},
      {"exit box closed, then escape", {Press(kGameMenuExit), Press(-1)}, {-1}, 0, 0, 1},
      {"exit cancelled twice, then confirmed",
       {Press(kGameMenuExit), Press(kGameMenuExit), Press(kGameMenuExit)}, {2, 2, 1}, 1, 0, 3},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestPlatform().Reset();
    gBriefings = 0;
    for (int a : c.answers) TestPlatform().alertAnswers.push_back(a);
    dialogs.Script(c.steps);
    EXPECT_EQ(GameMenu(), c.result);
    EXPECT_EQ(dialogs.showings, static_cast<int>(c.steps.size()));
    EXPECT_EQ(gBriefings, c.briefings);
    ASSERT_EQ(static_cast<int>(TestPlatform().alerts.size()), c.exitQuestions);
    for (const RecordedAlert& a : TestPlatform().alerts)
      ExpectAlert(a, {" ", "  Exit to Mainmenu?  ", " ", "OK", "CANCEL", 'O', 'C'});
    EXPECT_EQ(ReloadedFlag, 0);
  }
}

TEST_F(GameMenuTest, BriefingWithoutAHookStaysQuietly) {
  dialogs.Script({Press(kGameMenuBriefing), Press(kGameMenuResume)});
  EXPECT_EQ(GameMenu(), 0);
  EXPECT_EQ(dialogs.showings, 2);
}

TEST_F(GameMenuTest, OptionsOpenOverTheMenuAndTheMenuStays) {
  dialogs.Script({
      Press(kGameMenuOptions),
      [](DIALOG* items) {
        items[kOptionsTargetHeroes].flags |= D_SELECTED;
        return kOptionsOk;
      },
      Press(kGameMenuResume),
  });
  EXPECT_EQ(GameMenu(), 0);
  EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Gamemenu", "Options", "Gamemenu"}));
  EXPECT_EQ(GameOptions.targetheroes, 1);
}

TEST_F(GameMenuTest, AClosingProgramClosesTheMenu) {
  // The close button's question answered with OK inside the menu (its watcher item), or
  // inside the options dialog over it.
  dialogs.Script({[](DIALOG*) {
    ExitRequest = 2;
    return kGameMenuWatcher;
  }});
  EXPECT_EQ(GameMenu(), 0);
  EXPECT_EQ(dialogs.showings, 1);
  ExitRequest = 0;
  dialogs.Script({Press(kGameMenuOptions), [](DIALOG*) {
                    ExitRequest = 2;
                    return kOptionsWatcher;
                  }});
  EXPECT_EQ(GameMenu(), 0);
  EXPECT_EQ(dialogs.showings, 2);
}

TEST_F(GameMenuTest, ASavedGameComesBackWithItsTurn) {
  TempFolder folder;
  SetUpGame();
  gChosenFile = folder.File("trial.sav");

  dialogs.Script({Press(kGameMenuSave), Press(kGameMenuResume)});
  EXPECT_EQ(GameMenu(), 0);
  EXPECT_EQ(gChooserModes, std::vector<int>{0});
  ASSERT_TRUE(FileExists(gChosenFile));
  EXPECT_EQ(ReadText(gChosenFile).substr(0, 6), "QST102");
  EXPECT_EQ(ReloadedFlag, 0);

  // Play goes on: the hero moves and is wounded, another turn begins.
  ObjectMap[3][3] = 0;
  ObjectMap[4][3] = 1;
  ObjectTable[1].attribute[kLife] = 2;
  CurrentObject = 5;
  WalkLeft = 0;
  ClearBoardPicture();

  gChooserModes.clear();
  dialogs.Script({Press(kGameMenuLoad)});  // closes at once
  EXPECT_EQ(GameMenu(), 0);
  EXPECT_EQ(gChooserModes, std::vector<int>{1});
  EXPECT_EQ(ReloadedFlag, 1);
  EXPECT_EQ(QuestLoaded, 1);
  EXPECT_EQ(ObjectMap[3][3], 1);
  EXPECT_EQ(ObjectMap[4][3], 0);
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 7);
  EXPECT_EQ(CurrentObject, 1);
  EXPECT_EQ(WalkLeft, 4);
  EXPECT_STREQ(QuestHeader.series, "trial");
  // The board picture shows what the saved game had revealed, and nothing else.
  EXPECT_EQ(BoardAt(3, 3), kHeroColor);
  EXPECT_EQ(BoardAt(5, 5), kFloorColor);
  EXPECT_EQ(BoardAt(10, 10), kGround);
  EXPECT_EQ(BoardAt(20, 15), kGround);  // the orc stays in the dark
}

TEST_F(GameMenuTest, ACancelledLoadKeepsTheGameAndTheMenu) {
  SetUpGame();
  dialogs.Script({Press(kGameMenuLoad), Press(kGameMenuResume)});
  EXPECT_EQ(GameMenu(), 0);
  EXPECT_EQ(dialogs.showings, 2);
  EXPECT_EQ(ReloadedFlag, 0);
  EXPECT_EQ(QuestLoaded, 1);
  EXPECT_EQ(ObjectMap[3][3], 1);
}

TEST_F(GameMenuTest, ARefusedNameLoadsNothing) {
  TempFolder folder;
  SetUpGame();
  gChosenFile = folder.File("trial.qst");  // saved games only
  dialogs.Script({Press(kGameMenuLoad), Press(kGameMenuResume)});
  EXPECT_EQ(GameMenu(), 0);
  ASSERT_EQ(TestPlatform().alerts.size(), 1u);
  EXPECT_EQ(TestPlatform().alerts[0].l3, "use the 'sav' extension.");
  EXPECT_EQ(ReloadedFlag, 0);
  EXPECT_EQ(ObjectMap[3][3], 1);
}

TEST_F(GameMenuTest, AnUnreadableSaveKeepsTheGameInPlayWithAMessage) {
  TempFolder folder;
  WriteText(folder.File("broken.sav"), "not a saved game\n");
  // Cut short after the header: the loader has already overwritten the quest by then.
  WriteText(folder.File("cut.sav"), "QST102\n|\nseries    trial\nquest     Other\n");
  // Whole but for its last map rows: read as a quest, with holes in the board.
  SetUpGame();
  ASSERT_EQ(SaveQuestFile(folder.File("holes.sav").c_str(), 0), kSaveDone);
  const std::string whole = ReadText(folder.File("holes.sav"));
  WriteText(folder.File("holes.sav"), whole.substr(0, whole.find("| Look/Walk script map:")));
  const std::string files[] = {folder.File("missing.sav"), folder.File("broken.sav"),
                               folder.File("cut.sav"), folder.File("holes.sav")};
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    SetUpGame();
    TestPlatform().Reset();
    gChosenFile = file;
    dialogs.Script({Press(kGameMenuLoad), Press(kGameMenuResume)});
    EXPECT_EQ(GameMenu(), 0);  // play goes on
    EXPECT_EQ(ReloadedFlag, 0);
    EXPECT_LE(TestPlatform().alerts.size(), 1u);  // the loader's own explanation, if any
    EXPECT_STREQ(LoggedLine(0).text, "The saved game could not be loaded.");
    EXPECT_STREQ(QuestHeader.quest, "The Trial");
    EXPECT_EQ(ObjectMap[3][3], 1);
    EXPECT_EQ(ObjectTable[1].attribute[kLife], 7);
    EXPECT_EQ(WalkLeft, 4);
    EXPECT_EQ(QuestLoaded, 1);
  }
}

}  // namespace
