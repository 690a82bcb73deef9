#include "core/display_hooks.h"

#include <allegro.h>

#include <atomic>

#include "core/program_state.h"
#include "render/screen_layout.h"

void CloseButtonHook() { ExitRequest = 1; }

namespace {
// Set on the library's input thread, taken on the main thread.
std::atomic<bool> gRedrawRequested{false};
}  // namespace

void SwitchInHook() { gRedrawRequested = true; }

void RedrawAfterSwitchIn() {
  if (!gRedrawRequested.exchange(false) || !screen) return;
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
