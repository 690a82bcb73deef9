#include "editor/editor_loop.h"

#include <algorithm>
#include <cstring>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/redraw_request.h"
#include "editor/edit_menu.h"
#include "editor/editor_check.h"
#include "editor/editor_panel.h"
#include "editor/editor_state.h"
#include "editor/editor_tools.h"
#include "editor/map_filters.h"
#include "editor/object_properties.h"
#include "editor/test_play.h"
#include "editor/undo.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "render/title_picture.h"
#include "rules/enemy_swap.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"
#include "ui/dialog_items.h"
#include "ui/manual_reader.h"
#include "ui/quest_dialogs.h"

EditorPopupRunner RunEditorPopup = RunWatchedMenu;

namespace {

// The screen buttons of the editor's panel.
enum EditorButton { kButtonEditMenu = 0, kButtonNextTool = 1, kButtonPrevItem = 2,
                    kButtonNextItem = 3 };

int gLastItem = 2, gLastTool = 2;
int gWheel = 0;
bool gLeave = false;
// Keys acted on once per press: their state at the last look.
bool gWasDown[KEY_MAX];

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

// A key that went down since the last look.
bool Pressed(int scancode) {
  const bool down = Sys().KeyDown(scancode);
  const bool fresh = down && !gWasDown[scancode];
  gWasDown[scancode] = down;
  return fresh;
}

// After a dialog or another screen: keys still down from there (the Escape that closed
// it) count as seen, so they do not act again here.
void SettleKeys() {
  for (int k = 0; k < KEY_MAX; k++) gWasDown[k] = Sys().KeyDown(k);
}

void WaitForRelease(int buttonBits) {
  while ((Sys().MouseButtons() & buttonBits) && ExitRequest < 2) {
    RedrawIfRequested();
    Sys().Wait(10);
  }
}

// The screen rectangle of the cells from (x1, y1) to (x2, y2), clipped to the board area.
void CellsOnScreen(int x1, int y1, int x2, int y2, int* sx1, int* sy1, int* sx2, int* sy2) {
  const int view = ViewMode == 2 ? 2 : 1;
  const ScreenLayoutRecord& L = ScreenLayout;
  *sx1 = L.boardX + (x1 * kTileSize - ZoomPixelX()) * view;
  *sy1 = L.boardY + (y1 * kTileSize - ZoomPixelY()) * view;
  *sx2 = L.boardX + ((x2 + 1) * kTileSize - ZoomPixelX()) * view;
  *sy2 = L.boardY + ((y2 + 1) * kTileSize - ZoomPixelY()) * view;
  *sx1 = std::max(*sx1, L.boardX);
  *sy1 = std::max(*sy1, L.boardY);
  *sx2 = std::min(*sx2, L.boardX + kBoardBitmapW - 1);
  *sy2 = std::min(*sy2, L.boardY + kBoardBitmapH - 1);
}

// The red outline of the rectangle being dragged, over the board on the screen. The
// board area is put back from the board picture before each new outline.
void ShowOutline(bool on, int x1, int y1, int x2, int y2) {
  DrawScreen(0, 1, 0, 0);
  if (!on || !BackBuffer) return;
  int sx1, sy1, sx2, sy2;
  CellsOnScreen(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), &sx1,
                &sy1, &sx2, &sy2);
  rect(BackBuffer, sx1, sy1, sx2, sy2, makecol(252, 0, 0));
  PresentArea(sx1, sy1, sx2 - sx1 + 1, sy2 - sy1 + 1);
}

