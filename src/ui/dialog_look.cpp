#include "ui/dialog_look.h"

#include <allegro.h>

#include "ui/dialog_items.h"
#include "ui/list_box.h"
#include "ui/menu_item_draw.h"
#include "ui/text_field.h"

void InstallDialogLook() {
  gui_button_proc = ButtonProc;
  gui_ctext_proc = CentredTextProc;
  gui_shadow_box_proc = LibraryBoxProc;
  gui_menu_draw_menu = MenuFrameDraw;
  gui_edit_proc = TextFieldProc;
  gui_list_proc = ListProc;
  gui_text_list_proc = TextListProc;
  gui_menu_draw_menu_item = MenuItemDraw;
}
