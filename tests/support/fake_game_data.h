// A small datafile built in memory for tests: bitmaps, samples and fonts at chosen
// indexes, without reading Dunmar.dat.
#pragma once
#include <allegro.h>

#include <map>
#include <vector>

class FakeGameData {
 public:
  FakeGameData();
  ~FakeGameData();
  // Puts a bitmap of w x h filled with colour at index (replacing what was there).
  BITMAP* SetBitmap(int index, int w, int h, int color);
  SAMPLE* SetSample(int index);
  // A colour font whose every glyph is a block of palette indexes 1..4.
  FONT* SetFont(int index);
  // Installs it as GameData.
  void Install();

 private:
  struct Item {
    int type;
    void* dat;
  };
  std::map<int, Item> items_;
  std::vector<DATAFILE> table_;
  void Free(Item& it);
};

// Loads the Dunmar.dat the build made into GameData; false when it is not there.
bool InstallBuiltGameData();
// The built Dunmar.dat as GameData and the shipped data/Dunmar.qpf in the PrefabTable:
// what the generators, the editor and the checks need of the real game.
bool InstallShippedMaterial();
