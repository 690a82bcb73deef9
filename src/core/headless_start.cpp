#include "core/headless_start.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>

#include "core/game_options.h"
#include "core/program_state.h"
#include "core/silent_platform.h"

bool StartHeadless(const char* tool, const char* argv0) {
  UseSingleByteText();
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
    fprintf(stderr, "%s: the game library could not start\n", tool);
    return false;
  }
  set_color_depth(32);
  set_color_conversion(COLORCONV_NONE);
  static SilentPlatform platform;
  SetPlatform(&platform);
  InitToolProgramPaths(argv0);
  SetDefaultGameOptions();
  return true;
}
