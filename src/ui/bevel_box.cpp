#include "ui/bevel_box.h"

#include "core/colors.h"
#include "core/game_data.h"

namespace {
struct BevelAmounts {
  int tl1, br1, tl2, br2;
};

BevelAmounts AmountsOf(int style) {
  switch (style) {
    case 1: return {50, -60, 30, -50};
    case 2: return {-40, 20, -20, 40};
    case 3: return {45, -60, -50, -100};
    case 4: return {25, -25, -80, -160};
    case 5: return {30, -30, -30, 30};
    case 6: return {-30, 30, 30, -30};
    case 7: return {0, 0, 35, -40};
    case 8: return {-40, 20, -20, 40};
    case 10: return {50, -60, 30, -50};
    default: return {0, 0, 0, 0};
  }
}

void Ring(BITMAP* bmp, int x1, int y1, int x2, int y2, int c, int tl, int br) {
  int top = ShadeColor(c, tl);
  int bottom = ShadeColor(c, br);
  hline(bmp, x1, y1, x2, top);
  vline(bmp, x1, y1, y2, top);
  hline(bmp, x1, y2, x2, bottom);
  vline(bmp, x2, y1, y2, bottom);
}
}  // namespace

void DrawBevelBox(BITMAP* bmp, int x1, int y1, int x2, int y2, int color, int style) {
  int c = color;
  if (style == 3) c = ShadeColor(color, 2);
  if (style == 4) c = ShadeColor(color, -3);
  BITMAP* texture = DataBitmap(kDataInterfaceTexture);
  if (style == 10 && texture) drawing_mode(DRAW_MODE_COPY_PATTERN, texture, 0, 0);
  if (style != 8) rectfill(bmp, x1 + 2, y1 + 2, x2 - 2, y2 - 2, c);
  solid_mode();
  if (style == 2 || style == 8) c = gui_bg_color;
  BevelAmounts a = AmountsOf(style);
  Ring(bmp, x1 + 1, y1 + 1, x2 - 1, y2 - 1, c, a.tl1, a.br1);
  Ring(bmp, x1, y1, x2, y2, c, a.tl2, a.br2);
}

namespace {
// A 32-bit picture carries an alpha channel when any pixel has a non-zero alpha;
// pictures grabbed without one have alpha 0 everywhere.
bool HasAlpha(BITMAP* bmp) {
  if (bitmap_color_depth(bmp) != 32) return false;
  for (int y = 0; y < bmp->h; y++)
    for (int x = 0; x < bmp->w; x++)
      if (geta32(getpixel(bmp, x, y)) != 0) return true;
  return false;
}
}  // namespace

void TintTexture(int color) {
  BITMAP* texture = DataBitmap(kDataInterfaceTexture);
  if (!texture) return;
  BITMAP* tmp = create_bitmap_ex(bitmap_color_depth(texture), texture->w, texture->h);
  if (!tmp) return;
  clear_to_color(tmp, color);
  if (HasAlpha(texture)) {
    // Per-pixel alpha: the texture's transparent parts show the colour.
    set_alpha_blender();
    draw_trans_sprite(tmp, texture, 0, 0);
  } else {
    // Magic pink is left out, so those parts show the colour.
    draw_sprite(tmp, texture, 0, 0);
  }
  blit(tmp, texture, 0, 0, 0, 0, texture->w, texture->h);
  destroy_bitmap(tmp);
}
