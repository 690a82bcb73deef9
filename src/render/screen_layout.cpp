#include "render/screen_layout.h"

#include <allegro.h>

#include "core/colors.h"
#include "core/game_data.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "ui/bevel_box.h"

ScreenLayoutRecord ScreenLayout = kDefaultScreenLayout;

namespace {

constexpr int kLogoAlpha = 150;

// A picture in the depth of the back buffer (datafile pictures normally already are).
BITMAP* InBufferDepth(BITMAP* pic, BITMAP** converted) {
  *converted = nullptr;
  if (!pic) return nullptr;
  if (bitmap_color_depth(pic) == bitmap_color_depth(BackBuffer)) return pic;
  *converted = create_bitmap_ex(bitmap_color_depth(BackBuffer), pic->w, pic->h);
  if (*converted) {
    clear_to_color(*converted, bitmap_mask_color(*converted));
    blit(pic, *converted, 0, 0, 0, 0, pic->w, pic->h);
  }
  return *converted;
}

void DrawBackground() {
  BITMAP* converted;
  BITMAP* texture = InBufferDepth(DataBitmap(kDataInterfaceTexture), &converted);
  if (texture) {
    drawing_mode(DRAW_MODE_COPY_PATTERN, texture, 0, 0);
    rectfill(BackBuffer, 0, 0, BackBuffer->w - 1, BackBuffer->h - 1, 0);
    solid_mode();
  } else {
    clear_to_color(BackBuffer, ShadeColor(gui_bg_color, -10));
  }
  if (converted) destroy_bitmap(converted);
}

void DrawFrame(int x, int y, int w, int h) {
  // A sunken frame two pixels out of the area.
  DrawBevelBox(BackBuffer, x - 2, y - 2, x + w + 1, y + h + 1, BaseColor, 8);
}

void DrawLogo() {
  BITMAP* converted;
  BITMAP* logo = InBufferDepth(DataBitmap(kDataLogo), &converted);
  if (logo) {
    set_trans_blender(0, 0, 0, kLogoAlpha);
    draw_trans_sprite(BackBuffer, logo, ScreenLayout.logoX + 6, ScreenLayout.logoY + 5);
    solid_mode();
  }
  if (converted) destroy_bitmap(converted);
}

// The tile of the object whose turn it is, for the zoom window to follow.
bool CurrentObjectTile(int* x, int* y) {
  int cur = QuestHeader.savdata.CurrentObject;
  if (cur <= 0 || cur >= kMaxObjects) return false;
  for (int ty = 0; ty < kBoardH; ty++)
    for (int tx = 0; tx < kBoardW; tx++)
      if (ObjectMap[tx][ty] == cur) {
        *x = tx;
        *y = ty;
        return true;
      }
  return false;
}

}  // namespace

void PresentArea(int x, int y, int w, int h) {
  if (!screen || !BackBuffer) return;
  scare_mouse_area(x, y, w, h);
  blit(BackBuffer, screen, x, y, x, y, w, h);
  unscare_mouse();
}

void DrawScreen(int full, int board, int message, int panel) {
  if (!BackBuffer) return;
  const ScreenLayoutRecord& L = ScreenLayout;
  if (full > 0) {
    DrawBackground();
    DrawFrame(L.boardX, L.boardY, kBoardBitmapW, kBoardBitmapH);
    DrawFrame(L.messageX, L.messageY, kMessageBitmapW, kMessageBitmapH);
    DrawFrame(L.panelX, L.panelY, kPanelBitmapW, kPanelBitmapH);
    DrawLogo();
    for (int i = 0; i < 4; i++) ButtonState[i] = kButtonHover;
    DrawButtons();
  }
  if (board > 0 && BoardBitmap) {
    if (ViewMode == 2) {
      int x, y;
      if (EditingFlag == 0 && CurrentObjectTile(&x, &y)) FollowWithZoom(x, y);
      // Exactly twice the size (652 wide), cut to the board area.
      set_clip_rect(BackBuffer, L.boardX, L.boardY, L.boardX + kBoardBitmapW - 1,
                    L.boardY + kBoardBitmapH - 1);
      stretch_blit(BoardBitmap, BackBuffer, ZoomPixelX(), ZoomPixelY(), kZoomWindowW,
                   kZoomWindowH, L.boardX, L.boardY, 2 * kZoomWindowW, 2 * kZoomWindowH);
      set_clip_rect(BackBuffer, 0, 0, BackBuffer->w - 1, BackBuffer->h - 1);
    } else {
      blit(BoardBitmap, BackBuffer, 0, 0, L.boardX, L.boardY, kBoardBitmapW, kBoardBitmapH);
    }
  }
  if (message > 0 && MessageBitmap)
    blit(MessageBitmap, BackBuffer, 0, 0, L.messageX, L.messageY, kMessageBitmapW,
         kMessageBitmapH);
  if (panel > 0 && PanelBitmap)
    blit(PanelBitmap, BackBuffer, 0, 0, L.panelX, L.panelY, kPanelBitmapW, kPanelBitmapH);

  if (!screen) return;
  if (full > 0) {
    PresentArea(0, 0, BackBuffer->w, BackBuffer->h);
    return;
  }
  if (board > 0) PresentArea(L.boardX, L.boardY, kBoardBitmapW, kBoardBitmapH);
  if (message > 0) PresentArea(L.messageX, L.messageY, kMessageBitmapW, kMessageBitmapH);
  if (panel > 0) PresentArea(L.panelX, L.panelY, kPanelBitmapW, kPanelBitmapH);
}
