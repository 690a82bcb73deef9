// The story texts' layout. Without a datafile the texts are measured in the library's
// built-in font, eight pixels a character: a width of 200 holds 25 characters.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/colors.h"
#include "core/game_data.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"
#include "support/pixel_colors.h"
#include "ui/story_text.h"

namespace {

class StoryTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallGameData(nullptr);
    ResetQuest(true);
  }
  void TearDown() override { ResetQuest(true); }

  static std::vector<std::string> Lines(const std::string& text, int width) {
    static StoryLines out;
    int n = BreakStoryText(text.c_str(), width, &out);
    EXPECT_EQ(n, out.count);
    return std::vector<std::string>(out.line, out.line + out.count);
  }
};

struct BreakCase {
  const char* what;
  const char* text;
  int width;
  std::vector<std::string> lines;
};

TEST_F(StoryTextTest, BreaksLinesAtBlanksAndAfterNearbyCommasAndStops) {
  const BreakCase cases[] = {
      {"shorter than a line: one line", "A short text.", 200, {"A short text."}},
      {"empty: one empty line", "", 200, {""}},
      {"trailing blanks make no extra line", "Short.          ", 200, {"Short. "}},
      // A line ends with the blank it breaks at.
      {"breaks at the last blank that fits", "aaaa bbbb cccc dddd eeee ffff gggg", 200,
       {"aaaa bbbb cccc dddd eeee ", "ffff gggg"}},
      // The comma lies 5 before the blank: the line ends after it, and the next line's
      // first blank is dropped.
      {"a comma near the end wins", "The night was cold, and we walked on.", 200,
       {"The night was cold,", "and we walked on."}},
      // Twenty characters before the blank is too far back.
      {"a comma 20 back is too far", "Yes, the long road goes on and on.", 200,
       {"Yes, the long road goes ", "on and on."}},
      // The blank lies at 10, not above 20: the comma is not looked for.
      {"early in the text the blank wins", "Hi, friend abcdefghijklmnopqrstuvwxyz", 200,
       {"Hi, friend ", "a", "bcdefghijklmnopqrstuvwxyz"}},
      // A word wider than the line: one character on its own.
      {"a word wider than the width", "abcdefghijklmnopqrstuvwxyz0", 200,
       {"a", "b", "cdefghijklmnopqrstuvwxyz0"}},
      {"below 200 the width is 200", "aaaa bbbb cccc dddd eeee ffff gggg", 50,
       {"aaaa bbbb cccc dddd eeee ", "ffff gggg"}},
      {"a wider picture holds more", "aaaa bbbb cccc dddd eeee ffff gggg", 400,
       {"aaaa bbbb cccc dddd eeee ffff gggg"}},
  };
  for (const BreakCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Lines(c.text, c.width), c.lines);
  }
}

// A page holds eight lines: the rest of a longer text is not shown.
TEST_F(StoryTextTest, APageHoldsEightLines) {
  std::string text;
  for (int i = 0; i < 10; i++) text += std::string(20, static_cast<char>('a' + i)) + " ";
  std::vector<std::string> lines = Lines(text, 200);
  ASSERT_EQ(lines.size(), 8u);
  for (int i = 0; i < 8; i++) EXPECT_EQ(lines[i], std::string(20, static_cast<char>('a' + i)) + " ");
}

TEST_F(StoryTextTest, OnlyTheFirst800CharactersAreLaidOut) {
  std::string text;
  while (text.size() < 800) text += "abcdefghi ";
  text += "BEYOND the end";
  // 250 characters a line: the 800 make four lines, the last ends at character 800.
  std::vector<std::string> lines = Lines(text, 2000);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3].size(), 50u);
  for (const std::string& l : lines) EXPECT_EQ(l.find("BEYOND"), std::string::npos);
}

// The chosen text is drawn centred, one pitch a line, on magic pink.
TEST_F(StoryTextTest, DrawsTheChosenTextCentredOnMagicPink) {
  CopyText(QuestHeader.briefing, "briefing", kStoryTextLen);
  CopyText(QuestHeader.defeat, "The night was cold, and we walked on.", kStoryTextLen);
  CopyText(QuestHeader.victory, "won", kStoryTextLen);
  const int pitch = StoryLinePitch();
  EXPECT_EQ(pitch, 8 + 2);
  BITMAP* work = create_bitmap(202, kStoryMaxLines * pitch);
  const struct {
    int which;
    int lines;
  } cases[] = {{kStoryDefeat, 2}, {kStoryVictory, 1}, {kStoryBriefing, 1}, {7, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.which);
    EXPECT_EQ(LayoutStoryText(work, 200, c.which), c.lines);
  }

  LayoutStoryText(work, 200, kStoryDefeat);
  const Rgb ink = RgbOf(MakeColorFromTriple(TextColor1));
  // Each line's ink: rows and the columns it spans.
  const int widths[2] = {19 * 8, 17 * 8};  // "The night was cold," and "and we walked on."
  for (int line = 0; line < 3; line++) {
    int left = work->w, right = -1;
    for (int y = line * pitch; y < (line + 1) * pitch; y++)
      for (int x = 0; x < work->w; x++) {
        Rgb c = PixelAt(work, x, y);
        if (c == ink) {
          left = std::min(left, x);
          right = std::max(right, x);
        } else {
          ASSERT_EQ(c, (Rgb{255, 0, 255})) << x << "," << y;
        }
      }
    if (line == 2) {
      EXPECT_EQ(right, -1) << "no third line";
      continue;
    }
    // Centred on 101: the text's cells start half its width to the left.
    EXPECT_GE(left, 101 - widths[line] / 2);
    EXPECT_LE(right, 101 + widths[line] / 2 - 1);
    EXPECT_LT(left, 101 - widths[line] / 2 + 8);
    EXPECT_GT(right, 101 + widths[line] / 2 - 9);
  }
  destroy_bitmap(work);
}

}  // namespace

namespace {

// The texts behind PLAY QUEST, in the game's own font: none runs past its page.
TEST(ShippedStoryText, EveryShippedTextFitsItsPage) {
  if (!InstallBuiltGameData()) GTEST_SKIP() << "no Dunmar.dat built";
  TestPlatform().Reset();
  const std::string folder = std::string(DUNMARROW_SOURCE_DIR) + "/data/quests/";
  for (const char* file : {"lanterncrypt.qst", "wintercrown.qst", "wintercrown.q02",
                           "wintercrown.q03"}) {
    LoadQuest((folder + file).c_str());
    ASSERT_EQ(QuestLoaded, 1) << file;
    for (int which : {kStoryBriefing, kStoryDefeat, kStoryVictory}) {
      static StoryLines lines;
      int n = BreakStoryText(StoryText(which), 500, &lines);
      // Every character of the text is on a line (blanks aside).
      auto letters = [](std::string t) {
        t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
        return t;
      };
      std::string shown;
      for (int i = 0; i < n; i++) shown += lines.line[i];
      EXPECT_EQ(letters(shown), letters(StoryText(which))) << file << " " << which;
    }
  }
  UnloadGameData();
  ResetQuest(true);
}

}  // namespace
