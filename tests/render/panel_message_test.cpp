#include <cstring>
#include <string>

#include "render/message_line.h"
#include "render/side_panel.h"
#include "render_fixture.h"

using PanelAndMessages = RenderTest;

namespace {

// Whether any pixel of the message panel is strongly red (or blue).
bool MessageShows(bool red) {
  for (int y = 0; y < kMessageBitmapH; y++)
    for (int x = 0; x < kMessageBitmapW; x++) {
      Rgb c = At(MessageBitmap, x, y);
      if (red && c.r > 150 && c.g < 60 && c.b < 60) return true;
      if (!red && c.b > 150 && c.r < 60 && c.g < 60) return true;
    }
  return false;
}

// Segment i of a bar at (x, y): 0 absent, 1 short, 2 full; the colour goes to c.
int Segment(int x, int y, int i, Rgb* c = nullptr) {
  int sx = x + BarSegmentX(i);
  Rgb bottom = At(PanelBitmap, sx, y + 8);
  Rgb background = At(PanelBitmap, 0, 0);
  if (bottom == background) return 0;
  if (c) *c = bottom;
  return At(PanelBitmap, sx, y + 1) == background ? 1 : 2;
}

// How many segments of the bar at (x, y) are full or short in `color`, and full in `faint`.
struct SegmentCount {
  int full = 0, shortOnes = 0, faint = 0;
};

SegmentCount CountSegments(int x, int y, const Rgb& color, const Rgb& faint) {
  SegmentCount n;
  for (int i = 0; i < kMaxBarSegments; i++) {
    Rgb c;
    int kind = Segment(x, y, i, &c);
    if (kind == 2 && c == color) n.full++;
    if (kind == 1 && c == color) n.shortOnes++;
    if (kind == 2 && c == faint) n.faint++;
  }
  return n;
}

}  // namespace

TEST_F(PanelAndMessages, LongMessageIsCutTo89Characters) {
  Install();
  std::string longText(120, 'x');
  PrintMessage(TextColor2, "%s", longText.c_str());
  EXPECT_EQ(strlen(MessageBuffer), 89u);
  PrintMessage(TextColor2, "The door is locked, you need %s key.", "the red");
  EXPECT_STREQ(MessageBuffer, "The door is locked, you need the red key.");
}

TEST_F(PanelAndMessages, SixMessagesScrollTheOldestOut) {
  Install();
  clear_to_color(MessageBitmap, BaseColor);
  const ColorTriple first = {200, 0, 0}, other = {0, 0, 200};
  PrintMessage(first, "oldest");
  for (int i = 0; i < 4; i++) PrintMessage(other, "line %d", i);
  EXPECT_TRUE(MessageShows(true));  // five lines fit
  PrintMessage(other, "sixth");
  EXPECT_FALSE(MessageShows(true));
  EXPECT_TRUE(MessageShows(false));
}

TEST_F(PanelAndMessages, BarNeverShowsMoreThan17Segments) {
  Install();
  clear_to_color(PanelBitmap, BaseColor);
  int c = makecol(0, 0, 0);
  DrawBar(0, 10, 30, c, 0);
  EXPECT_EQ(Segment(0, 10, 16), 2);
  EXPECT_EQ(Segment(0, 10, 17), 0);
  EXPECT_EQ(BarSegmentX(5), 21);  // an extra pixel after every five
  // Negative values (magical offence) count by their size; nothing draws a dash.
  DrawBar(0, 40, -3, c, 0);
  EXPECT_EQ(Segment(0, 40, 2), 2);
  EXPECT_EQ(Segment(0, 40, 3), 0);
  DrawBar(0, 70, 0, c, 0);
  EXPECT_EQ(At(PanelBitmap, 2, 75), Rgb({0, 0, 0}));
  EXPECT_EQ(At(PanelBitmap, 2, 71), At(PanelBitmap, 0, 0));
}

TEST_F(PanelAndMessages, PairShowsBonusShortAndLossFaint) {
  Install();
  const int full = makecol(136, 0, 0);
  const Rgb kFull = {136, 0, 0}, kFaint = Of(TextColor3);
  struct Case {
    int base, current;
    int fullCount, shortCount, faintCount;
  };
  const Case cases[] = {
      {8, 12, 8, 4, 0},  // walk 12 of base 8: eight full, four short
      {5, 2, 2, 0, 3},   // life 2 of 5: five faint under two full
      {4, 4, 4, 0, 0},
  };
  for (const Case& c : cases) {
    clear_to_color(PanelBitmap, BaseColor);
    DrawPair(42, 119, c.base, c.current, full);
    SegmentCount n = CountSegments(42, 119, kFull, kFaint);
    EXPECT_EQ(n.full, c.fullCount) << c.base << "/" << c.current;
    EXPECT_EQ(n.shortOnes, c.shortCount) << c.base << "/" << c.current;
    EXPECT_EQ(n.faint, c.faintCount) << c.base << "/" << c.current;
  }
}

