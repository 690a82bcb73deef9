#include "dungeon/maze/dg_maze_mask.h"

DgMazeMask::DgMazeMask(int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  cells_.assign(static_cast<size_t>(width_) * height_, 1);
}

int DgMazeMask::usableCount() const {
  int n = 0;
  for (uint8_t c : cells_) n += (c == 1);
  return n;
}
