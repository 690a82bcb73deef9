#include "shell/display_hooks.h"

#include <allegro.h>

#include "core/colors.h"
#include "core/display_scale.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "core/redraw_request.h"

void CloseButtonHook() { ExitRequest = 1; }

void SwitchInHook() { RequestRedraw(); }

namespace {
void SetBoth() {
  set_close_button_callback(CloseButtonHook);
  remove_display_switch_callback(SwitchInHook);  // never twice
  set_display_switch_callback(SWITCH_IN, SwitchInHook);
}
}  // namespace

void TellFullscreenRefused() {
  PrintMessage(ColorTable[kColorDarkRed], "Full screen refused (%s): playing in a window.",
               DisplayModeError());
  RefreshMessages();
}

void InstallDisplayHooks() {
  SetBoth();
  SetDisplayReopenedHook(SetBoth);
}

void RemoveDisplayHooks() {
  SetDisplayReopenedHook(nullptr);
  set_close_button_callback(nullptr);
  remove_display_switch_callback(SwitchInHook);
}
