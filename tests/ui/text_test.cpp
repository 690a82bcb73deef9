#include <gtest/gtest.h>

#include "core/colors.h"
#include "core/game_data.h"
#include "support/fake_game_data.h"
#include "support/pixel_colors.h"
#include "ui/text.h"

namespace {

// The fake font's glyphs have one row of each palette index: ink (1) in the glyph's
// second row, then the lighter steps 2, 3 and 4 below it, from the second column on.
struct AntiAliasCase {
  const char* what;
  Rgb ground;    // what lies under the text
  Rgb blendsTo;  // the background the shades step towards
};

TEST(DrawText, ShadesStepFromInkTowardsTheBackground) {
  FakeGameData data;
  data.SetFont(kFontDialog);
  data.Install();
  const Rgb bg = RgbOf(gui_bg_color);
  const AntiAliasCase cases[] = {
      {"white ground", {255, 255, 255}, {255, 255, 255}},
      {"magic pink means the dialog background", {255, 0, 255}, bg},
  };
  const Rgb ink = {20, 40, 200};
  BITMAP* bmp = create_bitmap(100, 40);
  for (const AntiAliasCase& c : cases) {
    SCOPED_TRACE(c.what);
    clear_to_color(bmp, makecol(c.ground.r, c.ground.g, c.ground.b));
    DrawText(bmp, kFontDialog, 10, 10, makecol(ink.r, ink.g, ink.b), "A%d", 7);
    for (int step = 0; step < 4; step++) {
      Rgb want = {ink.r + step * ((c.blendsTo.r - ink.r) / 4),
                  ink.g + step * ((c.blendsTo.g - ink.g) / 4),
                  ink.b + step * ((c.blendsTo.b - ink.b) / 4)};
      // The palette keeps six bits per channel.
      EXPECT_TRUE(Near(PixelAt(bmp, 11, 11 + step), want, 4)) << "step " << step << ": "
                                                               << PixelAt(bmp, 11, 11 + step);
      EXPECT_TRUE(Near(PixelAt(bmp, 17, 11 + step), want, 4)) << "second glyph, step " << step;
    }
    // The glyph's blank border is not drawn.
    EXPECT_EQ(PixelAt(bmp, 10, 11), c.ground);
  }
  destroy_bitmap(bmp);
}

TEST(DrawText, CentredTextIsCentredOnX) {
  FakeGameData data;
  data.SetFont(kFontDialog);
  data.Install();
  BITMAP* bmp = create_bitmap(100, 40);
  clear_to_color(bmp, makecol(255, 255, 255));
  int w = TextWidth(kFontDialog, "ABCD");
  ASSERT_EQ(w, 24);
  DrawTextCentred(bmp, kFontDialog, 50, 10, makecol(0, 0, 0), "%s", "ABCD");
  // Ink from the left edge's second column to the right glyph's fifth.
  EXPECT_TRUE(Near(PixelAt(bmp, 50 - 12 + 1, 11), Rgb{0, 0, 0}, 4));
  EXPECT_EQ(PixelAt(bmp, 50 - 12, 11), (Rgb{255, 255, 255}));
  EXPECT_TRUE(Near(PixelAt(bmp, 50 + 12 - 2, 11), Rgb{0, 0, 0}, 4));
  EXPECT_EQ(PixelAt(bmp, 50 + 12, 11), (Rgb{255, 255, 255}));
  destroy_bitmap(bmp);
}

TEST(DrawText, MissingFontFallsBackWithoutCrashing) {
  FakeGameData data;
  data.Install();
  BITMAP* bmp = create_bitmap(100, 40);
  clear_to_color(bmp, makecol(255, 255, 255));
  DrawText(bmp, kFontDialog, 2, 2, makecol(0, 0, 0), "%s", "Hello");
  bool inked = false;
  for (int y = 0; y < 20 && !inked; y++)
    for (int x = 0; x < 60 && !inked; x++) inked = PixelAt(bmp, x, y) == (Rgb{0, 0, 0});
  EXPECT_TRUE(inked);
  destroy_bitmap(bmp);
}

}  // namespace
