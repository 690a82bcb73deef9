#include "core/display_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayScale, AutomaticFactorIsTheLargestThatFitsWithRoomForTheFrame) {
  struct Case {
    int setting, w, h;
    bool fullscreen;
    int want;
  } cases[] = {
      {0, 2560, 1440, false, 2},  // 1664 x 1264 fits, 2464 x 1864 does not
      {0, 1024, 768, false, 1},
      {0, 1664, 1264, false, 2},  // exactly the picture and the room
      {0, 1663, 1264, false, 1},
      {0, 1664, 1263, false, 1},
      {0, 1600, 1200, false, 1},  // no room for the frame
      {0, 1600, 1200, true, 2},   // full screen needs none
      {0, 3840, 2160, false, 3},
      {0, 7680, 4320, false, 4},  // never above 4
      {0, 0, 0, false, 1},        // desktop size unknown
      {-3, 2560, 1440, false, 2}, // below 0 counts as automatic
      {3, 1024, 768, false, 3},   // a fixed factor stays, fitting or not
      {1, 7680, 4320, true, 1},
      {9, 1024, 768, false, 4},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseScaleFactor(c.setting, c.w, c.h, c.fullscreen), c.want)
        << c.setting << " on " << c.w << "x" << c.h << (c.fullscreen ? " full" : " window");
}

TEST(DisplayScale, MouseMapsBackIntoThePicture) {
  struct Case {
    int real, factor, offset, size, want;
  } cases[] = {
      {0, 2, 0, 800, 0},      {1, 2, 0, 800, 0},     {2, 2, 0, 800, 1},
      {1599, 2, 0, 800, 799}, {1600, 2, 0, 800, 799}, {-5, 2, 0, 800, 0},
      {100, 1, 0, 800, 100},  {2399, 3, 0, 800, 799}, {1199, 2, 0, 600, 599},
      {130, 2, 100, 800, 15}, {99, 2, 100, 800, 0},   {50, 0, 0, 800, 50},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PictureCoordinate(c.real, c.factor, c.offset, c.size), c.want)
        << c.real << " at " << c.factor << "x, offset " << c.offset;
}

// A picture whose every pixel differs from its neighbours.
BITMAP* Pattern(int w, int h, int depth) {
  BITMAP* b = create_bitmap_ex(depth, w, h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++)
      putpixel(b, x, y, makecol_depth(depth, (x * 7) & 255, (y * 13) & 255, (x + y) & 255));
  return b;
}

TEST(DisplayScale, SharpScalingMakesEachPixelABlockOfItself) {
  for (int depth : {32, 16}) {
    for (int k : {1, 2, 3, 4}) {
      BITMAP* src = Pattern(kPictureW, kPictureH, depth);
      BITMAP* dst = create_bitmap_ex(depth, kPictureW * k, kPictureH * k);
      ScaleRows(src, dst, k, 0, kPictureH, false);
      int wrong = 0;
      for (int y = 0; y < dst->h; y++)
        for (int x = 0; x < dst->w; x++)
          if (getpixel(dst, x, y) != getpixel(src, x / k, y / k)) wrong++;
      EXPECT_EQ(wrong, 0) << depth << " bits at " << k << "x";
      destroy_bitmap(dst);
      destroy_bitmap(src);
    }
  }
}

TEST(DisplayScale, OnlyTheAskedRowsAreWritten) {
  for (bool smooth : {false, true}) {
    BITMAP* src = Pattern(kPictureW, kPictureH, 32);
    BITMAP* dst = create_bitmap(kPictureW * 2, kPictureH * 2);
    const int sentinel = makecol(1, 2, 3);
    clear_to_color(dst, sentinel);
    ScaleRows(src, dst, 2, 100, 110, smooth);
    for (int y : {0, 199, 200, 219, 220, 1199}) {
      bool written = y >= 200 && y < 220;
      EXPECT_EQ(getpixel(dst, 37, y) != sentinel, written) << "row " << y << " smooth " << smooth;
    }
    destroy_bitmap(dst);
    destroy_bitmap(src);
  }
}

TEST(DisplayScale, SmoothScalingBlendsBetweenPixelCentres) {
  // Black in the top-left quarter, white elsewhere: edges at x = 400 and y = 300.
  BITMAP* src = create_bitmap(kPictureW, kPictureH);
  clear_to_color(src, makecol(0, 0, 0));
  rectfill(src, 400, 0, kPictureW - 1, kPictureH - 1, makecol(255, 255, 255));
  rectfill(src, 0, 300, kPictureW - 1, kPictureH - 1, makecol(255, 255, 255));
  BITMAP* dst = create_bitmap(kPictureW * 2, kPictureH * 2);
  ScaleRows(src, dst, 2, 0, kPictureH, true);
  // Across the edge at 2x: black, a quarter white, three quarters white, white (each
  // half-way mean rounded up).
  struct Case {
    int x, grey;
  } row[] = {{0, 0}, {797, 0}, {798, 0}, {799, 64}, {800, 192}, {801, 255}, {1599, 255}};
  for (const Case& c : row) EXPECT_EQ(getr(getpixel(dst, c.x, 50)), c.grey) << "x " << c.x;
  // And down across the edge at y = 300.
  Case column[] = {{0, 0}, {597, 0}, {598, 0}, {599, 64}, {600, 192}, {601, 255}, {1199, 255}};
  for (const Case& c : column) EXPECT_EQ(getb(getpixel(dst, 50, c.x)), c.grey) << "y " << c.x;
  // Flat areas stay flat up to the picture's borders.
  EXPECT_EQ(getg(getpixel(dst, 0, 0)), 0);
  EXPECT_EQ(getg(getpixel(dst, 1599, 1199)), 255);
  destroy_bitmap(dst);

  // At 3x the middle sub-pixel is the pixel itself.
  dst = create_bitmap(kPictureW * 3, kPictureH * 3);
  ScaleRows(src, dst, 3, 0, kPictureH, true);
  EXPECT_EQ(getr(getpixel(dst, 3 * 399 + 1, 10)), 0);
  EXPECT_EQ(getr(getpixel(dst, 3 * 400 + 1, 10)), 255);
  EXPECT_EQ(getr(getpixel(dst, 3 * 399 + 2, 10)), 84);  // a third of the way, 255 x 85 / 256
  destroy_bitmap(dst);
  destroy_bitmap(src);
}

TEST(DisplayScale, WithoutADisplayTheMouseIsTheLibrarys) {
  EXPECT_EQ(DisplayScale(), 1);
  EXPECT_FALSE(DisplayFullscreen());
  EXPECT_EQ(RealScreen(), nullptr);
  ServiceDisplay();  // nothing open: nothing happens
}

}  // namespace
