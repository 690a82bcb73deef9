// Which cells of a maze may be used: a width x height grid of bytes, 1 = usable,
// 0 = left out. The maze generator carves only through usable cells.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class DgMazeMask {
 public:
  // Every cell usable. Negative sizes count as 0.
  DgMazeMask(int width, int height);
  DgMazeMask(const DgMazeMask& other) = default;
  DgMazeMask& operator=(const DgMazeMask& other) = default;

  int width() const { return width_; }
  int height() const { return height_; }
  // The byte at (x, y); 0 outside the mask.
  uint8_t at(int x, int y) const {
    return contains(x, y) ? cells_[static_cast<size_t>(x) * height_ + y] : 0;
  }
  // Writes a byte; positions outside the mask are ignored.
  void set(int x, int y, uint8_t value) {
    if (contains(x, y)) cells_[static_cast<size_t>(x) * height_ + y] = value;
  }
  bool usable(int x, int y) const { return at(x, y) == 1; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Number of usable cells.
  int usableCount() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> cells_;  // column after column: [x * height + y]
};
