#include "ui/dialog_look.h"

#include <allegro.h>

#include "ui/dialog_items.h"
#if __has_include("ui/list_box.h")
#include "ui/list_box.h"
#define DUNMARROW_HAS_LIST_BOX 1
#endif
#if __has_include("ui/menu_item_draw.h")
#include "ui/menu_item_draw.h"
#define DUNMARROW_HAS_MENU_ITEM_DRAW 1
#endif
#if __has_include("ui/text_field.h")
#include "ui/text_field.h"
#define DUNMARROW_HAS_TEXT_FIELD 1
#endif

void InstallDialogLook() {
  gui_button_proc = ButtonProc;
  gui_ctext_proc = CentredTextProc;
  gui_shadow_box_proc = ShadowBoxProc;
  gui_menu_draw_menu = MenuFrameDraw;
#ifdef DUNMARROW_HAS_LIST_BOX
  gui_list_proc = ListProc;
  gui_text_list_proc = TextListProc;
#endif
#ifdef DUNMARROW_HAS_MENU_ITEM_DRAW
  gui_menu_draw_menu_item = MenuItemDraw;
#endif
#ifdef DUNMARROW_HAS_TEXT_FIELD
  gui_edit_proc = TextFieldProc;
#endif
}
