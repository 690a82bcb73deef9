#include "shell/display_hooks.h"

#include <allegro.h>

#include "core/program_state.h"
#include "core/redraw_request.h"

void CloseButtonHook() { ExitRequest = 1; }

void SwitchInHook() { RequestRedraw(); }

void InstallDisplayHooks() {
  set_close_button_callback(CloseButtonHook);
  set_display_switch_callback(SWITCH_IN, SwitchInHook);
}

void RemoveDisplayHooks() {
  set_close_button_callback(nullptr);
  remove_display_switch_callback(SwitchInHook);
}
