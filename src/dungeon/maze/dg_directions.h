// The six passage directions of a maze cell and the steps they take.
#pragma once
#include <cstdint>

enum DgDirection : uint32_t {
  kDgNorth = 1,  // y - 1
  kDgSouth = 2,  // y + 1
  kDgWest = 4,   // x - 1
  kDgEast = 8,   // x + 1
  kDgDown = 16,  // z - 1
  kDgUp = 32,    // z + 1
};
constexpr uint32_t kDgAllDirections = 63;
// Marks a cell inside one sparsening pass so it is not counted as a dead end twice.
constexpr uint32_t kDgPassMark = 0x8000;

inline uint32_t dgOpposite(uint32_t d) {
  switch (d) {
    case kDgNorth: return kDgSouth;
    case kDgSouth: return kDgNorth;
    case kDgWest: return kDgEast;
    case kDgEast: return kDgWest;
    case kDgDown: return kDgUp;
    case kDgUp: return kDgDown;
    default: return 0;
  }
}

inline void dgStep(uint32_t d, int& dx, int& dy, int& dz) {
  dx = d == kDgWest ? -1 : d == kDgEast ? 1 : 0;
  dy = d == kDgNorth ? -1 : d == kDgSouth ? 1 : 0;
  dz = d == kDgDown ? -1 : d == kDgUp ? 1 : 0;
}

// A draw of 0..5 names the directions in this order.
inline uint32_t dgDirectionFromDraw(int draw) { return 1u << draw; }

// True for a value made of exactly one direction bit (a dead end).
inline bool dgIsSingleDirection(uint32_t v) {
  return v == kDgNorth || v == kDgSouth || v == kDgWest || v == kDgEast || v == kDgDown ||
         v == kDgUp;
}
