#include "core/random.h"

namespace {
uint32_t gState = 1;
}

void SeedRandom(uint32_t seed) { gState = seed; }

uint32_t RandomState() { return gState; }

int RandomDraw() {
  gState = gState * 214013u + 2531011u;
  return static_cast<int>((gState >> 16) & 32767u);
}

int RandomMod(int n) {
  if (n <= 0) return 0;
  return RandomDraw() % n;
}

int32_t Random31() {
  // Even result bits come from the first draw, odd ones from the second:
  // result bit i is bit i/2 of its draw.
  uint32_t r0 = static_cast<uint32_t>(RandomDraw());
  uint32_t r1 = static_cast<uint32_t>(RandomDraw());
  uint32_t result = 0;
  for (int i = 0; i < 32; i++) {
    uint32_t src = (i % 2 == 0) ? r0 : r1;
    if ((src >> (i / 2)) & 1u) result |= 1u << i;
  }
  return static_cast<int32_t>(result & 0x7fffffffu);
}
