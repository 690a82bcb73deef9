#include "core/number_text.h"

#include <cerrno>
#include <cstdlib>

bool ParseWholeNumber(const char* text, long lo, long hi, long& out) {
  if (!text || !*text) return false;
  errno = 0;
  char* end = nullptr;
  long v = strtol(text, &end, 10);
  if (errno != 0 || *end != '\0' || end == text || v < lo || v > hi) return false;
  out = v;
  return true;
}
