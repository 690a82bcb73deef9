#include "shell/main_menu.h"

#include <cstdio>

#include "campaign/hall_of_fame_screen.h"
#include "campaign/party.h"
#include "campaign/quest_screen.h"
#include "core/platform.h"
#include "editor/editor_loop.h"
#include "core/program_state.h"
#include "dungeon/dungeon_level.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "quest/quest_paths.h"
#include "render/title_picture.h"
#include "rules/options_dialog.h"
#include "rules/play_loop.h"
#include "rules/play_state.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/manual_reader.h"
#include "ui/quest_dialogs.h"

QuestChooser ChooseQuestFile = QuestFileDialog;
ChapterPlayer PlayChapter = PlayQuest;

namespace {

const MenuButton kEntries[7] = {
    {'1', "PLAY QUEST"},   {'2', "THE DUNGEON"}, {'3', "EDIT QUEST"}, {'4', "HALL OF FAME"},
    {'5', "GAME MANUAL"},  {'6', "OPTIONS.."},   {'X', "EXIT"},
};

// Loads chapter number of the series in play. False, after telling the player that the
// campaign ends here, when the file is missing, damaged, incomplete or holds another
// chapter: the party stays as the last chapter left it.
bool LoadChapter(const char* series, int number) {
  char path[1024];
  CopyText(path, BuildQuestPath(series, number), sizeof path - 1);
  const char* name = get_filename(path);
  LoadQuest(path);
  if (QuestLoaded == 1 && QuestHeader.chapter != number) {
    char which[48];
    snprintf(which, sizeof which, "holds chapter %d, not chapter %d.", QuestHeader.chapter,
             number);
    Alert("  The campaign ends here:  ", name, which, "OK", nullptr, 'O', 0);
    QuestLoaded = 0;
    return false;
  }
  if (LoadedQuestPlayable()) return true;
  if (ExitRequest < 2)
    Alert("  The campaign ends here:  ", name, "is missing or damaged.", "OK", nullptr, 'O', 0);
  return false;
}

}  // namespace

bool LoadedQuestPlayable() {
  if (MapRowsMissing <= 0) return QuestLoaded == 1;
  // The file was read as a quest, but its board is missing or has holes.
  char why[64];
  if (MapRowsMissing >= kMapRowCount)
    snprintf(why, sizeof why, "its map part is missing.");
  else
    snprintf(why, sizeof why, "%d of its %d map rows are missing.", MapRowsMissing,
             kMapRowCount);
  Alert("  This quest cannot be played:  ", QuestHeader.quest, why, "OK", nullptr, 'O', 0);
  QuestLoaded = 0;
  return false;
}

void PlayQuestSeries() {
  EmptyParty();
  int passes = 0;
  int result = kQuestPlaying;
  for (;;) {
    passes++;
    bool loaded;
    if (passes == 1) {
      ChooseQuestFile(1);
      loaded = LoadedQuestPlayable();
    } else {
      // The chapter lost is played again; after a victory the next one follows.
      char series[kHeaderTextLen + 1];
      CopyText(series, QuestHeader.series, kHeaderTextLen);
      int number = QuestHeader.chapter + (result == kQuestLost ? 0 : 1);
      loaded = LoadChapter(series, number);
    }
    if (loaded) {
      if (QuestScreen(kScreenBriefing) == 0) {
        ResetPlayState();
        result = PlayChapter();
      } else {
        result = kQuestLeft;
      }
      if (ExitRequest < 2 && (result == kQuestLost || result == kQuestWon)) QuestScreen(result);
    } else {
      result = kQuestLeft;
    }
    if (ExitRequest >= 2) break;
    // A saved game of the Magic Dungeon has no chapter files to go on with.
    if (IsMagicDungeonQuest()) break;
    bool nextChapter = result == kQuestWon && QuestHeader.chapter != QuestHeader.chapters;
    if (!nextChapter && result != kQuestLost) break;
  }
  if (passes > 1 || QuestLoaded == 1) ShowTitlePicture(2);
}

void PlayMagicDungeon() {
  int result = kQuestLeft;
  if (QuestScreen(kScreenDungeonStart) == 0) {
    ResetPlayState();
    result = PlayChapter();
  }
  if (ExitRequest < 2 && (result == kQuestLost || result == kQuestWon)) QuestScreen(result);
  if (ExitRequest < 2) ShowTitlePicture(2);
}

void BuildMainMenu(DIALOG* items) {
  UseButtonMenuSize(7);
  DialogLayout.DialogX = 234;
  DialogLayout.DialogY = 206;

  // Three groups of buttons: play (1-3), look up (4-5), settings and leaving (6-7).
  FillMenuDialog(items, "Mainmenu", kEntries, 7, {3, 5});
}

int ActOnMainMenuChoice(int choice) {
  switch (choice) {
    case kMenuPlayQuest:
      PlayQuestSeries();
      break;
    case kMenuDungeon:
      PlayMagicDungeon();
      break;
    case kMenuEditQuest:
      EditNewQuest();
      break;
    case kMenuHallOfFame:
      ShowHallOfFame();
      break;
    case kMenuManual:
      ShowManual();
      break;
    case kMenuOptions:
      OptionsDialog();
      break;
    case kMenuExit:
    case -1:
      if (ConfirmExitProgram()) return -1;
      return kMenuOptions;
    default:
      break;
  }
  if (ExitRequest >= 2) return -2;
  return choice;
}

int RunMainMenu() {
  DIALOG items[kMenuItemCount];
  int choice = kMenuPlayQuest;
  while (choice != -1 && choice != -2 && ExitRequest < 2) {
    BuildMainMenu(items);
    Sys().ClearKeys();
    choice = do_dialog(items, choice);
    if (ExitRequest >= 2) choice = -2;
    choice = ActOnMainMenuChoice(choice);
  }
  Sys().Wait(100);
  Sys().ClearKeys();
  return 0;
}