// Follows the left button from its press on the board to its release. The rectangle's
// corners go to x1..y2 (ordered); false when it was released off the board. The
// selection mask is cleared in any case.
bool SelectRectangle(int* x1, int* y1, int* x2, int* y2) {
  const int sx = MousePress[0].tx >= 0 ? MousePress[0].tx : MouseTileX;
  const int sy = MousePress[0].ty >= 0 ? MousePress[0].ty : MouseTileY;
  int cx = MouseTileX, cy = MouseTileY;
  bool on = cx >= 0;
  ShowOutline(on, sx, sy, cx, cy);
  while ((Sys().MouseButtons() & 1) && ExitRequest < 2) {
    UpdateMouse();
    const bool nowOn = MouseTileX >= 0;
    if (nowOn != on || (nowOn && (MouseTileX != cx || MouseTileY != cy))) {
      on = nowOn;
      if (on) {
        cx = MouseTileX;
        cy = MouseTileY;
      }
      ShowOutline(on, sx, sy, cx, cy);
    }
    RedrawIfRequested();
    Sys().Wait(10);
  }
  UpdateMouse();
  memset(VisibilityMap, 0, sizeof VisibilityMap);
  ShowOutline(false, 0, 0, 0, 0);
  if (MouseTileX < 0 || !on || sx < 0 || ExitRequest >= 2) return false;
  *x1 = std::min(sx, cx);
  *x2 = std::max(sx, cx);
  *y1 = std::min(sy, cy);
  *y2 = std::max(sy, cy);
  return true;
}

// The right-click menu on the board cell (x, y).
void BoardMenu(int x, int y) {
  static char kLabels[4][12] = {"Copy", "Cut", "Delete", "Properties"};
  MENU menu[5];
  memset(menu, 0, sizeof menu);
  for (int i = 0; i < 4; i++) menu[i].text = kLabels[i];
  int ax = -1, ay = -1;
  const bool object = ObjectAt(x, y, &ax, &ay) && OnBoard(ax, ay);
  if (object) {
    DrawObject(ax, ay, 2);
    DrawScreen(0, 1, 0, 0);
    RedrawBoardPicture();  // the picture is right again; the screen stays tinted
  } else {
    for (int i : {kPopupCut, kPopupDelete, kPopupProperties}) menu[i].flags = D_DISABLED;
  }
  const int choice = RunEditorPopup(menu, Sys().MouseX(), Sys().MouseY());
  bool copy = false, remove = false;
  switch (choice) {
    case kPopupCopy:
      copy = true;
      PlayEffect(1);
      break;
    case kPopupCut:
      copy = remove = true;
      break;
    case kPopupDelete:
      remove = true;
      break;
    case kPopupProperties:
      if (!object) break;
      PlayEffect(1);
      EditObjectProperties(ObjectMap[ax][ay]);
      SettleKeys();
      RedrawEditorBoard();
      break;
    default:
      if (object) DrawScreen(0, 1, 0, 0);
      break;
  }
  if (copy) {
    CopyCell(x, y);
    DrawScreen(0, 1, 0, 0);
  }
  if (remove) {
    RemoveObjectAt(x, y);
    PlayEffect(4);
    DrawScreen(0, 1, 0, 0);
  }
}

void LeftClick(int x, int y) {
  int x1, y1, x2, y2;
  switch (EditorTool) {
    case kToolFloor:
      if (!SelectRectangle(&x1, &y1, &x2, &y2)) break;
      PlayEffect(1);
      PaintFloorRect(x1, y1, x2, y2, EditorItem);
      DrawScreen(0, 1, 0, 0);
      break;
    case kToolDoor:
      CycleDoor(x, y, EditorItem);
      DrawScreen(0, 1, 0, 0);
      WaitForRelease(1);
      break;
    case kToolObject:
      PlaceObject(EditorItem, x, y);
      DrawScreen(0, 1, 0, 0);
      WaitForRelease(1);
      break;
    case kToolEraser:
      if (!SelectRectangle(&x1, &y1, &x2, &y2)) break;
      MarkRectangle(x1, y1, x2, y2);
      if (EraseRect(x1, y1, x2, y2) > 0) {
        PlayEffect(4);
        DrawScreen(0, 1, 0, 0);
      }
      break;
    default:
      break;
  }
}

void ContentLevelBy(int delta) {
  const int last = std::max(1, GameOptions.lastlevel);
  ContentLevel = std::max(1, std::min(last, ContentLevel + delta));
  PrintMessage(TextColor1, "content level set to %d.", ContentLevel);
  RefreshMessages();
  Sys().Wait(100);
}

