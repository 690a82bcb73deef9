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
  int scale;   // window scale: 0 automatic, 1..4 fixed (next start)
  int smooth;  // 1 = smooth scaling, 0 = sharp pixels
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

// One whole-number setting: where dunmar.cfg keeps it, its field and its default.
struct GameOptionKey {
  const char* section;
  const char* key;
  int GameOptionsRecord::*field;
  int fallback;
};
// Every setting but the two colours, in the order they are written.
constexpr int kGameOptionKeyCount = 21;
extern const GameOptionKey kGameOptionKeys[kGameOptionKeyCount];

// The two interface colours' defaults as 0xRRGGBB.
constexpr int kDefaultBackgroundRgb = 0x7A6C4C;  // (122, 108, 76)
constexpr int kDefaultHighlightRgb = 0x880000;   // (136, 0, 0)
// A 0xRRGGBB value as a screen colour of the current depth.
int ColorOfRgb(int rgb);

// Every key at its default (the colours need a colour depth for makecol).
void SetDefaultGameOptions();
