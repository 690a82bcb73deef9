// Pictures painted by code: furniture, features and traps, whose wood, stone and
// shelves are easier to describe as shapes than as pixel grids.
#pragma once
#include "canvas.h"

constexpr int kPictureCount = 54;

// Width and height every object picture must have (n = 1..54).
void PictureSize(int n, int& w, int& h);
// Paints picture n into out (sized by PictureSize); false when no painter exists.
bool PaintPicture(int n, Canvas& out);
