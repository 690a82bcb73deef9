#include "editor/popup_dialog.h"

#include "rules/options_dialog.h"
#include "ui/number_field.h"

int RunEditorPopup(DIALOG* items, int focus) {
  const int x = items[0].x, y = items[0].y, w = items[0].w, h = items[0].h;
  BITMAP* shown = gui_get_screen();
  BITMAP* under = shown && w > 0 && h > 0 ? create_bitmap(w, h) : nullptr;
  if (under) {
    scare_mouse_area(x, y, w, h);
    blit(shown, under, x, y, 0, 0, w, h);
    unscare_mouse();
  }
  const int choice = RunRulesDialog(items, focus);
  if (under) {
    scare_mouse_area(x, y, w, h);
    blit(under, shown, 0, 0, x, y, w, h);
    unscare_mouse();
    destroy_bitmap(under);
  }
  return choice;
}

int HoldToRange(int value, int low, int high) {
  return value < low ? low : (value > high ? high : value);
}

int StoreCountedInTens(const DIALOG& field, int openedValue, int stored) {
  const int value = HoldToRange(field.d2, 0, NumberFieldLargest(&field));
  if (value == openedValue && (stored < 0 || stored > field.d1)) return stored;
  return value * 10;
}
