#include "campaign/board_dialog.h"

#include "render/screen_layout.h"
#include "ui/dialog_layout.h"

void UseBoardDialogLayout(int w, int h) {
  DialogLayoutValues& L = DialogLayout;
  L.DialogX = ScreenLayout.boardX + 80;
  L.DialogY = ScreenLayout.boardY + 120;
  L.Spacing = 6;
  L.ButtonW = 100;
  L.ButtonH = 23;
  L.TitleBarHeight = 16;
  L.DialogW = w;
  L.DialogH = h;
}
