// The built Dunmar.dat holds, at every index the game addresses, an entry of the right
// kind and size: floors, object pictures, sounds, title and interface pictures, fonts.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

#include "core/game_data.h"
#include "support/fake_game_data.h"
#include "support/pixel_colors.h"

namespace {

// The colour of a pixel at whatever depth the datafile stored the picture.
Rgb StoredColor(BITMAP* b, int x, int y) {
  int c = getpixel(b, x, y), depth = bitmap_color_depth(b);
  return {getr_depth(depth, c), getg_depth(depth, c), getb_depth(depth, c)};
}

bool IsPink(BITMAP* b, int x, int y) { return StoredColor(b, x, y) == Rgb{255, 0, 255}; }

// A pixel blended half-way with the transparent colour: it would show as a pink fringe.
bool IsPinkFringe(BITMAP* b, int x, int y) {
  Rgb p = StoredColor(b, x, y);
  return !IsPink(b, x, y) && p.r > 150 && p.b > 150 && p.g < p.r - 90 && p.g < p.b - 90;
}

int PinkCount(BITMAP* b) {
  int n = 0;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x) n += IsPink(b, x, y);
  return n;
}

class BuiltDatafile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(InstallBuiltGameData()) << "Dunmar.dat is missing: build the game_datafile target";
  }
  void TearDown() override { UnloadGameData(); }
};

TEST_F(BuiltDatafile, HoldsEveryIndexTheGameAddresses) {
  EXPECT_GE(GameDataCount(), kDataMousePointer + 1);
  for (int i = 0; i <= 80; ++i) EXPECT_NE(DataBitmap(i), nullptr) << "picture entry " << i;
  for (int i = 81; i <= 108; ++i) EXPECT_NE(DataSample(i), nullptr) << "sound entry " << i;
  for (int i : {109, 110, 111, 112, 113, 114, 115, 116, 121, 122, 123})
    EXPECT_NE(DataBitmap(i), nullptr) << "picture entry " << i;
  for (int i = kFontSmall; i <= kFontDialog; ++i) EXPECT_NE(DataFont(i), nullptr) << "font entry " << i;
}

TEST_F(BuiltDatafile, FloorsAreTilesThatTellRoomsApart) {
  for (int code = 1; code <= kFloorKinds; ++code) {
    BITMAP* f = FloorPicture(code);
    ASSERT_NE(f, nullptr) << "floor " << code;
    EXPECT_EQ(f->w, 25) << "floor " << code;
    EXPECT_EQ(f->h, 25) << "floor " << code;
    EXPECT_EQ(PinkCount(f), 0) << "floor " << code << " has see-through pixels";
  }
  // Any two floors differ clearly pixel by pixel, so no two rooms look alike.
  for (int a = 1; a <= kFloorKinds; ++a)
    for (int b = a + 1; b <= kFloorKinds; ++b) {
      BITMAP *fa = FloorPicture(a), *fb = FloorPicture(b);
      double sum = 0;
      for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
          Rgb ca = StoredColor(fa, x, y), cb = StoredColor(fb, x, y);
          sum += std::abs(ca.r - cb.r) + std::abs(ca.g - cb.g) + std::abs(ca.b - cb.b);
        }
      EXPECT_GT(sum / 625, 30) << "floors " << a << " and " << b << " look alike";
    }
}

TEST_F(BuiltDatafile, ObjectPicturesAreSpritesOfBoardSize) {
  for (int n = 1; n <= 54; ++n) {
    BITMAP* b = ObjectPicture(n);
    ASSERT_NE(b, nullptr) << "object picture " << n;
    EXPECT_GE(b->w, 4) << "object picture " << n;
    EXPECT_LE(b->w, 75) << "object picture " << n;
    EXPECT_GE(b->h, 4) << "object picture " << n;
    EXPECT_LE(b->h, 75) << "object picture " << n;
  }
}

struct PictureCase {
  int index;
  int minW, maxW, minH, maxH;
  bool pinkParts;      // must have transparent parts
  bool pinkTopLeft;    // transparent at (0, 0)
};

TEST_F(BuiltDatafile, InterfacePicturesHaveTheirSizesAndMasks) {
  const PictureCase cases[] = {
      {kDataTitle1, 320, 651, 240, 476, false, false},
      {kDataTitle2, 320, 651, 240, 476, false, false},
      {kDataInterfaceTexture, 32, 32, 32, 32, true, false},
      {kDataDiceSkull, 20, 32, 20, 32, true, true},
      {kDataDiceWhiteShield, 20, 32, 20, 32, true, true},
      {kDataDiceBlackShield, 20, 32, 20, 32, true, true},
      {kDataSearchPicture1, 25, 25, 25, 25, true, true},
      {kDataSearchPicture2, 25, 25, 25, 25, true, true},
      {kDataHatchPattern, 4, 16, 4, 16, true, false},
      {kDataLogo, 100, 120, 24, 40, true, true},
      {kDataMousePointer, 8, 32, 8, 32, true, false},
  };
  for (const PictureCase& c : cases) {
    BITMAP* b = DataBitmap(c.index);
    ASSERT_NE(b, nullptr) << c.index;
    EXPECT_GE(b->w, c.minW) << c.index;
    EXPECT_LE(b->w, c.maxW) << c.index;
    EXPECT_GE(b->h, c.minH) << c.index;
    EXPECT_LE(b->h, c.maxH) << c.index;
    int pink = PinkCount(b);
    if (c.pinkParts) {
      int fringe = 0;
      for (int y = 0; y < b->h; ++y)
        for (int x = 0; x < b->w; ++x) fringe += IsPinkFringe(b, x, y);
      EXPECT_EQ(fringe, 0) << c.index << " has edges blended with the transparent colour";
      EXPECT_GT(pink, 0) << c.index << " has no transparent parts";
      EXPECT_LT(pink, b->w * b->h) << c.index << " is all transparent";
    } else {
      EXPECT_EQ(pink, 0) << c.index;
    }
    if (c.pinkTopLeft) {
      EXPECT_TRUE(IsPink(b, 0, 0)) << c.index;
    }
  }
  // Fill patterns must have power-of-two sides for the pattern drawing modes.
  for (int i : {kDataHatchPattern, kDataInterfaceTexture}) {
    BITMAP* b = DataBitmap(i);
    EXPECT_EQ(b->w & (b->w - 1), 0) << i;
    EXPECT_EQ(b->h & (b->h - 1), 0) << i;
  }
  // The pointer's hotspot is its top-left pixel: the tip must be drawn there.
  EXPECT_FALSE(IsPink(DataBitmap(kDataMousePointer), 0, 0));
}

