#include "editor/editor_check.h"

#include <algorithm>
#include <cstdio>

#include "core/colors.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "rules/options_dialog.h"
#include "ui/dialog_items.h"
#include "ui/list_box.h"

namespace {

std::vector<std::string> gLines;
char gTitle[48];

char* FindingText(int index, int* size) {
  if (index < 0) {
    if (size) *size = static_cast<int>(gLines.size());
    return nullptr;
  }
  static char empty[1] = "";
  return index < static_cast<int>(gLines.size()) ? const_cast<char*>(gLines[index].c_str())
                                                 : empty;
}

int LibraryRun(DIALOG* items, int focus) { return RunRulesDialog(items, focus); }

void BuildList(DIALOG* items, int selected) {
  const int x = 30, y = 150, w = 600, h = 300;
  for (int i = 0; i < kCheckItemCount; i++) items[i] = DIALOG{};
  SetDialogItem(items[kCheckBox], ShadowBoxProc, x, y, w, h, 0, 0, gTitle);
  SetDialogItem(items[kCheckList], ListProc, x + 12, y + 28, w - 24, h - 28 - 46, 0, D_EXIT,
                nullptr);
  items[kCheckList].dp = reinterpret_cast<void*>(FindingText);
  items[kCheckList].d1 = selected;
  SetDialogItem(items[kCheckShow], ButtonProc, x + w - 224, y + h - 34, 100, 22, 's', D_EXIT,
                "SHOW");
  SetDialogItem(items[kCheckClose], ButtonProc, x + w - 112, y + h - 34, 100, 22, 'c', D_EXIT,
                "CLOSE");
  SetDialogItem(items[kCheckWatcher], ExitWatcherProc, 0, 0, 0, 0, 0, 0, nullptr);
}

}  // namespace

CheckListRunner RunCheckList = LibraryRun;

std::string FindingLine(const QuestFinding& f) {
  char where[24];
  if (f.x < 0 || f.y < 0)
    snprintf(where, sizeof where, "Quest: ");
  else
    snprintf(where, sizeof where, "X%2d Y%2d: ", f.x, f.y);
  return where + f.message;
}

void ShowFindingOnBoard(const QuestFinding& f) {
  PrintMessage(ColorTable[kColorDarkRed], "%s", FindingLine(f).c_str());
  RefreshMessages();
  if (f.x < 0 || f.y < 0 || f.x >= kBoardW || f.y >= kBoardH) return;
  // The zoom window is 13 columns by 9 rows and a half.
  ViewMode = 2;
  ZoomOriginX = std::max(0, std::min(f.x - 6, kBoardW - 13));
  ZoomOriginY = std::max(0, std::min(f.y - 4, kBoardH - 10));
  if (BoardBitmap) {
    const int red = makecol(252, 0, 0);
    const int px = TileX[f.x], py = TileY[f.y];
    rect(BoardBitmap, px, py, px + kTileSize, py + kTileSize, red);
    rect(BoardBitmap, px + 1, py + 1, px + kTileSize - 1, py + kTileSize - 1, red);
  }
  DrawScreen(0, 1, 0, 0);
}

void RunQuestCheckDialog() {
  PrintMessage(TextColor1, "Checking the quest...");
  RefreshMessages();
  const std::vector<QuestFinding> found = CheckQuest();
  if (found.empty()) {
    Alert(" ", "  The quest check found nothing to mend.  ", " ", "OK", nullptr, 'O', 0);
    return;
  }
  gLines.clear();
  for (const QuestFinding& f : found) gLines.push_back(FindingLine(f));
  snprintf(gTitle, sizeof gTitle, "Quest Check: %d finding%s", static_cast<int>(found.size()),
           found.size() == 1 ? "" : "s");
  PrintMessage(TextColor2, "%s", gTitle);
  RefreshMessages();

  DIALOG items[kCheckItemCount];
  BuildList(items, 0);
  const int choice = RunCheckList(items, kCheckList);
  const int selected = items[kCheckList].d1;
  Sys().Wait(100);
  Sys().ClearKeys();
  DrawScreen(1, 1, 1, 1);
  if (ExitRequest >= 2) return;
  if ((choice == kCheckList || choice == kCheckShow) && selected >= 0 &&
      selected < static_cast<int>(found.size()))
    ShowFindingOnBoard(found[selected]);
}
