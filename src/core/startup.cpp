#include "core/startup.h"

#include <allegro.h>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/main_menu.h"
#include "core/program_state.h"
#include "quest/quest_model.h"
#include "render/render_bitmaps.h"
#include "ui/colors.h"

// A first, minimal start: window, datafile, menu. The full sequence replaces it.
int RunProgram(int argc, char** argv) {
  if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0) return 1;
  install_keyboard();
  install_mouse();
  install_timer();
  InitProgramPaths(argv[0]);
  set_window_title("Dunmarrow");
  set_color_depth(32);
  if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 800, 600, 0, 0) != 0) return 1;
  SetDefaultGameOptions();
  char path[1024];
  ProgramFile(path, sizeof path, "Dunmar.dat");
  if (!LoadGameData(path)) {
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    allegro_message("Fatal error while loading dunmar.dat!");
    return 1;
  }
  CreateRenderBitmaps(SCREEN_W, SCREEN_H);
  MakeInterfaceColors(GameOptions.background, GameOptions.highlite);
  ResetQuest(true);
  RunMainMenu();
  DestroyRenderBitmaps();
  UnloadGameData();
  return 0;
}
