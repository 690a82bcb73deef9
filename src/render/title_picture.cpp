#include "render/title_picture.h"

#include <allegro.h>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "core/random.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "ui/image_ops.h"

namespace {

int gLastTitle = -1;  // 0 or 1 once a picture was shown

void DrawTitleOnBoard() {
  gLastTitle = gLastTitle < 0 ? RandomMod(2) : 1 - gLastTitle;
  if (!BoardBitmap) return;
  BITMAP* title = DataBitmap(gLastTitle == 0 ? kDataTitle1 : kDataTitle2);
  if (title)
    StretchSmooth(title, BoardBitmap, 0, 0, BoardBitmap->w, BoardBitmap->h);
  else
    clear_to_color(BoardBitmap, MakeColorFromTriple(ColorTable[kColorBoardBackground]));
}

}  // namespace

void ShowTitlePicture(int mode) {
  ViewMode = 1;
  if (mode == 2) {
    if (ExitRequest >= 2) return;
    PrintMessage(TextColor2, "Closing Quest...");
    RefreshMessages();
    if (PanelBitmap) clear_to_color(PanelBitmap, BaseColor);
    DrawTitleOnBoard();
    // The menu stands in the middle of the title picture: panels dragged aside in play
    // go back to their places, and no button stays lit from the click that ended play.
    const ScreenLayoutRecord& L = ScreenLayout;
    const ScreenLayoutRecord& D = kDefaultScreenLayout;
    bool moved = L.boardX != D.boardX || L.boardY != D.boardY || L.messageX != D.messageX ||
                 L.messageY != D.messageY || L.panelX != D.panelX || L.panelY != D.panelY ||
                 L.logoX != D.logoX || L.logoY != D.logoY;
    if (moved) {
      ResetScreenLayout();
      DrawScreen(1, 1, 1, 1);
    } else {
      DrawScreen(0, 1, 0, 1);
    }
    RestButtons();
    return;
  }
  DrawTitleOnBoard();
}
