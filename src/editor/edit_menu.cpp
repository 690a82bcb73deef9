#include "editor/edit_menu.h"

#include <cstring>

#include "core/colors.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "editor/editor_loop.h"
#include "editor/map_filters.h"
#include "editor/undo.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "rules/options_dialog.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/quest_dialogs.h"

EditorFileDialog EditorQuestFileDialog = QuestFileDialog;

namespace {

const MenuButton kEntries[6] = {
    {'1', "RESUME EDIT"}, {'2', "MAP FILTERS.."}, {'3', "LOAD QUEST"},
    {'4', "SAVE QUEST"},  {'5', "OPTIONS.."},     {'X', "EXIT"},
};

void Settle() {
  Sys().Wait(100);
  Sys().ClearKeys();
}

// True when a quest was loaded (the menu closes then).
bool LoadAnother() {
  if (!ConfirmLosingChanges(" ", "  Load another quest?  ", true)) return false;
  EditorQuestFileDialog(1);
  if (QuestLoaded != 1) {
    // Whatever a failed load left is a change like any other.
    RecordEditStep();
    return false;
  }
  const QuestHeaderRecord& h = QuestHeader;
  PrintMessage(ColorTable[kColorDarkRed], "You are now editing %s, quest %d/%d: %s by %s.",
               h.series, h.chapter, h.chapters, h.quest, h.author);
  ClearEditHistory();
  RedrawEditorBoard();
  return true;
}

void Save() {
  // The editor marks its selection there, and a saved quest starts unrevealed.
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) VisibilityMap[x][y] = 0;
  RecordEditStep();
  LastSaveResult = -1;
  EditorQuestFileDialog(0);
  if (LastSaveResult == kSaveDone) MarkQuestSaved();
}

}  // namespace

void BuildEditMenu(DIALOG* items) {
  UseButtonMenuSize(6);
  DialogLayout.DialogX = 234;
  DialogLayout.DialogY = 206;
  // Three groups: back and filters, files, options and leaving.
  FillMenuDialog(items, "Editmenu", kEntries, 6, {3, 5});
}

int RunEditMenu() {
  DIALOG items[kEditItemCount];
  int focus = kEditResume;
  for (;;) {
    BuildEditMenu(items);
    Sys().ClearKeys();
    int choice = RunRulesDialog(items, focus);
    if (ExitRequest >= 2) choice = -1;
    if (choice > 0) focus = choice;
    switch (choice) {
      case kEditFilters:
        RunMapFilters();
        RecordEditStep();
        RedrawEditorBoard();
        break;
      case kEditLoad:
        if (LoadAnother()) {
          Settle();
          return 0;
        }
        break;
      case kEditSave:
        Save();
        break;
      case kEditOptions:
        OptionsDialog();
        break;
      case kEditExit:
        if (ConfirmLosingChanges(" ", "  Exit to Mainmenu?  ")) return 1;
        break;
      default:  // "RESUME EDIT", escape, or the program is closing
        Settle();
        return 0;
    }
  }
}
