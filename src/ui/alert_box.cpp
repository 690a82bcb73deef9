#include "ui/alert_box.h"

#include <allegro.h>

#include "core/game_data.h"
#include "core/platform.h"

int Alert(const char* l1, const char* l2, const char* l3, const char* b1, const char* b2,
          int k1, int k2) {
  int answer = Sys().Alert(l1, l2, l3, b1, b2, k1, k2);
  if (answer > 2) answer = 2;
  return answer;
}

int ShowAlertBox(const char* l1, const char* l2, const char* l3, const char* b1,
                 const char* b2, int k1, int k2) {
  if (!screen) return -1;
  // Dialog texts use the dialog font while the box is open; the font in force
  // before (a dialog's own, under a box it raised) comes back after.
  FONT* before = font;
  font = DataFontOr(kFontDialog);
  int answer = alert3(l1, l2, l3, b1, b2, nullptr, k1, k2, 0);
  font = before;
  return answer;
}
