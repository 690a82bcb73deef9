#include "core/game_options.h"

#include <allegro.h>

GameOptionsRecord GameOptions;

const GameOptionKey kGameOptionKeys[kGameOptionKeyCount] = {
    {"general", "firstrun", &GameOptionsRecord::firstrun, 1},
    {"general", "bpp", &GameOptionsRecord::bpp, 32},
    {"general", "fullscreen", &GameOptionsRecord::fullscreen, 1},
    {"general", "sound", &GameOptionsRecord::sound, 1},
    {"general", "developer", &GameOptionsRecord::developer, 0},
    {"general", "scale", &GameOptionsRecord::scale, 0},
    {"general", "smooth", &GameOptionsRecord::smooth, 0},
    {"options", "volume", &GameOptionsRecord::volume, 8},
    {"options", "enemyrange", &GameOptionsRecord::enemyrange, 20},
    {"options", "multiturn", &GameOptionsRecord::multiturn, 1},
    {"options", "swapmonsters", &GameOptionsRecord::swapmonsters, 0},
    {"options", "altdice", &GameOptionsRecord::altdice, 0},
    {"options", "enemy1life", &GameOptionsRecord::enemy1life, 0},
    {"options", "fixedwalk", &GameOptionsRecord::fixedwalk, 1},
    {"options", "passheroes", &GameOptionsRecord::passheroes, 1},
    {"options", "targetheroes", &GameOptionsRecord::targetheroes, 0},
    {"options", "skirmish", &GameOptionsRecord::skirmish, 1},
    {"dungeon", "lastlevel", &GameOptionsRecord::lastlevel, 20},
    {"dungeon", "randomness", &GameOptionsRecord::randomness, 40},
    {"dungeon", "clrdeadend", &GameOptionsRecord::clrdeadend, 0},
    {"dungeon", "hiddendoor", &GameOptionsRecord::hiddendoor, 5},
};

int ColorOfRgb(int rgb) { return makecol((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void SetDefaultGameOptions() {
  for (const GameOptionKey& k : kGameOptionKeys) GameOptions.*k.field = k.fallback;
  GameOptions.background = ColorOfRgb(kDefaultBackgroundRgb);
  GameOptions.highlite = ColorOfRgb(kDefaultHighlightRgb);
}
