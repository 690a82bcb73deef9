#include <gtest/gtest.h>

#include "core/colors.h"
#include "support/pixel_colors.h"

namespace {

struct ShadeCase {
  Rgb in;
  int amount;
  Rgb out;
};

// Worked by hand: d = int(2 * amount / 3 + 0.5), avg = int((r + g + b) / 3), each
// channel moves by int(channel / avg * d); lightening moves red and green 1.5 times.
const ShadeCase kShadeCases[] = {
    {{0, 0, 0}, 50, {0, 0, 0}},              // black stays black
    {{0, 0, 0}, -50, {0, 0, 0}},
    {{255, 255, 255}, 10, {255, 255, 255}},  // clamped
    {{122, 108, 76}, 10, {134, 118, 81}},    // the default background's BaseColor
    {{122, 108, 76}, -110, {36, 32, 23}},
    {{100, 100, 100}, 30, {130, 130, 120}},  // red and green grow 1.5 times as much as blue
    {{100, 100, 100}, -30, {81, 81, 81}},    // d = int(-19.5) = -19 for all three
    {{250, 10, 10}, 30, {255, 13, 12}},
    {{10, 20, 30}, -90, {0, 0, 0}},          // darkening never goes below 0
};

TEST(ShadeColor, MatchesHandWorkedValues) {
  for (const ShadeCase& c : kShadeCases) {
    int color = makecol(c.in.r, c.in.g, c.in.b);
    EXPECT_EQ(RgbOf(ShadeColor(color, c.amount)), c.out) << c.in << " by " << c.amount;
  }
}

TEST(ShadeColor, NegativeDarkensEveryChannel) {
  Rgb in = {180, 90, 42};
  Rgb out = RgbOf(ShadeColor(makecol(in.r, in.g, in.b), -20));
  EXPECT_LT(out.r, in.r);
  EXPECT_LT(out.g, in.g);
  EXPECT_LT(out.b, in.b);
}

TEST(InterfaceColors, BuiltFromTheBackground) {
  int oldBg = gui_bg_color, oldFg = gui_fg_color, oldMg = gui_mg_color;
  int oldBase = BaseColor, oldHigh = HighlightColor;
  MakeInterfaceColors(makecol(122, 108, 76), makecol(136, 0, 0));
  EXPECT_EQ(RgbOf(BaseColor), (Rgb{134, 118, 81}));
  Rgb base = RgbOf(BaseColor);
  EXPECT_EQ(RgbOf(MakeColorFromTriple(TextColor1)),
            RgbOf(ShadeColor(makecol(base.r, base.g, base.b), -110)));
  EXPECT_EQ(RgbOf(gui_fg_color), RgbOf(MakeColorFromTriple(TextColor1)));
  EXPECT_EQ(RgbOf(gui_mg_color), RgbOf(MakeColorFromTriple(TextColor2)));
  EXPECT_EQ(RgbOf(gui_bg_color), (Rgb{122, 108, 76}));
  EXPECT_EQ(RgbOf(HighlightColor), (Rgb{136, 0, 0}));
  gui_bg_color = oldBg, gui_fg_color = oldFg, gui_mg_color = oldMg;
  BaseColor = oldBase, HighlightColor = oldHigh;
}

}  // namespace