struct FontCase {
  int index;
  int minHeight, maxHeight;
};

TEST_F(BuiltDatafile, FontsAreAntiAliasedColourFontsOfFittingHeight) {
  // Heights that fit 14-pixel message lines, 22-pixel buttons and manual headings.
  const FontCase cases[] = {{kFontSmall, 8, 11}, {kFontStandard, 10, 13}, {kFontHeading, 15, 19}, {kFontDialog, 11, 14}};
  char all[96];
  for (int ch = 32; ch <= 126; ++ch) all[ch - 32] = char(ch);
  all[95] = 0;
  for (const FontCase& c : cases) {
    FONT* f = DataFont(c.index);
    ASSERT_NE(f, nullptr) << c.index;
    EXPECT_TRUE(is_color_font(f)) << c.index;
    ASSERT_EQ(get_font_ranges(f), 1) << c.index;
    EXPECT_EQ(get_font_range_begin(f, 0), 32) << c.index;
    EXPECT_EQ(get_font_range_end(f, 0), 126) << c.index;
    EXPECT_GE(text_height(f), c.minHeight) << c.index;
    EXPECT_LE(text_height(f), c.maxHeight) << c.index;
    // Drawn onto an 8-bit bitmap the glyphs leave their raw palette indexes: only the
    // ink steps 1..4 may appear, 0 stays transparent, and shading means several steps.
    int w = text_length(f, all) + 4;
    BITMAP* b = create_bitmap_ex(8, w, text_height(f) + 4);
    clear_to_color(b, 200);
    textout_ex(b, f, all, 2, 2, -1, -1);
    std::set<int> seen;
    for (int y = 0; y < b->h; ++y)
      for (int x = 0; x < b->w; ++x) seen.insert(getpixel(b, x, y));
    destroy_bitmap(b);
    seen.erase(200);
    for (int v : seen) EXPECT_TRUE(v >= 1 && v <= 4) << "font " << c.index << " uses index " << v;
    EXPECT_TRUE(seen.count(1)) << "font " << c.index << " has no full ink";
    EXPECT_GE(seen.size(), 2u) << "font " << c.index << " is not anti-aliased";
    // Every printable character has width; a space is narrower than a capital M.
    for (int ch = 33; ch <= 126; ++ch) {
      char s[2] = {char(ch), 0};
      EXPECT_GT(text_length(f, s), 0) << "font " << c.index << " char " << ch;
    }
    EXPECT_LT(text_length(f, " "), text_length(f, "M")) << c.index;
  }
}

TEST_F(BuiltDatafile, SoundsAreMonoSixteenBitAndAudible) {
  for (int n = 0; n <= 27; ++n) {
    SAMPLE* s = EffectSample(n);
    ASSERT_NE(s, nullptr) << "effect " << n;
    EXPECT_EQ(s->bits, 16) << "effect " << n;
    EXPECT_FALSE(s->stereo) << "effect " << n;
    EXPECT_GE(s->freq, 22050) << "effect " << n;
    ASSERT_GT(s->len, 0u) << "effect " << n;
    // Allegro keeps 16-bit samples unsigned: silence is 0x8000.
    const uint16_t* d = static_cast<const uint16_t*>(s->data);
    int peak = 0;
    for (unsigned long i = 0; i < s->len; ++i) peak = std::max(peak, std::abs(int(d[i]) - 0x8000));
    if (n >= 1) {
      EXPECT_GT(peak, 8000) << "effect " << n << " is nearly silent";
    }
    if (n >= 1 && n <= 23) {
      EXPECT_LT(s->len, unsigned(s->freq) * 4) << "effect " << n << " is too long";
    }
  }
}

TEST_F(BuiltDatafile, AmbientLoopsJoinWithoutAClick) {
  for (int n = 24; n <= 27; ++n) {
    SAMPLE* s = EffectSample(n);
    ASSERT_NE(s, nullptr) << "loop " << n;
    EXPECT_GE(s->len, unsigned(s->freq) * 2) << "loop " << n << " is too short to loop unnoticed";
    const uint16_t* d = static_cast<const uint16_t*>(s->data);
    // The jump from the last sample back to the first is no bigger than the largest
    // step inside the loop.
    int maxStep = 0;
    for (unsigned long i = 1; i < s->len; ++i) maxStep = std::max(maxStep, std::abs(int(d[i]) - int(d[i - 1])));
    int wrap = std::abs(int(d[0]) - int(d[s->len - 1]));
    EXPECT_LE(wrap, maxStep) << "loop " << n;
  }
}

}  // namespace
