#include <gtest/gtest.h>

#include "core/random.h"

TEST(Random, FirstDrawsFollowTheLinearCongruence) {
  // state = state * 214013 + 2531011; draw = (state >> 16) & 32767
  SeedRandom(0);
  EXPECT_EQ(RandomDraw(), 38);  // state 2531011 -> 38
  SeedRandom(1);
  EXPECT_EQ(RandomDraw(), 41);
  EXPECT_EQ(RandomDraw(), 18467);
  EXPECT_EQ(RandomDraw(), 6334);
}

TEST(Random, SameSeedSameSequence) {
  SeedRandom(12345);
  int a[20];
  for (int& v : a) v = RandomDraw();
  SeedRandom(12345);
  for (int v : a) EXPECT_EQ(RandomDraw(), v);
}

TEST(Random, ThirtyOneBitNumberInterleavesTwoDraws) {
  SeedRandom(7);
  int r0 = RandomDraw();
  int r1 = RandomDraw();
  uint32_t expected = 0;
  for (int i = 0; i < 31; i++) {
    int src = (i % 2 == 0) ? r0 : r1;
    if ((src >> (i / 2)) & 1) expected |= 1u << i;
  }
  SeedRandom(7);
  int32_t got = Random31();
  EXPECT_EQ(static_cast<uint32_t>(got), expected);
  EXPECT_GE(got, 0);
}

TEST(Random, ModuloNeverLeavesItsRange) {
  SeedRandom(99);
  for (int i = 0; i < 1000; i++) {
    int v = RandomMod(6);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 6);
  }
  EXPECT_EQ(RandomMod(0), 0);
}
