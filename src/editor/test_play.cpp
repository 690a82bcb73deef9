#include "editor/test_play.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "campaign/party.h"
#include "campaign/quest_screen.h"
#include "core/colors.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "editor/editor_loop.h"
#include "editor/editor_panel.h"
#include "editor/editor_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "rules/play_loop.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"
#include "ui/quest_dialogs.h"

TestPlayBriefing TestPlayShowBriefing = QuestScreen;
TestPlayRunner TestPlayRun = PlayQuest;

namespace {

// Everything of the editor's that play touches, kept aside for the time of the play.
struct Kept {
  QuestSnapshot quest;
  ObjectRecord party[kPartySize];
  int tool, item, viewMode, zoomX, zoomY;
};

// The quest as a player gets it: written to a file and read back, so that the play
// sees exactly what a saved quest holds (heroes in the first slots, objects numbered
// afresh). False when that failed.
bool LoadAsSaved() {
  char path[] = "/tmp/dunmarrow-testplay-XXXXXX.qst";
  const int fd = mkstemps(path, 4);
  if (fd < 0) return false;
  close(fd);
  memset(VisibilityMap, 0, sizeof VisibilityMap);
  const bool written = SaveQuestFile(path, 0) == kSaveDone;
  if (written) LoadQuest(path);
  remove(path);
  return written && QuestLoaded == 1 && MapRowsMissing == 0;
}

}  // namespace

int TestPlayEditedQuest() {
  static Kept kept;  // large: kept out of the stack
  TakeQuestSnapshot(&kept.quest);
  memcpy(kept.party, PartyTable, sizeof PartyTable);
  kept.tool = EditorTool;
  kept.item = EditorItem;
  kept.viewMode = ViewMode;
  kept.zoomX = ZoomOriginX;
  kept.zoomY = ZoomOriginY;

  PrintMessage(TextColor1, "Test play: %s", QuestHeader.quest);
  RefreshMessages();
  // The game's own drawing, dialogs, buttons and an empty panel from here on.
  EditorTool = kToolNone;
  EditorActive = 0;
  if (PanelBitmap) clear_to_color(PanelBitmap, BaseColor);
  DrawScreen(1, 0, 0, 1);
  int outcome = kQuestLeft;
  if (LoadAsSaved()) {
    EmptyParty();
    ResetPlayState();
    if (TestPlayShowBriefing(kScreenBriefing) == 0) {
      ResetPlayState();
      outcome = TestPlayRun();
    }
  } else {
    PrintMessage(ColorTable[kColorDarkRed], "The quest could not be made ready for play.");
  }
  Ambience(0, 0, kAmbienceStop);

  ResetPlayState();  // before the quest comes back: part of it lives in the save data
  RestoreQuestSnapshot(kept.quest);
  memcpy(PartyTable, kept.party, sizeof PartyTable);
  EditorTool = kept.tool;
  EditorItem = kept.item;
  EditorActive = 1;
  ViewMode = kept.viewMode;
  ZoomOriginX = kept.zoomX;
  ZoomOriginY = kept.zoomY;
  for (int& s : ButtonState) s = kButtonIdle;

  static const char* const kHow[4] = {"the program is closing", "left", "lost", "won"};
  PrintMessage(TextColor1, "Test play over (%s): back to the editor.",
               kHow[outcome >= 0 && outcome <= 3 ? outcome : 1]);
  if (ExitRequest < 2) {
    ClearBoardPicture();
    DrawWholeBoard();
    DrawScreen(1, 1, 1, 1);
    DrawEditorPanel();
  }
  // Drawing reveals what it draws: the layer is given back as it was too.
  memcpy(VisibilityMap, kept.quest.visibility, sizeof VisibilityMap);
  return outcome;
}
