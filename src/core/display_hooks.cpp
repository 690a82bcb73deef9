#include "core/display_hooks.h"

#include <allegro.h>

#include "core/program_state.h"
#include "render/screen_layout.h"

void CloseButtonHook() { ExitRequest = 1; }

void SwitchInHook() {
  if (!screen) return;
  DrawScreen(1, 1, 1, 1);
  if (active_dialog) broadcast_dialog_message(MSG_DRAW, 0);
  show_mouse(screen);
}

void InstallDisplayHooks() {
  set_close_button_callback(CloseButtonHook);
  set_display_switch_callback(SWITCH_IN, SwitchInHook);
}

void RemoveDisplayHooks() {
  set_close_button_callback(nullptr);
  remove_display_switch_callback(SwitchInHook);
}
