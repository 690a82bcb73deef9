#include "render/screen_hooks.h"

#include <allegro.h>

#include "core/message_log.h"
#include "core/redraw_request.h"
#include "render/message_line.h"
#include "render/screen_layout.h"
#include "render/side_panel.h"
#include "ui/object_focus.h"

void RedrawWholeScreen() {
  if (!screen) return;
  DrawScreen(1, 1, 1, 1);
  if (active_dialog) broadcast_dialog_message(MSG_DRAW, 0);
  show_mouse(screen);
}

void InstallScreenHooks() {
  SetMessageDisplay(DrawMessageLine, PresentMessages);
  SetObjectFocusHook(ShowPanel);
  SetRedrawHandler(RedrawWholeScreen);
}
