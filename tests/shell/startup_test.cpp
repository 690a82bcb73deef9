#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "core/config_file.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "shell/startup.h"
#include "support/scripted_platform.h"
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

TEST(Startup, SettingsThatCannotBeWrittenAreToldInTheWindowAsWell) {
  TempFolder dir;
  TestPlatform().Reset();
  SelectConfigFile(dir.File("gone/dunmar.cfg").c_str());  // no such folder
  testing::internal::CaptureStderr();
  EXPECT_FALSE(SaveSettings());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Could not write " + dir.File("gone/")),
            std::string::npos);
  ASSERT_EQ(TestPlatform().alerts.size(), 1u);
  const RecordedAlert& a = TestPlatform().alerts[0];
  EXPECT_EQ(a.l1, "  Could not write dunmar.cfg:  ");
  EXPECT_EQ(a.l2 + " " + a.l3, "the settings and the Hall of Fame of this run were not saved.");
  EXPECT_EQ(a.b1, "OK");

  TestPlatform().Reset();
  SelectConfigFile(dir.File("dunmar.cfg").c_str());
  EXPECT_TRUE(SaveSettings());
  EXPECT_TRUE(TestPlatform().alerts.empty());
  EXPECT_TRUE(FileExists(dir.File("dunmar.cfg")));
  set_config_data("", 0);
}

TEST(Startup, AudioLineNamesTheDriverOnlyForSoundOne) {
  const struct {
    int sound;
    const char* line;  // nullptr: no audio line at all
  } cases[] = {
      {0, "Audio: Disabled through dunmar.cfg."},
      {-1, "Audio: Disabled through dunmar.cfg."},
      {1, "Audio: "},  // then the driver's name
      {2, nullptr},
      {5, nullptr},
  };
  const int keep = GameOptions.sound;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sound);
    PrintMessage(TextColor2, "before");
    GameOptions.sound = c.sound;
    PrintAudioLine();
    std::string got = LoggedLine(0).text;
    if (c.sound == 1) {
      EXPECT_EQ(got.rfind(c.line, 0), 0u) << got;
      EXPECT_EQ(got.find("Disabled"), std::string::npos) << got;
    } else {
      EXPECT_EQ(got, c.line ? c.line : "before");
    }
  }
  GameOptions.sound = keep;
}

}  // namespace
