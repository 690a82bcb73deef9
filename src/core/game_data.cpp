#include "core/game_data.h"

#include <cstdint>
#include <cstdio>
#include <vector>

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
// The library's datafile reader trusts the sizes it reads: a file cut short or with a
// damaged size field makes it read past its buffers. So the shape of the file is walked
// first: "slh." (a pack file whose chunks are packed one by one), "ALL.", the number of
// objects, and each object's properties ("prop", its type, size and bytes) and chunk (its
// type, the bytes stored, the bytes unpacked, negative when packed, then the stored
// bytes). Nested datafiles ("FILE") that are stored unpacked are walked as well. A file
// packed as a whole ("slh!") cannot be walked without unpacking it and is left to the
// library.
class DatafileShape {
 public:
  explicit DatafileShape(const std::vector<unsigned char>& d) : d_(d) {}

  bool Whole() {
    size_t p = 0;
    uint32_t magic;
    if (!Long(p, &magic)) return false;
    if (magic == Tag("slh!")) return true;
    uint32_t all;
    if (magic != Tag("slh.") || !Long(p, &all) || all != Tag("ALL.")) return false;
    return Objects(p, d_.size(), 0) && p <= d_.size();
  }

 private:
  static uint32_t Tag(const char* t) {
    return static_cast<uint32_t>(static_cast<unsigned char>(t[0])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(t[1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(t[2])) << 8 |
           static_cast<unsigned char>(t[3]);
  }
  bool Long(size_t& p, uint32_t* v) const {
    if (p + 4 > d_.size()) return false;
    *v = static_cast<uint32_t>(d_[p]) << 24 | static_cast<uint32_t>(d_[p + 1]) << 16 |
         static_cast<uint32_t>(d_[p + 2]) << 8 | d_[p + 3];
    p += 4;
    return true;
  }
  // The objects of a datafile from p, all of them inside [p, end).
  bool Objects(size_t& p, size_t end, int depth) {
    uint32_t count;
    if (depth > 8 || !Long(p, &count) || count > (end - p) / 8) return false;
    for (uint32_t i = 0; i < count;) {
      uint32_t type, a, b;
      if (!Long(p, &type)) return false;
      if (type == Tag("prop")) {
        if (!Long(p, &a) || !Long(p, &b) || b > 0x7FFFFFFF || b > end - p) return false;
        p += b;
        continue;
      }
      if (!Long(p, &a) || !Long(p, &b)) return false;
      const int32_t stored = static_cast<int32_t>(a);
      const int32_t unpacked = static_cast<int32_t>(b);
      if (stored < 0 || static_cast<size_t>(stored) > end - p) return false;
      if (unpacked >= 0 && unpacked != stored) return false;
      if (type == Tag("FILE") && unpacked >= 0) {
        size_t inner = p;
        if (!Objects(inner, p + stored, depth + 1)) return false;
      }
      p += stored;
      i++;
    }
    return p <= end;
  }

  const std::vector<unsigned char>& d_;
};

bool DatafileWhole(const char* path) {
  FILE* f = fopen(path, "rb");
  if (!f) return false;
  std::vector<unsigned char> data;
  unsigned char buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) data.insert(data.end(), buf, buf + n);
  const bool readAll = !ferror(f);
  fclose(f);
  return readAll && DatafileShape(data).Whole();
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
  if (!path || !DatafileWhole(path)) return false;
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