void ScreenDump() {
  PrintMessage(TextColor1, "Saved screen image to scrdump1.pcx.");
  RefreshMessages();
  if (BackBuffer) {
    PALETTE pal;
    get_palette(pal);
    save_pcx("scrdump1.pcx", BackBuffer, pal);
  }
}

void TakeStepBack(bool redo) {
  const bool done = redo ? RedoEditStep() : UndoEditStep();
  if (done) {
    RedrawEditorBoard();
    PrintMessage(TextColor2, redo ? "Redone: %d more to redo." : "Undone: %d more to undo.",
                 redo ? RedoStepsAvailable() : UndoStepsAvailable());
  } else {
    PlayEffect(10);
    PrintMessage(TextColor2, redo ? "Nothing to redo." : "Nothing to undo.");
  }
  RefreshMessages();
}

void OpenEditMenu() {
  if (RunEditMenu() == 1) gLeave = true;
  SettleKeys();
  RecordEditStep();
  DrawScreen(1, 1, 1, 1);
  DrawEditorPanel();
}

// The keys, in the order they are looked at; the first that applies wins.
void Keys() {
  Sys().ClearKeys();
  const bool ctrl = (Sys().KeyShifts() & KB_CTRL_FLAG) != 0;
  const bool shift = (Sys().KeyShifts() & KB_SHIFT_FLAG) != 0;
  const bool z = Pressed(KEY_Z), y = Pressed(KEY_Y);
  const bool esc = Pressed(KEY_ESC), f1 = Pressed(KEY_F1), f2 = Pressed(KEY_F2);
  const bool f3 = Pressed(KEY_F3), f5 = Pressed(KEY_F5), f11 = Pressed(KEY_F11);
  const bool f12 = Pressed(KEY_F12);
  if (ctrl && (y || (z && shift))) {
    TakeStepBack(true);
  } else if (ctrl && z) {
    TakeStepBack(false);
  } else if (Sys().KeyDown(KEY_EQUALS)) {
    if (ViewMode != 2) {
      ViewMode = 2;
      DrawScreen(0, 1, 0, 0);
    }
  } else if (Sys().KeyDown(KEY_MINUS)) {
    if (ViewMode != 1) {
      ViewMode = 1;
      DrawScreen(0, 1, 0, 0);
    }
  } else if (Sys().KeyDown(KEY_INSERT)) {
    ContentLevelBy(-1);
  } else if (Sys().KeyDown(KEY_DEL)) {
    ContentLevelBy(1);
  } else if (Sys().KeyDown(KEY_PGUP)) {
    StepEditorItem(-1);
  } else if (Sys().KeyDown(KEY_PGDN)) {
    StepEditorItem(1);
  } else if (Sys().KeyDown(KEY_HOME)) {
    StepEditorItem(-5);
  } else if (Sys().KeyDown(KEY_END)) {
    StepEditorItem(5);
  } else if (!ctrl && Sys().KeyDown(KEY_1) && EditorTool != 1) {
    SelectTool(1);
  } else if (!ctrl && Sys().KeyDown(KEY_2) && EditorTool != 2) {
    SelectTool(2);
  } else if (!ctrl && Sys().KeyDown(KEY_3) && EditorTool != 3) {
    SelectTool(3);
  } else if (!ctrl && Sys().KeyDown(KEY_4) && EditorTool != 4) {
    SelectTool(4);
  } else if (Sys().KeyDown(KEY_TAB)) {
    SelectTool(EditorTool % kToolCount + 1);
  } else if (esc) {
    OpenEditMenu();
  } else if (f1) {
    ShowManual();
    SettleKeys();
    DrawScreen(1, 1, 1, 1);
  } else if (f2) {
    RunMapFilters();
    SettleKeys();
    RecordEditStep();
    RedrawEditorBoard();
  } else if (f3) {
    RunQuestCheckDialog();
    SettleKeys();
  } else if (f5) {
    TestPlayEditedQuest();
    SettleKeys();
  } else if (f12) {
    ScreenDump();
  } else if (f11) {
    SwapEnemies(kSwapGreenskins);
    SwapEnemies(kSwapUndead);
    RedrawEditorBoard();
  }
}

