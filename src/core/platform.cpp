#include "core/platform.h"

namespace {
Platform* gCurrent = nullptr;  // nullptr: the Allegro platform
}  // namespace

Platform& Sys() { return gCurrent ? *gCurrent : *AllegroPlatform(); }
void SetPlatform(Platform* p) { gCurrent = p; }

int Alert(const char* l1, const char* l2, const char* l3, const char* b1, const char* b2,
          int k1, int k2) {
  int answer = Sys().Alert(l1, l2, l3, b1, b2, k1, k2);
  if (answer > 2) answer = 2;
  return answer;
}
