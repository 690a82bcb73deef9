// Anti-aliased text with the datafile's colour fonts. Their glyphs use palette
// indexes 0..4 (0 background, 1 ink, 2..4 lighter steps towards the background);
// the palette is set from the text and background colours before every drawing.
#pragma once
#include <allegro.h>

// Draws formatted text at (x, y). The background is taken from the pixel at
// (x - 1, y + 1); magic pink there means the GUI background colour.
void DrawText(BITMAP* bmp, int fontIndex, int x, int y, int color, const char* format, ...)
    __attribute__((format(printf, 6, 7)));
// The same, centred on x.
void DrawTextCentred(BITMAP* bmp, int fontIndex, int x, int y, int color, const char* format,
                     ...) __attribute__((format(printf, 6, 7)));
// Text whose anti-aliasing blends into a given background colour.
void DrawTextOnBackground(BITMAP* bmp, int fontIndex, int x, int y, int color, int background,
                          const char* text);
// Width and height of a text in a datafile font (the built-in font when it is missing).
int TextWidth(int fontIndex, const char* text);
int FontHeight(int fontIndex);
