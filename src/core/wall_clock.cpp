#include "core/wall_clock.h"

#include <ctime>

namespace {
bool gPinned = false;
long long gPinnedSeconds = 0;
}  // namespace

long long WallClockSeconds() {
  if (gPinned) return gPinnedSeconds;
  return static_cast<long long>(time(nullptr));
}

void PinWallClock(long long t) {
  gPinned = true;
  gPinnedSeconds = t;
}

void UnpinWallClock() { gPinned = false; }
