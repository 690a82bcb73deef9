#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

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

}  // namespace
