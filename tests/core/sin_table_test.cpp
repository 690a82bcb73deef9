#include "core/sin_table.h"

#include <gtest/gtest.h>

namespace {

TEST(SinTable, CoversEveryDegree) {
  FillSinTable();
  EXPECT_FLOAT_EQ(SinTable[0], 0.0f);
  EXPECT_FLOAT_EQ(SinTable[30], 0.5f);
  EXPECT_FLOAT_EQ(SinTable[90], 1.0f);
  EXPECT_NEAR(SinTable[180], 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(SinTable[270], -1.0f);
  EXPECT_NEAR(SinTable[360], 0.0f, 1e-6);
}

}  // namespace
