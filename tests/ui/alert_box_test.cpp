#include <gtest/gtest.h>

#include "core/platform.h"
#include "support/alert_checks.h"
#include "support/scripted_platform.h"

namespace {

TEST(Alert, AnswersFirstSecondOrDismissed) {
  const int answers[][2] = {{1, 1}, {2, 2}, {3, 2}, {7, 2}, {-1, -1}};
  for (const auto& a : answers) {
    TestPlatform().Reset();
    TestPlatform().alertAnswers.push_back(a[0]);
    EXPECT_EQ(Alert("a", "b", "c", "Yes", "No", 'y', 'n'), a[1]) << a[0];
    ASSERT_EQ(TestPlatform().alerts.size(), 1u);
    ExpectAlert(TestPlatform().alerts[0], {"a", "b", "c", "Yes", "No", 'y', 'n'});
  }
}

TEST(Alert, WithoutAScreenTheBoxIsDismissed) {
  EXPECT_LT(ShowAlertBox("a", "b", "c", "OK", "Cancel", 'o', 'c'), 0);
}

}  // namespace
