#include <gtest/gtest.h>

#include "ui/image_ops.h"
#include "support/pixel_colors.h"

namespace {

struct DarkenCase {
  Rgb under;
  Rgb expected;  // value (brightest channel) lowered by 0.2 x 255, hue kept
};

TEST(DarkenBlender, DarkensByAFixedStepWhateverIsDrawn) {
  const DarkenCase cases[] = {
      {{200, 200, 200}, {149, 149, 149}},
      {{200, 100, 50}, {149, 75, 37}},
      {{30, 30, 30}, {0, 0, 0}},  // a value at most the step goes black
  };
  const int pens[] = {makecol(255, 0, 0), makecol(255, 255, 255), makecol(0, 0, 0)};
  BITMAP* bmp = create_bitmap(10, 10);
  for (const DarkenCase& c : cases) {
    for (int pen : pens) {
      clear_to_color(bmp, makecol(c.under.r, c.under.g, c.under.b));
      UseDarkenBlender(0.2f);
      drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
      hline(bmp, 2, 5, 6, pen);
      solid_mode();
      EXPECT_TRUE(Near(PixelAt(bmp, 4, 5), c.expected, 1))
          << c.under << " drawn with " << RgbOf(pen) << " gave " << PixelAt(bmp, 4, 5);
      EXPECT_EQ(PixelAt(bmp, 4, 4), c.under);
    }
  }
  destroy_bitmap(bmp);
}

class SmoothScaler : public ::testing::Test {
 protected:
  void SetUp() override {
    src = create_bitmap(2, 2);
    putpixel(src, 0, 0, makecol(0, 0, 0));
    putpixel(src, 1, 0, makecol(200, 0, 0));
    putpixel(src, 0, 1, makecol(0, 200, 0));
    putpixel(src, 1, 1, makecol(0, 0, 200));
    dst = create_bitmap(6, 6);
    clear_to_color(dst, makecol(9, 9, 9));
  }
  void TearDown() override {
    destroy_bitmap(src);
    destroy_bitmap(dst);
  }
  BITMAP* src = nullptr;
  BITMAP* dst = nullptr;
};

// Target pixel (i, j) samples the source at (i / 2, j / 2); beyond the last source
// pixel the sample is clamped to it.
const Rgb kSmooth4x4[4][4] = {
    {{0, 0, 0}, {100, 0, 0}, {200, 0, 0}, {200, 0, 0}},
    {{0, 100, 0}, {50, 50, 50}, {100, 0, 100}, {100, 0, 100}},
    {{0, 200, 0}, {0, 100, 100}, {0, 0, 200}, {0, 0, 200}},
    {{0, 200, 0}, {0, 100, 100}, {0, 0, 200}, {0, 0, 200}},
};

TEST_F(SmoothScaler, TwoByTwoIntoFourByFourIsBilinear) {
  StretchSmooth(src, dst, 1, 1, 4, 4);
  for (int j = 0; j < 4; j++)
    for (int i = 0; i < 4; i++)
      EXPECT_EQ(PixelAt(dst, 1 + i, 1 + j), kSmooth4x4[j][i]) << "at " << i << ", " << j;
  EXPECT_EQ(PixelAt(dst, 0, 0), (Rgb{9, 9, 9}));
  EXPECT_EQ(PixelAt(dst, 5, 5), (Rgb{9, 9, 9}));
}

TEST_F(SmoothScaler, MirroredFlipsLeftRight) {
  StretchSmoothMirrored(src, dst, 1, 1, 4, 4);
  for (int j = 0; j < 4; j++)
    for (int i = 0; i < 4; i++)
      EXPECT_EQ(PixelAt(dst, 1 + 3 - i, 1 + j), kSmooth4x4[j][i]) << "at " << i << ", " << j;
}

TEST_F(SmoothScaler, EmptyTargetDrawsNothing) {
  StretchSmooth(src, dst, 1, 1, 0, 4);
  StretchSmooth(nullptr, dst, 1, 1, 4, 4);
  EXPECT_EQ(PixelAt(dst, 1, 1), (Rgb{9, 9, 9}));
}

}  // namespace
