// Interface colours and the colour arithmetic every screen uses.
#pragma once
#include <allegro.h>

struct ColorTriple {
  unsigned char r, g, b;
};

// Sixteen fixed colours; see the names below for the ones with a meaning.
extern const ColorTriple ColorTable[16];
enum ColorTableIndex {
  kColorDarkRed = 0,     // warnings, script and treasure texts, red keys, default highlight
  kColorGreen = 1,       // developer messages
  kColorDarkBlue = 2,    // magic, blue keys
  kColorRedDoor = 3,
  kColorGreenBright = 4,
  kColorBlueDoor = 5,
  kColorHiddenDoor = 6,
  kColorHiddenDoorEditor = 7,
  kColorGrey160 = 8,
  kColorOchre = 9,
  kColorDefaultBackground = 10,
  kColorOpenDoor = 11,
  kColorBadgeGold = 12,
  kColorBadgeSilver = 13,
  kColorBadgeBronze = 14,
  kColorBoardBackground = 15,
};

// Made at start-up from the configured GUI colours.
extern int BaseColor;            // GUI background shaded by +10
extern ColorTriple TextColor1;   // BaseColor shaded by -110: headings, prompts
extern ColorTriple TextColor2;   // -60: progress and information
extern ColorTriple TextColor3;   // -30: faint marks
extern int HighlightColor;       // the configured highlight colour

int MakeColorFromTriple(const ColorTriple* t);
int MakeColorFromTriple(const ColorTriple& t);
ColorTriple TripleOf(int color);
// Lightens (positive amount) or darkens a colour keeping its hue.
int ShadeColor(int color, int amount);

// Builds BaseColor, the text colours, the GUI colours and HighlightColor from the
// configured background and highlight colours.
void MakeInterfaceColors(int background, int highlight);
