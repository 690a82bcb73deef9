// The editor as an author uses it: steps taken back and done again, the questions
// before unsaved work is lost, saving, test play, and the loop driven by a scripted
// mouse and keyboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "campaign/party.h"
#include "core/game_data.h"
#include "core/program_state.h"
#include "dungeon/board_access.h"
#include "editor/edit_menu.h"
#include "editor/editor_loop.h"
#include "editor/editor_state.h"
#include "editor/editor_tools.h"
#include "editor/test_play.h"
#include "editor/undo.h"
#include "quest/prefab_file.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "render/screen_layout.h"
#include "rules/options_dialog.h"
#include "rules/play_state.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "ui/dialog_items.h"
#include "ui/quest_dialogs.h"

#include "fixture_quest.h"

namespace {

using namespace fixture;

// The quest in everything a step is about, as raw bytes.
bool SameQuest(const QuestSnapshot& a, const QuestSnapshot& b) {
  return memcmp(&a.header, &b.header, sizeof a.header) == 0 &&
         memcmp(a.objects, b.objects, sizeof a.objects) == 0 &&
         memcmp(a.floor, b.floor, sizeof a.floor) == 0 &&
         memcmp(a.door, b.door, sizeof a.door) == 0 &&
         memcmp(a.object, b.object, sizeof a.object) == 0 &&
         memcmp(a.script, b.script, sizeof a.script) == 0;
}
QuestSnapshot* Now() {
  QuestSnapshot* s = new QuestSnapshot;
  TakeQuestSnapshot(s);
  return s;
}
bool LiveIs(const QuestSnapshot& s) {
  QuestSnapshot* now = Now();
  const bool same = SameQuest(*now, s);
  delete now;
  return same;
}

// The dialogs' answers, in order: each is the item that closes the dialog.
std::vector<int> gDialogAnswers;
int gDialogsRun = 0;
int ScriptedDialog(DIALOG*, int) {
  gDialogsRun++;
  if (gDialogAnswers.empty()) return -1;
  const int a = gDialogAnswers.front();
  gDialogAnswers.erase(gDialogAnswers.begin());
  return a;
}

std::function<void(int)> gFileDialog;
int FakeFileDialog(int mode) {
  if (gFileDialog) gFileDialog(mode);
  return 0;
}

class EditorSession : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InstallShippedMaterial()) << "build the game first";
  }
  void SetUp() override {
    TestPlatform().Reset();
    ExitRequest = 0;
    BuildBase();
    keptDialog_ = RunRulesDialog;
    RunRulesDialog = ScriptedDialog;
    EditorQuestFileDialog = FakeFileDialog;
    gDialogAnswers.clear();
    gDialogsRun = 0;
    gFileDialog = nullptr;
    EditorTool = kToolFloor;
    EditorItem = 1;
    ClearEditHistory();
  }
  void TearDown() override {
    RunRulesDialog = keptDialog_;
    EditorQuestFileDialog = QuestFileDialog;
    TestPlayShowBriefing = nullptr;
    EditorTool = kToolNone;
    ExitRequest = 0;
    ResetQuest(true);
  }
  DialogRunner keptDialog_ = nullptr;
};

// A mixed run of edits, each one step; one that changes nothing is none.
using Edit = std::function<void()>;
const std::vector<Edit>& MixedEdits() {
  static const std::vector<Edit> edits = {
      [] { PaintFloorRect(13, 10, 17, 14, 20); },
      [] { CycleDoor(13, 12, kDoorWest); },
      [] { PlaceObject(kGoblin, 15, 12); },
      [] { PaintFloorRect(1, 1, 3, 3, 8); },  // over two heroes: the objects stay
      [] { EraseRect(0, 0, 4, 4); },
      [] {  // what a property dialog does
        CopyText(QuestHeader.quest, "Renamed", kHeaderTextLen);
        ObjectTable[Skeleton].attribute[kLife] = 9;
      },
      [] { CycleDoor(13, 12, kDoorWest); },
  };
  return edits;
}

