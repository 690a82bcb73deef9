#include "render/screen_layout.h"

#include <allegro.h>

#include "core/game_data.h"
#include "render/render_bitmaps.h"
#include "ui/colors.h"

ScreenLayoutRecord ScreenLayout = {11, 11, 11, 502, 677, 113, 677, 11};

void DrawScreen(int full, int board, int message, int panel) {
  if (!screen) return;
  const ScreenLayoutRecord& L = ScreenLayout;
  scare_mouse();
  if (full > 0) {
    BITMAP* texture = DataBitmap(kDataInterfaceTexture);
    if (texture) {
      drawing_mode(DRAW_MODE_COPY_PATTERN, texture, 0, 0);
      rectfill(screen, 0, 0, SCREEN_W - 1, SCREEN_H - 1, 0);
      solid_mode();
    } else {
      clear_to_color(screen, ShadeColor(gui_bg_color, -10));
    }
  }
  if (board > 0 && BoardBitmap) blit(BoardBitmap, screen, 0, 0, L.boardX, L.boardY, 651, 476);
  if (message > 0 && MessageBitmap)
    blit(MessageBitmap, screen, 0, 0, L.messageX, L.messageY, 651, 87);
  if (panel > 0 && PanelBitmap) blit(PanelBitmap, screen, 0, 0, L.panelX, L.panelY, 112, 233);
  unscare_mouse();
}
