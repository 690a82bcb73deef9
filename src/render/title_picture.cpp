#include "render/title_picture.h"

#include <allegro.h>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "core/random.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
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
    DrawScreen(0, 1, 0, 1);
    return;
  }
  DrawTitleOnBoard();
}
