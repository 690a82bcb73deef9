#include "rules/play_preview.h"

#include "core/colors.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/redraw_request.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "render/side_panel.h"

namespace {

// The first hero on the board, else the first object, for the side panel.
int FirstShownObject() {
  int first = 0;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int slot = ObjectMap[x][y];
      if (slot == 0) continue;
      if (ObjectTable[slot].side == kSideHero) return slot;
      if (!first) first = slot;
    }
  return first;
}

}  // namespace

int PreviewQuestBoard() {
  EditingFlag = 0;
  ViewMode = 1;
  ClearBoardPicture();
  DrawWholeBoard();
  ShowPanel(FirstShownObject());
  PrintMessage(TextColor2, "Press a key or click to return to the menu.");
  // The file selector has emptied the keyboard buffer already.
  DrawScreen(1, 1, 1, 1);

  bool wasDown = false, dragging = false;
  while (ExitRequest == 0) {
    bool down = (Sys().MouseButtons() & 3) != 0;
    // A press in the message or side panel drags it instead of ending the preview;
    // that is decided where the press starts, before the drag moves the panel.
    if (down && !wasDown) dragging = PanelAt(Sys().MouseX(), Sys().MouseY()) != 0;
    UpdateMouse();
    if (Sys().KeyPressed()) {
      Sys().ReadKey();
      break;
    }
    if (!down && wasDown && !dragging) break;
    wasDown = down;
    RedrawIfRequested();
    Sys().Wait(10);
  }
  Sys().ClearKeys();
  return 0;
}
