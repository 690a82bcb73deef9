// The pixel-art text reader of the picture generator: good art becomes the right
// pixels, faulty art a message naming the file and line, never a crash.
#include <gtest/gtest.h>

#include <map>
#include <string>

// The generator is a build tool outside the game library; its reader is compiled in here.
#include "../../tools/assetgen/bmp_file.cpp"
#include "../../tools/spritegen/canvas.cpp"
#include "../../tools/spritegen/sprite_text.cpp"

namespace {

TEST(SpriteText, PaletteRampAndOutlineMakeThePixels) {
  const char* art =
      "# a comment\n"
      "sprite 7\n"
      "size 4 3\n"
      "outline 10 20 30\n"
      "color k 1 2 3\n"
      "ramp A a 9 100 100 100\n"
      "grid\n"
      "....\n"
      ".Aa.\n"
      ".9k\n";
  std::map<int, Canvas> out;
  std::string error;
  ASSERT_TRUE(ParseSpriteText("t.txt", art, out, error)) << error;
  ASSERT_EQ(out.count(7), 1u);
  const Canvas& c = out.at(7);
  EXPECT_EQ(c.Width(), 4);
  EXPECT_EQ(c.Height(), 3);
  EXPECT_GT(c.Get(1, 1).r, 100);  // light shade
  EXPECT_EQ(c.Get(2, 1).r, 100);  // middle shade
  EXPECT_LT(c.Get(1, 2).r, 100);  // dark shade
  EXPECT_EQ(c.Get(2, 2).b, 3);
  // The outline rings the figure; corners touching it only diagonally stay clear.
  EXPECT_TRUE(c.Opaque(1, 0));
  EXPECT_EQ(c.Get(1, 0).g, 20);
  EXPECT_TRUE(c.Opaque(3, 2));
  EXPECT_FALSE(c.Opaque(0, 0));
}

TEST(SpriteText, FaultyArtIsReportedWithItsLine) {
  struct Case {
    const char* art;
    const char* message;
  };
  const Case cases[] = {
      {"sprite 55\n", "t.txt:1: picture number must be 1..54"},
      {"sprite x\n", "t.txt:1: picture number must be 1..54"},
      {"sprite 3\ngrid\n", "t.txt:2: grid before size"},
      {"size 2 2\ngrid\n", "t.txt:2: grid before sprite"},
      {"sprite 3\nsize 0 4\n", "t.txt:2: size needs a width and a height of 1..80"},
      {"sprite 3\nsize 2 2\ngrid\n..\n.q\n", "t.txt:5: character 'q' not in the palette"},
      {"sprite 3\nsize 2 2\ngrid\n...\n", "t.txt:4: grid row longer than the width"},
      {"sprite 3\nsize 2 3\ngrid\n..\n", "t.txt:4: grid ends after 1 rows"},
      {"sprite 3\ncolour k 1 2 3\n", "t.txt:2: unknown keyword \"colour\""},
      {"sprite 3\ncolor k 1 2 300\n", "t.txt:2: color needs one character and three values 0..255"},
      {"sprite 3\nramp A a 1 2 3\n", "t.txt:2: ramp needs three characters and three values 0..255"},
      {"sprite 3\noutline thick\n", "t.txt:2: outline needs \"auto\" or three values 0..255"},
      {"sprite 3\nsize 1 1\n", "t.txt:2: sprite without a grid"},
      {"sprite 3\nsize 1 1\ngrid\n.\nsprite 3\n", "t.txt:5: picture 3 drawn twice"},
  };
  for (const Case& k : cases) {
    std::map<int, Canvas> out;
    std::string error;
    EXPECT_FALSE(ParseSpriteText("t.txt", k.art, out, error)) << k.art;
    EXPECT_EQ(error, k.message) << k.art;
  }
}

}  // namespace
