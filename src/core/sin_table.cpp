#include "core/sin_table.h"

#include <cmath>

float SinTable[361];

void FillSinTable() {
  for (int i = 0; i <= 360; i++) SinTable[i] = static_cast<float>(sin(i * M_PI / 180.0));
}
