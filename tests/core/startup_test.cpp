#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "core/sin_table.h"
#include "shell/startup.h"
#include "support/temp_folder.h"

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return tolower(c); });
  return s;
}

TEST(Startup, QuestNamedOnTheCommandLine) {
  TempFolder dir;
  WriteText(dir.File("Crypt.QST"), "x");
  const struct {
    std::string argument, expected;
  } cases[] = {
      {dir.File("Crypt.QST"), dir.File("Crypt.QST")},     // exists: kept as given
      {dir.File("Other.QST"), Lower(dir.File("Other.QST"))},  // no such file: lowered
      {"MAZE.Q02", "maze.q02"},
      {"", ""},
  };
  for (const auto& c : cases) {
    char out[1024];
    RequestedQuestPath(c.argument.c_str(), out, sizeof out);
    EXPECT_EQ(std::string(out), c.expected) << c.argument;
  }
}

TEST(Startup, SineTableCoversEveryDegree) {
  FillSinTable();
  EXPECT_FLOAT_EQ(SinTable[0], 0.0f);
  EXPECT_FLOAT_EQ(SinTable[30], 0.5f);
  EXPECT_FLOAT_EQ(SinTable[90], 1.0f);
  EXPECT_NEAR(SinTable[180], 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(SinTable[270], -1.0f);
  EXPECT_NEAR(SinTable[360], 0.0f, 1e-6);
}

}  // namespace
