// Checks on a question box the scripted platform recorded.
#pragma once
#include <gtest/gtest.h>

#include "support/scripted_platform.h"

// Every line, button and shortcut key of the recorded box is the one expected.
inline void ExpectAlert(const RecordedAlert& got, const RecordedAlert& want) {
  EXPECT_EQ(got.l1, want.l1);
  EXPECT_EQ(got.l2, want.l2);
  EXPECT_EQ(got.l3, want.l3);
  EXPECT_EQ(got.b1, want.b1);
  EXPECT_EQ(got.b2, want.b2);
  EXPECT_EQ(got.k1, want.k1);
  EXPECT_EQ(got.k2, want.k2);
}
