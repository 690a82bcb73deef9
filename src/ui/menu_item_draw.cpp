#include "ui/menu_item_draw.h"

#include "core/colors.h"

void MenuItemDraw(MENU* m, int x, int y, int w, int h, int bar, int sel) {
  BITMAP* bmp = gui_get_screen();
  int fg, bg;
  if (m->flags & D_DISABLED) {
    fg = gui_mg_color;
    bg = gui_bg_color;
  } else if (sel) {
    fg = BaseColor;
    bg = gui_mg_color;
  } else {
    fg = gui_fg_color;
    bg = gui_bg_color;
  }
  rectfill(bmp, x + 1, y + 1, x + w - 2, y + text_height(font) + 2, bg);
  // The library's GUI text output underlines the character after an ampersand.
  if (m->text && *m->text) gui_textout_ex(bmp, m->text, x + 8, y + 1, fg, bg, FALSE);
}
