// Unit tests run Allegro without a display: memory bitmaps at 32 bits, no timer,
// and the scripted platform in place of the real one.
#include <allegro.h>
#include <gtest/gtest.h>

#include "core/colors.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "quest/quest_model.h"
#include "render/render_bitmaps.h"
#include "render/screen_hooks.h"
#include "support/scripted_platform.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  UseSingleByteText();
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
    fprintf(stderr, "Allegro could not start without a display\n");
    return 1;
  }
  set_color_depth(32);
  set_color_conversion(COLORCONV_NONE);
  SetPlatform(&TestPlatform());
  SetDefaultGameOptions();
  MakeInterfaceColors(GameOptions.background, GameOptions.highlite);
  CreateRenderBitmaps(800, 600);
  InstallScreenHooks();
  ResetQuest(true);
  return RUN_ALL_TESTS();
}