TEST_F(EditorSession, UndoAndRedoWalkTheStepsBackAndForthByteForByte) {
  std::vector<QuestSnapshot*> states{Now()};
  for (const Edit& edit : MixedEdits()) {
    edit();
    ASSERT_TRUE(RecordEditStep());
    states.push_back(Now());
  }
  // Refused and empty actions make no step.
  EXPECT_EQ(CycleDoor(0, 5, kDoorWest), 1);
  EXPECT_FALSE(RecordEditStep());
  EXPECT_FALSE(RedoEditStep());

  const int n = static_cast<int>(MixedEdits().size());
  ASSERT_EQ(UndoStepsAvailable(), n);
  for (int i = n - 1; i >= 0; i--) {
    ASSERT_TRUE(UndoEditStep());
    EXPECT_TRUE(LiveIs(*states[i])) << "after taking back step " << i + 1;
  }
  EXPECT_FALSE(UndoEditStep());
  EXPECT_TRUE(LiveIs(*states[0]));
  for (int i = 1; i <= n; i++) {
    ASSERT_TRUE(RedoEditStep());
    EXPECT_TRUE(LiveIs(*states[i])) << "after doing step " << i << " again";
  }
  // A new edit after taking steps back drops the steps ahead.
  UndoEditStep();
  UndoEditStep();
  PaintFloorRect(20, 15, 21, 16, 3);
  EXPECT_TRUE(RecordEditStep());
  EXPECT_EQ(RedoStepsAvailable(), 0);
  EXPECT_FALSE(RedoEditStep());
  UndoEditStep();
  EXPECT_TRUE(LiveIs(*states[n - 2]));
  for (QuestSnapshot* s : states) delete s;
}

TEST_F(EditorSession, AHundredStepsCanBeTakenBack) {
  std::vector<QuestSnapshot*> states{Now()};
  for (int i = 0; i < kUndoSteps + 5; i++) {
    FloorMap[i % kBoardW][i / kBoardW] = 3;  // a cell of its own each time
    ASSERT_TRUE(RecordEditStep()) << i;
    states.push_back(Now());
  }
  EXPECT_EQ(UndoStepsAvailable(), kUndoSteps);
  for (int i = 0; i < kUndoSteps; i++) ASSERT_TRUE(UndoEditStep());
  EXPECT_FALSE(UndoEditStep());
  EXPECT_TRUE(LiveIs(*states[5]));
  for (QuestSnapshot* s : states) delete s;
}

TEST_F(EditorSession, UnsavedChangesFollowTheStepsAndTheSaves) {
  EXPECT_FALSE(QuestHasUnsavedChanges());
  PaintFloorRect(13, 10, 14, 11, 3);
  RecordEditStep();
  EXPECT_TRUE(QuestHasUnsavedChanges());
  UndoEditStep();
  EXPECT_FALSE(QuestHasUnsavedChanges());  // back where it was saved
  RedoEditStep();
  EXPECT_TRUE(QuestHasUnsavedChanges());
  MarkQuestSaved();
  EXPECT_FALSE(QuestHasUnsavedChanges());
  // Drawing reveals tiles: no change to the quest.
  VisibilityMap[5][5] = 1;
  EXPECT_FALSE(QuestHasUnsavedChanges());
  EXPECT_FALSE(RecordEditStep());
}

