// One entry of a drop-down or pop-up menu in the program's look (the library's
// menu-item drawing hook): the highlighted entry in the base colour on the middle
// colour, a disabled one in the middle colour, no check marks or arrows.
#pragma once
#include <allegro.h>

void MenuItemDraw(MENU* m, int x, int y, int w, int h, int bar, int sel);