TEST_F(PanelAndMessages, UsualEnemyShowsOneLifeWithTheOptionUnlessExperienced) {
  Install();
  strcpy(ObjectTable[20].name, "Orc");
  ObjectTable[20].side = 3;
  ObjectTable[20].attribute[kLifeMax] = 3;
  ObjectTable[20].attribute[kLife] = 3;
  struct Case {
    int option, exp, segments;
  };
  const Case cases[] = {{0, 0, 3}, {1, 0, 1}, {1, 49, 1}, {1, 50, 3}};
  for (const Case& c : cases) {
    GameOptions.enemy1life = c.option;
    ObjectTable[20].exp = c.exp;
    ShowPanel(20);
    EXPECT_EQ(PanelObject, 20);
    int n = 0;
    while (n < kMaxBarSegments && Segment(42, 161, n)) n++;
    EXPECT_EQ(n, c.segments) << "option " << c.option << " exp " << c.exp;
  }
}

TEST_F(PanelAndMessages, WalkRowShowsThePointsLeftOfTheObjectWhoseTurnItIs) {
  Install();
  strcpy(ObjectTable[1].name, "Barbarian");
  ObjectTable[1].side = kSideHero;
  ObjectTable[1].attribute[kWalkBase] = 8;
  ObjectTable[1].attribute[kWalk] = 8;
  ObjectCount = 1;
  QuestHeader.savdata.CurrentObject = 1;
  QuestHeader.savdata.ActionState = 1;
  GameOptions.fixedwalk = 1;
  const Rgb kPrimary = Of(TextColor1), kFaint = Of(TextColor3);
  struct Case {
    int left;
    int full, shortOnes, faint;
  };
  const Case cases[] = {{3, 3, 0, 5}, {10, 8, 2, 0}, {0, 0, 0, 8}};
  // Whoever's turn it is shows the points left: a hero, a monster or anything else.
  for (int side : {kSideHero, kSideGreenskin, kSideStatic}) {
    ObjectTable[1].side = static_cast<int8_t>(side);
    for (const Case& c : cases) {
      QuestHeader.savdata.WalkLeft = c.left;
      ShowPanel(1);
      SegmentCount n = CountSegments(42, 119, kPrimary, kFaint);
      EXPECT_EQ(n.full, c.full) << "side " << side << " left " << c.left;
      EXPECT_EQ(n.shortOnes, c.shortOnes) << "side " << side << " left " << c.left;
      EXPECT_EQ(n.faint, c.faint) << "side " << side << " left " << c.left;
    }
  }
  QuestHeader.savdata.CurrentObject = 0;
  ObjectCount = 0;
}

TEST_F(PanelAndMessages, PanelForNoObjectIsEmpty) {
  Install();
  clear_to_color(PanelBitmap, makecol(1, 2, 3));
  ShowPanel(0);
  EXPECT_EQ(At(PanelBitmap, 50, 150), Of(TripleOf(BaseColor)));
  ShowPanel(300);  // out of range: no crash
  EXPECT_EQ(At(PanelBitmap, 50, 150), Of(TripleOf(BaseColor)));
}

TEST_F(PanelAndMessages, FigurePortraitIsFourTimesItsSizeWithoutItsMaskColour) {
  BITMAP* spr = data.SetBitmap(kFirstObjectPicture + 1, 20, 20, makecol(255, 0, 255));
  rectfill(spr, 5, 5, 14, 14, makecol(0, 0, 250));  // a blue figure on transparent pink
  Install();
  strcpy(ObjectTable[2].name, "Figure");
  ObjectTable[2].side = kSideHero;
  ObjectTable[2].picture[kPicNumber] = 1;
  ShowPanel(2);
  EXPECT_EQ(At(PanelBitmap, 15 + 40, 25 + 40), Rgb({0, 0, 250}));  // the figure, scaled
  for (int y = 25; y < 105; y++)
    for (int x = 15; x < 95; x++) {
      Rgb c = At(PanelBitmap, x, y);
      ASSERT_FALSE(c.r > 200 && c.b > 200 && c.g < 60) << "pink at " << x << "," << y;
    }
  // An object without a picture shows no portrait and does not fail.
  ObjectTable[2].picture[kPicNumber] = 500;
  ShowPanel(2);
  EXPECT_EQ(At(PanelBitmap, 15 + 40, 25 + 40), Of(TripleOf(BaseColor)));
}
