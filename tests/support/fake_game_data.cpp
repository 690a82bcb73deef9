#include "support/fake_game_data.h"

#include <string>

#include "core/game_data.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"

FakeGameData::FakeGameData() = default;

FakeGameData::~FakeGameData() {
  InstallGameData(nullptr);
  for (auto& kv : items_) Free(kv.second);
}

void FakeGameData::Free(Item& it) {
  if (!it.dat) return;
  if (it.type == DAT_BITMAP) destroy_bitmap(static_cast<BITMAP*>(it.dat));
  if (it.type == DAT_SAMPLE) destroy_sample(static_cast<SAMPLE*>(it.dat));
  if (it.type == DAT_FONT) destroy_font(static_cast<FONT*>(it.dat));
  it.dat = nullptr;
}

BITMAP* FakeGameData::SetBitmap(int index, int w, int h, int color) {
  Free(items_[index]);
  BITMAP* b = create_bitmap(w, h);
  clear_to_color(b, color);
  items_[index] = {DAT_BITMAP, b};
  return b;
}

SAMPLE* FakeGameData::SetSample(int index) {
  Free(items_[index]);
  SAMPLE* s = create_sample(16, 0, 22050, 64);
  items_[index] = {DAT_SAMPLE, s};
  return s;
}

FONT* FakeGameData::SetFont(int index) {
  Free(items_[index]);
  // An 8-bit sheet grabbed as a colour font: each glyph 6 x 8 with ink rows 1..4.
  const int cw = 6, ch = 8, count = 95;
  BITMAP* sheet = create_bitmap_ex(8, count * (cw + 1) + 1, ch + 2);
  clear_to_color(sheet, 255);
  for (int i = 0; i < count; i++) {
    int x0 = 1 + i * (cw + 1);
    rectfill(sheet, x0, 1, x0 + cw - 1, ch, 0);
    if (i > 0) {  // glyph 0 is the blank
      for (int y = 0; y < 4; y++) hline(sheet, x0 + 1, 2 + y, x0 + cw - 2, 1 + y);
    }
  }
  RGB pal[256];
  for (int i = 0; i < 256; i++) pal[i].r = pal[i].g = pal[i].b = static_cast<unsigned char>(i / 4);
  FONT* f = grab_font_from_bitmap(sheet);
  destroy_bitmap(sheet);
  items_[index] = {DAT_FONT, f};
  return f;
}

void FakeGameData::Install() {
  int top = items_.empty() ? -1 : items_.rbegin()->first;
  table_.assign(top + 2, DATAFILE{});
  // Gaps hold empty data entries, which no lookup accepts as a bitmap, sample or font.
  for (int i = 0; i <= top; i++) {
    table_[i].type = DAT_DATA;
    table_[i].dat = nullptr;
    table_[i].size = 0;
    table_[i].prop = nullptr;
  }
  for (auto& kv : items_) {
    table_[kv.first].type = kv.second.type;
    table_[kv.first].dat = kv.second.dat;
  }
  table_[top + 1].type = DAT_END;
  InstallGameData(table_.data());
}

bool InstallBuiltGameData() {
  std::string path = std::string(DUNMARROW_GAME_DIR) + "/Dunmar.dat";
  return LoadGameData(path.c_str());
}

bool InstallShippedMaterial() {
  const std::string prefabs = std::string(DUNMARROW_SOURCE_DIR) + "/data/Dunmar.qpf";
  return InstallBuiltGameData() && LoadPrefabs(prefabs.c_str()) == 0 && PrefabCount > 0;
}
