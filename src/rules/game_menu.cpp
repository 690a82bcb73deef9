#include "rules/game_menu.h"

#include "core/colors.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "rules/line_of_sight.h"
#include "rules/options_dialog.h"
#include "rules/play_hooks.h"
#include "rules/play_state.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/quest_dialogs.h"

SavedGameChooser ChooseSavedGame = SavedGameDialog;

namespace {

const MenuButton kEntries[6] = {
    {'1', "RESUME PLAY"}, {'2', "BRIEFING.."}, {'3', "LOAD GAME"},
    {'4', "SAVE GAME"},   {'5', "OPTIONS.."},  {'X', "EXIT"},
};

enum LoadResult { kNothingLoaded, kGameLoaded, kLoadFailed };

// QuestLoaded tells what the load did: the loader sets it to 0 before it reads and to 1
// once the whole game was read; left at -1, nothing was read at all (the selector was
// cancelled, or the name refused before any reading).
// The game in play, kept while a saved game loads (static: nothing is allocated per turn).
QuestSnapshot gGameInPlay;

LoadResult LoadSavedGame() {
  TakeQuestSnapshot(&gGameInPlay);
  QuestLoaded = -1;
  ChooseSavedGame(1);
  if (QuestLoaded == -1) {
    QuestLoaded = gGameInPlay.questLoaded;
    return kNothingLoaded;
  }
  if (QuestLoaded == 1 && MapRowsMissing == 0) return kGameLoaded;
  // A file that is missing or damaged half-way (its board included: rows missing leave
  // holes in it): the game that was in play comes back.
  RestoreQuestSnapshot(gGameInPlay);
  return kLoadFailed;
}

}  // namespace

void BuildGameMenu(DIALOG* items) {
  UseButtonMenuSize(6);
  DialogLayoutValues& L = DialogLayout;
  L.DialogX = ScreenLayout.boardX + (kBoardBitmapW - L.DialogW) / 2;
  L.DialogY = ScreenLayout.boardY + (kBoardBitmapH - L.DialogH) / 2;

  // Three pairs: going on (resume, briefing), the saved games, settings and leaving.
  FillMenuDialog(items, "Gamemenu", kEntries, 6, {2, 4});
}

int GameMenu() {
  DIALOG items[kGameMenuItemCount];
  int focus = kGameMenuResume;
  bool closed = false;
  while (!closed && ExitRequest < 2) {
    BuildGameMenu(items);
    Sys().ClearKeys();
    int choice = RunRulesDialog(items, focus);
    if (ExitRequest >= 2) break;
    focus = choice;
    switch (choice) {
      case kGameMenuBriefing:
        if (PlayHook.showBriefing) PlayHook.showBriefing();
        break;
      case kGameMenuLoad:
        switch (LoadSavedGame()) {
          case kGameLoaded:
            ClearBoardPicture();
            RevealBoard(kRevealRedraw);
            ReloadedFlag = 1;
            closed = true;
            break;
          case kLoadFailed:
            // The loader has said why; the game goes on as it was.
            PrintMessage(ColorTable[kColorDarkRed], "The saved game could not be loaded.");
            RefreshMessages();
            break;
          case kNothingLoaded:
            break;
        }
        break;
      case kGameMenuSave:
        ChooseSavedGame(0);
        break;
      case kGameMenuOptions:
        OptionsDialog();
        break;
      case kGameMenuExit:
        if (Alert(" ", "  Exit to Mainmenu?  ", " ", "OK", "CANCEL", 'O', 'C') == 1) return 1;
        break;
      default:  // "RESUME PLAY", Escape
        closed = true;
        break;
    }
  }
  Sys().Wait(100);
  Sys().ClearKeys();
  return 0;
}
