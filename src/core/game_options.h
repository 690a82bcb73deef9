// Settings kept in dunmar.cfg. The options dialog and the game menu change them in
// memory; they are written back at exit.
#pragma once

struct GameOptionsRecord {
  // [general]
  int firstrun;
  int bpp;
  int fullscreen;
  int sound;
  int developer;
  // [options]
  int volume;
  int enemyrange;
  int multiturn;
  int swapmonsters;
  int altdice;
  int enemy1life;
  int fixedwalk;
  int passheroes;
  int targetheroes;
  int skirmish;
  // [dungeon]
  int lastlevel;
  int randomness;
  int clrdeadend;
  int hiddendoor;
  // [guicolor], screen colours of the current depth
  int background;
  int highlite;
};

extern GameOptionsRecord GameOptions;

// Every key at its default (the colours need a colour depth for makecol).
void SetDefaultGameOptions();
