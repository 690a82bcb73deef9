// The datafile Dunmar.dat, addressed by index. Indexes often come from files (a
// quest's picture numbers, a script's sound), so every lookup checks that the entry
// exists and is of the kind asked for; callers fall back when it is not.
#pragma once
#include <allegro.h>

extern DATAFILE* GameData;

// Fixed entries of the datafile.
enum GameDataEntry {
  kDataClickSound = 82,
  kDataEditorSample = 102,
  kDataTitle1 = 109,
  kDataTitle2 = 110,
  kDataInterfaceTexture = 111,
  kDataDiceSkull = 112,
  kDataDiceWhiteShield = 113,
  kDataDiceBlackShield = 114,
  kDataSearchPicture1 = 115,
  kDataSearchPicture2 = 116,
  kFontSmall = 117,
  kFontStandard = 118,
  kFontHeading = 119,
  kFontDialog = 120,
  kDataHatchPattern = 121,
  kDataLogo = 122,
  kDataMousePointer = 123,
};

// Bases set at start-up.
constexpr int kFirstObjectPicture = 26;  // entry of object picture 0
constexpr int kFloorPictureOffset = -1;  // entry of floor code c is c + this
constexpr int kFloorKinds = 27;          // floor codes the editor offers
constexpr int kFirstSound = 81;          // entry of sound effect 0
constexpr int kSoundKinds = 22;          // highest sound number a script may name
constexpr int kIndoorAmbientLoop = 24;
constexpr int kOutdoorAmbientLoop = 27;

// Number of entries in the loaded datafile (0 when none is loaded).
int GameDataCount();
// The entry at index when it is of that kind, else nullptr.
BITMAP* DataBitmap(int index);
SAMPLE* DataSample(int index);
FONT* DataFont(int index);
// A font entry, or Allegro's built-in font when the entry is missing.
FONT* DataFontOr(int index);
// Object picture n (counted from the first object picture), or nullptr.
BITMAP* ObjectPicture(int n);
// Floor picture of floor code c, or nullptr.
BITMAP* FloorPicture(int code);
// Sound effect n, or nullptr.
SAMPLE* EffectSample(int n);

// Loads the datafile (replacing any loaded one); false when it is missing, empty, or
// damaged in its shape (cut short, a size that runs past its end).
bool LoadGameData(const char* path);
void UnloadGameData();
// Tests install a datafile they built in memory; nullptr uninstalls it.
void InstallGameData(DATAFILE* data);
// Changes whenever a datafile is loaded, installed or unloaded: pictures made from the
// datafile's entries are stale once it has moved on.
int GameDataGeneration();
