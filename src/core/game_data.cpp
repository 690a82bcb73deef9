#include "core/game_data.h"

DATAFILE* GameData = nullptr;

namespace {
int gCount = 0;
int gGeneration = 0;
bool gOwned = false;

int CountEntries(DATAFILE* d) {
  int n = 0;
  if (d)
    while (d[n].type != DAT_END) n++;
  return n;
}

DATAFILE* Entry(int index, int type) {
  if (!GameData || index < 0 || index >= gCount) return nullptr;
  if (GameData[index].type != type || !GameData[index].dat) return nullptr;
  return &GameData[index];
}
}  // namespace

int GameDataCount() { return gCount; }

BITMAP* DataBitmap(int index) {
  DATAFILE* e = Entry(index, DAT_BITMAP);
  return e ? static_cast<BITMAP*>(e->dat) : nullptr;
}

SAMPLE* DataSample(int index) {
  DATAFILE* e = Entry(index, DAT_SAMPLE);
  return e ? static_cast<SAMPLE*>(e->dat) : nullptr;
}

FONT* DataFont(int index) {
  DATAFILE* e = Entry(index, DAT_FONT);
  return e ? static_cast<FONT*>(e->dat) : nullptr;
}

FONT* DataFontOr(int index) {
  FONT* f = DataFont(index);
  return f ? f : font;
}

BITMAP* ObjectPicture(int n) {
  if (n < 0 || n > 1000) return nullptr;
  return DataBitmap(kFirstObjectPicture + n);
}

BITMAP* FloorPicture(int code) {
  if (code < 1 || code > 255) return nullptr;
  return DataBitmap(code + kFloorPictureOffset);
}

SAMPLE* EffectSample(int n) {
  if (n < 0 || n > 1000) return nullptr;
  return DataSample(kFirstSound + n);
}

bool LoadGameData(const char* path) {
  UnloadGameData();
  DATAFILE* d = load_datafile(path);
  if (!d) return false;
  if (CountEntries(d) == 0) {
    unload_datafile(d);
    return false;
  }
  GameData = d;
  gCount = CountEntries(d);
  gOwned = true;
  gGeneration++;
  return true;
}

void UnloadGameData() {
  if (GameData && gOwned) unload_datafile(GameData);
  GameData = nullptr;
  gCount = 0;
  gOwned = false;
  gGeneration++;
}

void InstallGameData(DATAFILE* data) {
  UnloadGameData();
  GameData = data;
  gCount = CountEntries(data);
  gOwned = false;
  gGeneration++;
}

int GameDataGeneration() { return gGeneration; }
