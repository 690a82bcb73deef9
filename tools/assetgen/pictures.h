// The drawn pictures of the datafile.
#pragma once
#include <string>

#include "canvas.h"

// Floor picture of floor code 1..27, 25 x 25.
Canvas MakeFloor(int code);

// Interface pictures.
Canvas MakeInterfaceTexture();     // 32 x 32, magic-pink parts take the background
Canvas MakeDie(int face);          // 0 skull, 1 white shield, 2 black shield
Canvas MakeExplosion(int phase);   // 0 or 1, 25 x 25 over a tile
Canvas MakeHatchPattern();         // 8 x 8 masked fill pattern
Canvas MakePointer();              // 16 x 16, hotspot top-left

// Pictures that need a font; an empty font path falls back to shapes only.
Canvas MakeLogo(const std::string& font);                  // 112 x 32
Canvas MakeTitle(int which, const std::string& font);      // 651 x 476
