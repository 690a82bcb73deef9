#include "core/game_options.h"

#include <allegro.h>

GameOptionsRecord GameOptions;

void SetDefaultGameOptions() {
  GameOptionsRecord& o = GameOptions;
  o.firstrun = 1;
  o.bpp = 32;
  o.fullscreen = 1;
  o.sound = 1;
  o.developer = 0;
  o.volume = 8;
  o.enemyrange = 20;
  o.multiturn = 1;
  o.swapmonsters = 0;
  o.altdice = 0;
  o.enemy1life = 0;
  o.fixedwalk = 1;
  o.passheroes = 1;
  o.targetheroes = 0;
  o.skirmish = 1;
  o.lastlevel = 20;
  o.randomness = 40;
  o.clrdeadend = 0;
  o.hiddendoor = 5;
  o.background = makecol(122, 108, 76);
  o.highlite = makecol(136, 0, 0);
}
