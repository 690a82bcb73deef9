#include "core/main_menu.h"

#include "core/platform.h"
#include "core/program_state.h"

// Placeholder until the menu exists: waits for a key, a click or the close button.
int RunMainMenu() {
  Sys().ClearKeys();
  while (ExitRequest == 0) {
    if (Sys().KeyPressed()) break;
    if (Sys().MouseButtons()) break;
    Sys().Wait(10);
  }
  return 0;
}