TEST_F(EditorSession, LeavingOrLoadingAsksFirstAndWarnsOfUnsavedChanges) {
  struct Case {
    bool unsaved;
    int entry;                 // the menu entry chosen first
    std::vector<int> answers;  // to the questions
    int questions;             // asked
    bool warned;               // the third line warns
    int result;                // of the menu
    int fileDialogs;           // load dialogs opened
  };
  const Case cases[] = {
      {false, kEditExit, {1}, 1, false, 1, 0},
      {true, kEditExit, {1}, 1, true, 1, 0},
      {true, kEditExit, {2}, 1, true, 0, 0},  // cancelled: the menu again, then escape
      {false, kEditLoad, {}, 0, false, 0, 1},  // nothing to lose: no question
      {true, kEditLoad, {2}, 1, true, 0, 0},   // cancelled: no file dialog
      {true, kEditLoad, {1}, 1, true, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("entry " + std::to_string(c.entry) + (c.unsaved ? " unsaved" : " saved"));
    BuildBase();
    ClearEditHistory();
    if (c.unsaved) {
      PaintFloorRect(13, 10, 14, 11, 3);
      RecordEditStep();
    }
    TestPlatform().Reset();
    for (int a : c.answers) TestPlatform().alertAnswers.push_back(a);
    gDialogAnswers = {c.entry, -1};
    int fileDialogs = 0;
    gFileDialog = [&](int mode) {
      EXPECT_EQ(mode, 1);
      fileDialogs++;
      QuestLoaded = 0;  // the player cancelled the selector
    };
    EXPECT_EQ(RunEditMenu(), c.result);
    ASSERT_EQ(static_cast<int>(TestPlatform().alerts.size()), c.questions);
    if (c.questions > 0) {
      const RecordedAlert& a = TestPlatform().alerts[0];
      EXPECT_EQ(a.l2, c.entry == kEditExit ? "  Exit to Mainmenu?  " : "  Load another quest?  ");
      EXPECT_EQ(a.l3.find("not saved") != std::string::npos, c.warned) << a.l3;
      EXPECT_EQ(a.b1, "OK");
      EXPECT_EQ(a.b2, "CANCEL");
    }
    EXPECT_EQ(fileDialogs, c.fileDialogs);
    EXPECT_EQ(QuestHasUnsavedChanges(), c.unsaved);
  }
}

TEST_F(EditorSession, ALoadedQuestStartsAFreshHistory) {
  PaintFloorRect(13, 10, 14, 11, 3);
  RecordEditStep();
  TestPlatform().alertAnswers = {1};
  gDialogAnswers = {kEditLoad};
  gFileDialog = [](int) {
    BuildBase();
    CopyText(QuestHeader.quest, "Another", kHeaderTextLen);
    QuestLoaded = 1;
  };
  EXPECT_EQ(RunEditMenu(), 0);  // a load closes the menu
  EXPECT_EQ(gDialogsRun, 1);
  EXPECT_STREQ(QuestHeader.quest, "Another");
  EXPECT_EQ(UndoStepsAvailable(), 0);
  EXPECT_FALSE(QuestHasUnsavedChanges());
}

const char* gChosenPath = nullptr;
bool ChoosePath(char* path, const char*) {
  CopyText(path, gChosenPath, kQuestPathSize - 1);
  return true;
}

TEST_F(EditorSession, SavingClearsTheSelectionAndCountsAsSavedOnlyWhenWritten) {
  TempFolder folder;
  EditorQuestFileDialog = QuestFileDialog;  // the real one, on a chosen path
  SetFileSelector(ChoosePath);
  EditorActive = 1;
  struct Case {
    std::string path;
    bool written;
  };
  const Case cases[] = {
      {folder.File("nowhere/quest.qst"), false},  // no such folder
      {folder.File("mine.qst"), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    PaintFloorRect(13, 10, 14, 11, c.written ? 4 : 5);
    VisibilityMap[13][10] = 1;  // the selection mask
    RecordEditStep();
    ASSERT_TRUE(QuestHasUnsavedChanges());
    gChosenPath = c.path.c_str();
    gDialogAnswers = {kEditSave, -1};
    EXPECT_EQ(RunEditMenu(), 0);
    EXPECT_EQ(QuestHasUnsavedChanges(), !c.written);
    EXPECT_EQ(VisibilityMap[13][10], 0);
    EXPECT_EQ(ReadText(c.path).find("QST102") == 0, c.written);
  }
  // What was saved is the quest in memory.
  BuildBase();
  LoadQuest(folder.File("mine.qst").c_str());
  EXPECT_EQ(FloorMap[14][11], 4);
  SetFileSelector(nullptr);
  EditorActive = 0;
}

// Test play: the fake play scribbles on everything play touches.
std::vector<std::string> gPlayedHeroes;
int FakeBriefing(int) {
  gPlayedHeroes.clear();
  for (int k = 1; k <= 4; k++) gPlayedHeroes.push_back(ObjectTable[k].name);
  return 0;
}
int RefusingBriefing(int) { return 1; }
int gRuns = 0;
int FakePlay() {
  gRuns++;
  MoveScriptObjectsToScriptMap();
  memset(VisibilityMap, 1, sizeof VisibilityMap);
  CurrentObject = 3;
  WalkLeft = 5;
  ActionState = 2;
  ObjectTable[1].exp = 500;
  ObjectTable[1].inventory[kInvGold] = 1000;
  ObjectMap[12][2] = 0;
  FloorMap[0][0] = 1;
  PartyTable[0] = ObjectTable[1];
  return kQuestWon;
}

TEST_F(EditorSession, TestPlayGivesTheBoardBackExactlyAsItWas) {
  // A hero moved to a later slot and a look script on the object layer: play gets them
  // as a saved quest has them (heroes first, scripts on their layer).
  ObjectTable[30] = ObjectTable[1];
  ClearObject(ObjectTable[1]);
  ObjectMap[1][1] = 30;
  const int look = NewObject(kChest);
  ObjectTable[look].side = kSideLookScript;
  CopyText(ObjectTable[look].name, "Look here", kNameLen);
  ObjectMap[4][4] = static_cast<uint8_t>(look);
  memset(VisibilityMap, 0, sizeof VisibilityMap);
  VisibilityMap[6][6] = 2;  // a selection mark
  EmptyParty();
  CopyText(PartyTable[2].name, "Carried", kNameLen);

  struct Case {
    TestPlayBriefing briefing;
    int outcome, runs;
  };
  const Case cases[] = {{FakeBriefing, kQuestWon, 1}, {RefusingBriefing, kQuestLeft, 0}};
  for (const Case& c : cases) {
    QuestSnapshot* before = Now();
    ObjectRecord party[kPartySize];
    memcpy(party, PartyTable, sizeof party);
    TestPlayShowBriefing = c.briefing;
    TestPlayRun = FakePlay;
    gRuns = 0;
    EditorTool = kToolObject;
    EditorItem = 7;
    EXPECT_EQ(TestPlayEditedQuest(), c.outcome);
    EXPECT_EQ(gRuns, c.runs);
    EXPECT_TRUE(LiveIs(*before));
    EXPECT_EQ(memcmp(VisibilityMap, before->visibility, sizeof VisibilityMap), 0);
    EXPECT_EQ(memcmp(PartyTable, party, sizeof party), 0);
    EXPECT_EQ(ObjectMap[4][4], look);
    EXPECT_EQ(ScriptMap[4][4], 0);
    EXPECT_EQ(EditorTool, kToolObject);
    EXPECT_EQ(EditorItem, 7);
    delete before;
  }
  // The four heroes in the first four slots, whatever slots the editor had them in.
  std::sort(gPlayedHeroes.begin(), gPlayedHeroes.end());
  EXPECT_EQ(gPlayedHeroes, (std::vector<std::string>{"Barbarian", "Dwarf", "Elf", "Wizard"}));
  TestPlayRun = nullptr;
}

// The loop itself, driven by a scripted mouse and keyboard.
int TileScreenX(int x) { return ScreenLayout.boardX + 25 * x + 12; }
int TileScreenY(int y) { return ScreenLayout.boardY + 25 * y + 12; }

using Act = std::function<void(ScriptedPlatform&)>;
Act MouseAt(int x, int y, int buttons) {
  return [=](ScriptedPlatform& p) {
    p.mouseX = TileScreenX(x);
    p.mouseY = TileScreenY(y);
    p.mouseButtons = buttons;
  };
}
Act Keys(std::initializer_list<int> down, int shifts) {
  std::vector<int> keys(down);
  return [=](ScriptedPlatform& p) {
    for (bool& h : p.held) h = false;
    for (int k : keys) p.held[k] = true;
    p.shifts = shifts;
  };
}
Act Then(Act a, std::function<void()> check) {
  return [=](ScriptedPlatform& p) {
    check();
    a(p);
  };
}

std::vector<std::vector<int>> gMenuFlags;
int gPopupAnswer = -1;
int ScriptedPopup(MENU* menu, int, int) {
  std::vector<int> flags;
  for (int i = 0; menu[i].text; i++) flags.push_back(menu[i].flags & D_DISABLED);
  gMenuFlags.push_back(flags);
  return gPopupAnswer;
}

TEST_F(EditorSession, TheLoopPaintsTakesBackAndDoesAgain) {
  ResetQuest(true);
  ScriptedPlatform& p = TestPlatform();
  int floorSeen[3] = {-1, -1, -1};
  p.idleActs = {
      MouseAt(3, 3, 1),  // press on (3, 3)
      MouseAt(6, 5, 1),  // drag
      MouseAt(6, 5, 0),  // release
      Then(Keys({KEY_Z}, KB_CTRL_FLAG), [&] { floorSeen[0] = FloorMap[5][4]; }),
      Then(Keys({KEY_Y}, KB_CTRL_FLAG), [&] { floorSeen[1] = FloorMap[5][4]; }),
      Then(Keys({KEY_ESC}, 0), [&] { floorSeen[2] = FloorMap[5][4]; }),
      Keys({}, 0),
  };
  gDialogAnswers = {kEditExit};
  p.alertAnswers = {1};
  RunEditor();
  EXPECT_FALSE(p.ranOutOfActs);
  EXPECT_EQ(floorSeen[0], 1);  // painted with floor 1
  EXPECT_EQ(floorSeen[1], 8);  // taken back
  EXPECT_EQ(floorSeen[2], 1);  // done again
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      EXPECT_EQ(FloorMap[x][y], (x >= 3 && x <= 6 && y >= 3 && y <= 5) ? 1 : 8) << x << "," << y;
  EXPECT_EQ(EditorTool, kToolNone);
  ASSERT_EQ(p.alerts.size(), 1u);
  EXPECT_NE(p.alerts[0].l3.find("not saved"), std::string::npos);
}

TEST_F(EditorSession, TheLoopPlacesAnObjectAndCutsItWithTheRightClickMenu) {
  ResetQuest(true);
  ScriptedPlatform& p = TestPlatform();
  RunEditorPopup = ScriptedPopup;
  gMenuFlags.clear();
  gPopupAnswer = kPopupCut;
  int placed = -1, toolAfterCut = -1, itemAfterCut = -1;
  p.idleActs = {
      Keys({KEY_3}, 0),  // the object tool, item 1
      Keys({}, 0),
      MouseAt(8, 8, 1),  // place
      MouseAt(8, 8, 0),
      Then(MouseAt(8, 8, 2), [&] { placed = ObjectMap[8][8]; }),  // right click on it
      MouseAt(8, 8, 0),
      Then(MouseAt(2, 2, 2), [&] { toolAfterCut = EditorTool; itemAfterCut = EditorItem; }),
      MouseAt(2, 2, 0),  // right click on an empty cell
      Keys({KEY_ESC}, 0),
      Keys({}, 0),
  };
  gDialogAnswers = {kEditExit};
  p.alertAnswers = {1};
  RunEditor();
  RunEditorPopup = RunWatchedMenu;
  EXPECT_FALSE(p.ranOutOfActs);
  EXPECT_GT(placed, 0);
  EXPECT_EQ(ObjectMap[8][8], 0);  // cut
  EXPECT_EQ(toolAfterCut, kToolObject);
  EXPECT_EQ(itemAfterCut, 1);  // the barbarian prefab it was
  ASSERT_EQ(gMenuFlags.size(), 2u);
  EXPECT_EQ(gMenuFlags[0], (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(gMenuFlags[1], (std::vector<int>{0, D_DISABLED, D_DISABLED, D_DISABLED}));
}

}  // namespace
