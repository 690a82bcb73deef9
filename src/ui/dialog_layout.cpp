#include "ui/dialog_layout.h"

// The main menu's values until a dialog sets its own.
DialogLayoutValues DialogLayout = {234, 206, 124, 242, 100, 22, 6, 16};

void UseButtonMenuSize(int buttons) {
  DialogLayoutValues& L = DialogLayout;
  L.ButtonW = 100;
  L.ButtonH = 22;
  L.Spacing = 6;
  L.TitleBarHeight = 16;
  L.DialogW = L.ButtonW + 4 * L.Spacing;
  // Two spacings above the first button and below the last, one between buttons and
  // one more before each of the two further groups.
  L.DialogH = L.TitleBarHeight + buttons * L.ButtonH + (buttons + 5) * L.Spacing;
}
