#include "ui/text.h"

#include <cstdarg>
#include <cstdio>

#include "core/game_data.h"

namespace {

// A palette entry keeps six bits per channel.
RGB PaletteEntry(int r, int g, int b) {
  return {static_cast<unsigned char>(r / 4), static_cast<unsigned char>(g / 4),
          static_cast<unsigned char>(b / 4), 0};
}

// Index 0 the background, 1 the ink, 2..4 a quarter of the way further each from the
// ink towards the background.
void SetShadePalette(int color, int background) {
  int fr = getr(color), fg = getg(color), fb = getb(color);
  int kr = getr(background), kg = getg(background), kb = getb(background);
  int sr = (kr - fr) / 4, sg = (kg - fg) / 4, sb = (kb - fb) / 4;
  RGB entry = PaletteEntry(kr, kg, kb);
  set_color(0, &entry);
  for (int step = 0; step < 4; step++) {
    entry = PaletteEntry(fr + step * sr, fg + step * sg, fb + step * sb);
    set_color(1 + step, &entry);
  }
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

namespace {

void DrawFormatted(BITMAP* bmp, int fontIndex, int x, int y, int color, bool centred,
                   const char* format, va_list ap) {
  char buf[512];
  vsnprintf(buf, sizeof buf, format, ap);
  Draw(bmp, fontIndex, x, y, color, BackgroundAt(bmp, x, y), buf, centred);
}

}  // namespace

void DrawText(BITMAP* bmp, int fontIndex, int x, int y, int color, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  DrawFormatted(bmp, fontIndex, x, y, color, false, format, ap);
  va_end(ap);
}

void DrawTextCentred(BITMAP* bmp, int fontIndex, int x, int y, int color, const char* format,
                     ...) {
  va_list ap;
  va_start(ap, format);
  DrawFormatted(bmp, fontIndex, x, y, color, true, format, ap);
  va_end(ap);
}

void DrawTextOnBackground(BITMAP* bmp, int fontIndex, int x, int y, int color, int background,
                          const char* text) {
  Draw(bmp, fontIndex, x, y, color, background, text, false);
}

int TextWidth(int fontIndex, const char* text) { return text_length(DataFontOr(fontIndex), text); }

int FontHeight(int fontIndex) { return text_height(DataFontOr(fontIndex)); }
