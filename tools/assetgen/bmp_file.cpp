#include "bmp_file.h"

#include <cstdio>

namespace {

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(v & 255);
  b.push_back((v >> 8) & 255);
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xffff);
  Put16(b, v >> 16);
}

}  // namespace

bool WriteBmpFile(const std::string& path, int w, int h, int bits,
                  const std::vector<uint8_t>& palette, const std::vector<uint8_t>& rows) {
  std::vector<uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, uint32_t(14 + 40 + palette.size() + rows.size()));
  Put32(b, 0);
  Put32(b, uint32_t(14 + 40 + palette.size()));
  Put32(b, 40);
  Put32(b, w);
  Put32(b, h);
  Put16(b, 1);
  Put16(b, bits);
  Put32(b, 0);
  Put32(b, uint32_t(rows.size()));
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, uint32_t(palette.size() / 4));
  Put32(b, 0);
  b.insert(b.end(), palette.begin(), palette.end());
  b.insert(b.end(), rows.begin(), rows.end());
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
  return (std::fclose(f) == 0) && ok;
}
