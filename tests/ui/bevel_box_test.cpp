#include <gtest/gtest.h>

#include "core/colors.h"
#include "core/game_data.h"
#include "support/fake_game_data.h"
#include "support/pixel_colors.h"
#include "ui/bevel_box.h"

namespace {

const Rgb kUnder = {3, 77, 201};  // what lies under the box before drawing

struct BevelCase {
  int style;
  int tl1, br1, tl2, br2;
  int fillShade;     // the fill is the colour shaded by this (ignored without fill)
  bool filled;
  bool frameInGuiBg; // the rings are shaded from the GUI background, not the colour
};

const BevelCase kStyles[] = {
    {1, 50, -60, 30, -50, 0, true, false},     {2, -40, 20, -20, 40, 0, true, true},
    {3, 45, -60, -50, -100, 2, true, false},   {4, 25, -25, -80, -160, -3, true, false},
    {5, 30, -30, -30, 30, 0, true, false},     {6, -30, 30, 30, -30, 0, true, false},
    {7, 0, 0, 35, -40, 0, true, false},        {8, -40, 20, -20, 40, 0, false, true},
    {9, 0, 0, 0, 0, 0, true, false},
};

TEST(DrawBevelBox, RingsAndFillFollowTheStyle) {
  BITMAP* bmp = create_bitmap(60, 60);
  const int c = makecol(150, 120, 90);
  const int x1 = 10, y1 = 12, x2 = 40, y2 = 44;
  for (const BevelCase& s : kStyles) {
    clear_to_color(bmp, makecol(kUnder.r, kUnder.g, kUnder.b));
    DrawBevelBox(bmp, x1, y1, x2, y2, c, s.style);
    int base = s.fillShade ? ShadeColor(c, s.fillShade) : c;
    int frame = s.frameInGuiBg ? gui_bg_color : base;
    SCOPED_TRACE(s.style);
    // Inside: the fill, or untouched.
    Rgb inside = s.filled ? RgbOf(base) : kUnder;
    EXPECT_EQ(PixelAt(bmp, x1 + 2, y1 + 2), inside);
    EXPECT_EQ(PixelAt(bmp, 25, 30), inside);
    EXPECT_EQ(PixelAt(bmp, x2 - 2, y2 - 2), inside);
    // Inner ring: top and left, bottom and right.
    EXPECT_EQ(PixelAt(bmp, 25, y1 + 1), RgbOf(ShadeColor(frame, s.tl1)));
    EXPECT_EQ(PixelAt(bmp, x1 + 1, 30), RgbOf(ShadeColor(frame, s.tl1)));
    EXPECT_EQ(PixelAt(bmp, 25, y2 - 1), RgbOf(ShadeColor(frame, s.br1)));
    EXPECT_EQ(PixelAt(bmp, x2 - 1, 30), RgbOf(ShadeColor(frame, s.br1)));
    // Outer ring.
    EXPECT_EQ(PixelAt(bmp, 25, y1), RgbOf(ShadeColor(frame, s.tl2)));
    EXPECT_EQ(PixelAt(bmp, x1, 30), RgbOf(ShadeColor(frame, s.tl2)));
    EXPECT_EQ(PixelAt(bmp, 25, y2), RgbOf(ShadeColor(frame, s.br2)));
    EXPECT_EQ(PixelAt(bmp, x2, 30), RgbOf(ShadeColor(frame, s.br2)));
    // Nothing outside the box.
    EXPECT_EQ(PixelAt(bmp, x1 - 1, 30), kUnder);
    EXPECT_EQ(PixelAt(bmp, 25, y2 + 1), kUnder);
  }
  destroy_bitmap(bmp);
}

TEST(DrawBevelBox, TexturedPanelFillsWithTheInterfaceTexture) {
  FakeGameData data;
  BITMAP* texture = data.SetBitmap(kDataInterfaceTexture, 32, 32, makecol(20, 40, 60));
  putpixel(texture, 5, 7, makecol(200, 10, 10));
  data.Install();
  BITMAP* bmp = create_bitmap(80, 80);
  clear_to_color(bmp, makecol(kUnder.r, kUnder.g, kUnder.b));
  const int c = makecol(150, 120, 90);
  DrawBevelBox(bmp, 0, 0, 70, 70, c, 10);
  // The pattern is anchored at the bitmap's origin and repeats every 32 pixels.
  EXPECT_EQ(PixelAt(bmp, 5, 7), (Rgb{200, 10, 10}));
  EXPECT_EQ(PixelAt(bmp, 37, 39), (Rgb{200, 10, 10}));
  EXPECT_EQ(PixelAt(bmp, 20, 20), (Rgb{20, 40, 60}));
  // Framed like the raised panel.
  EXPECT_EQ(PixelAt(bmp, 30, 0), RgbOf(ShadeColor(c, 30)));
  EXPECT_EQ(PixelAt(bmp, 30, 69), RgbOf(ShadeColor(c, -60)));
  // Back to solid drawing afterwards.
  rectfill(bmp, 0, 0, 3, 3, makecol(1, 2, 3));
  EXPECT_EQ(PixelAt(bmp, 1, 1), (Rgb{1, 2, 3}));
  destroy_bitmap(bmp);
}

TEST(DrawBevelBox, TexturedPanelWithoutTextureFillsWithTheColour) {
  FakeGameData data;
  data.Install();
  BITMAP* bmp = create_bitmap(40, 40);
  const int c = makecol(150, 120, 90);
  DrawBevelBox(bmp, 0, 0, 39, 39, c, 10);
  EXPECT_EQ(PixelAt(bmp, 20, 20), RgbOf(c));
  destroy_bitmap(bmp);
}

TEST(TintTexture, MagicPinkTakesTheColour) {
  FakeGameData data;
  BITMAP* texture = data.SetBitmap(kDataInterfaceTexture, 32, 32, makecol(255, 0, 255));
  rectfill(texture, 0, 0, 15, 31, makecol(90, 80, 70));
  data.Install();
  TintTexture(makecol(122, 108, 76));
  EXPECT_EQ(PixelAt(texture, 3, 3), (Rgb{90, 80, 70}));
  EXPECT_EQ(PixelAt(texture, 20, 3), (Rgb{122, 108, 76}));
}

TEST(TintTexture, TransparentPartsOfAnAlphaTextureTakeTheColour) {
  FakeGameData data;
  BITMAP* texture = data.SetBitmap(kDataInterfaceTexture, 32, 32, 0);
  rectfill(texture, 0, 0, 15, 31, makeacol32(90, 80, 70, 255));   // opaque
  rectfill(texture, 16, 0, 31, 31, makeacol32(10, 10, 10, 0));    // transparent
  data.Install();
  TintTexture(makecol(122, 108, 76));
  EXPECT_TRUE(Near(PixelAt(texture, 3, 3), Rgb{90, 80, 70}, 1));
  EXPECT_TRUE(Near(PixelAt(texture, 20, 3), Rgb{122, 108, 76}, 1));
}

}  // namespace