void RedrawPanelOnChange() {
  ClampEditorItem();
  if (EditorItem == gLastItem && EditorTool == gLastTool) return;
  DrawEditorPanel();
  Sys().Wait(100);
  gLastItem = EditorItem;
  gLastTool = EditorTool;
}

// One pass of the loop.
void Pass() {
  // The wheel steps the item.
  const int z = Sys().MouseZ();
  if (z > gWheel && EditorItem > 1) EditorItem--;
  if (z < gWheel && EditorItem < ToolItemBound(EditorTool)) EditorItem++;
  gWheel = z;

  UpdateMouse();
  const int buttons = Sys().MouseButtons();
  const bool onBoard = MouseTileX >= 0;

  if ((buttons & 2) && onBoard && MousePress[1].tx >= 0) {
    WaitForRelease(2);
    UpdateMouse();
    if (MouseTileX >= 0) BoardMenu(MouseTileX, MouseTileY);
  } else if ((buttons & 1) && onBoard && MousePress[0].tx >= 0) {
    LeftClick(MouseTileX, MouseTileY);
  } else if ((buttons & 2) && !onBoard) {
    FlipCurrentItem();
    gLastItem = -1;  // the panel shows the turn
    WaitForRelease(2);
  }
  ClampEditorItem();

  if (TakeButtonClick(kButtonEditMenu)) {
    OpenEditMenu();
  } else if (TakeButtonClick(kButtonNextTool)) {
    SelectTool(EditorTool % kToolCount + 1);
  } else if (TakeButtonClick(kButtonPrevItem)) {
    if (EditorItem > 1) EditorItem--; else Sys().Wait(30);
  } else if (TakeButtonClick(kButtonNextItem)) {
    if (EditorItem < ToolItemBound(EditorTool)) EditorItem++; else Sys().Wait(30);
  }

  if (!gLeave) Keys();
  RecordEditStep();
  RedrawPanelOnChange();
  RedrawIfRequested();
  Sys().Wait(10);

  if (ExitRequest == 1) {
    if (ConfirmLosingChanges(" ", "  Exit Dunmarrow?  ")) {
      ExitRequest = 2;
      QuestOutcome = kQuestPlaying;
    } else {
      ExitRequest = 0;
      Sys().Wait(100);
      Sys().ClearKeys();
    }
  }
}

}  // namespace

bool ConfirmLosingChanges(const char* l1, const char* l2, bool onlyWhenUnsaved) {
  const bool unsaved = QuestHasUnsavedChanges();
  if (onlyWhenUnsaved && !unsaved) return true;
  ExitQuestionOpen = 1;
  const int answer = Alert(l1, l2, unsaved ? "  Your changes are not saved!  " : " ", "OK",
                           "CANCEL", 'O', 'C');
  ExitQuestionOpen = 0;
  return answer == 1;
}

void RedrawEditorBoard() {
  ClearBoardPicture();
  DrawWholeBoard();
  DrawScreen(0, 1, 0, 0);
}

void RunEditor() {
  ClearBoardPicture();
  Sys().StopSample(DataSample(kDataEditorSample));
  ViewMode = 1;
  CurrentObject = 0;
  EditorTool = kToolFloor;
  EditorItem = 1;
  EditorActive = 1;
  gLastItem = gLastTool = 2;
  gLeave = false;
  gWheel = Sys().MouseZ();
  SettleKeys();  // a key still down from the menu does not act
  ClearEditHistory();

  DrawWholeBoard();
  PrintMessage(TextColor1,
               "Editor ready: Use your mouse with every selected tool, rightclick to use copy, "
               "properties etc.");
  DrawScreen(1, 1, 1, 1);

  do {
    Pass();
  } while (ExitRequest < 2 && !gLeave);

  EditorTool = kToolNone;
  EditorActive = 0;
  Ambience(0, 0, kAmbienceStop);
}

void EditNewQuest() {
  for (int& s : ButtonState) s = kButtonIdle;
  ResetQuest(true);
  RunEditor();
  ShowTitlePicture(2);
}
