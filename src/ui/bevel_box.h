// The bevelled box that frames every button, panel and dialog.
#pragma once
#include <allegro.h>

// Styles: 1 raised panel, 2 sunken field, 3 button at rest, 4 button pressed,
// 5 ridge, 6 groove, 7 flat box with thin outer bevel, 8 sunken frame without fill,
// 10 raised panel filled with the interface texture; any other a plain box.
void DrawBevelBox(BITMAP* bmp, int x1, int y1, int x2, int y2, int color, int style);

// Gives the interface texture's magic-pink parts the colour c (done once at start-up).
void TintTexture(int color);
