#include "ui/text.h"

#include <cstdarg>
#include <cstdio>

#include "core/game_data.h"

namespace {

void SetShadePalette(int color, int background) {
  int fr = getr(color), fg = getg(color), fb = getb(color);
  int kr = getr(background), kg = getg(background), kb = getb(background);
  int sr = (kr - fr) / 4, sg = (kg - fg) / 4, sb = (kb - fb) / 4;
  RGB entries[5] = {
      {static_cast<unsigned char>(kr / 4), static_cast<unsigned char>(kg / 4),
       static_cast<unsigned char>(kb / 4), 0},
      {static_cast<unsigned char>(fr / 4), static_cast<unsigned char>(fg / 4),
       static_cast<unsigned char>(fb / 4), 0},
      {static_cast<unsigned char>((fr + sr) / 4), static_cast<unsigned char>((fg + sg) / 4),
       static_cast<unsigned char>((fb + sb) / 4), 0},
      {static_cast<unsigned char>((fr + 2 * sr) / 4), static_cast<unsigned char>((fg + 2 * sg) / 4),
       static_cast<unsigned char>((fb + 2 * sb) / 4), 0},
      {static_cast<unsigned char>((fr + 3 * sr) / 4), static_cast<unsigned char>((fg + 3 * sg) / 4),
       static_cast<unsigned char>((fb + 3 * sb) / 4), 0},
  };
  for (int i = 0; i < 5; i++) set_color(i, &entries[i]);
}

int BackgroundAt(BITMAP* bmp, int x, int y) {
  int px = getpixel(bmp, x - 1, y + 1);
  if (px < 0) return gui_bg_color;
  // Magic pink marks a transparent area: blend into the dialog background instead.
  int depth = bitmap_color_depth(bmp);
  if (getr_depth(depth, px) == 255 && getg_depth(depth, px) == 0 && getb_depth(depth, px) == 255)
    return gui_bg_color;
  return px;
}

void Draw(BITMAP* bmp, int fontIndex, int x, int y, int color, int background, const char* text,
          bool centred) {
  FONT* f = DataFont(fontIndex);
  if (!f) {
    // No colour font: the built-in one in the plain colour.
    if (centred)
      textout_centre_ex(bmp, font, text, x, y, color, -1);
    else
      textout_ex(bmp, font, text, x, y, color, -1);
    return;
  }
  SetShadePalette(color, background);
  if (centred)
    textout_centre_ex(bmp, f, text, x, y, -1, -1);
  else
    textout_ex(bmp, f, text, x, y, -1, -1);
}

}  // namespace

void DrawText(BITMAP* bmp, int fontIndex, int x, int y, int color, const char* format, ...) {
  char buf[512];
  va_list ap;
  va_start(ap, format);
  vsnprintf(buf, sizeof buf, format, ap);
  va_end(ap);
  Draw(bmp, fontIndex, x, y, color, BackgroundAt(bmp, x, y), buf, false);
}

void DrawTextCentred(BITMAP* bmp, int fontIndex, int x, int y, int color, const char* format,
                     ...) {
  char buf[512];
  va_list ap;
  va_start(ap, format);
  vsnprintf(buf, sizeof buf, format, ap);
  va_end(ap);
  Draw(bmp, fontIndex, x, y, color, BackgroundAt(bmp, x, y), buf, true);
}

void DrawTextOnBackground(BITMAP* bmp, int fontIndex, int x, int y, int color, int background,
                          const char* text) {
  Draw(bmp, fontIndex, x, y, color, background, text, false);
}

int TextWidth(int fontIndex, const char* text) { return text_length(DataFontOr(fontIndex), text); }

int FontHeight(int fontIndex) { return text_height(DataFontOr(fontIndex)); }
