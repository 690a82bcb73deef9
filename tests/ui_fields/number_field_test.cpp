#include <vector>

#include "core/colors.h"
#include "core/game_options.h"
#include "ui/number_field.h"
#include "ui_fields/field_fixture.h"

namespace {

class NumberFieldTest : public FieldTest {
 protected:
  DIALOG d = {};

  // A horizontal field; 20 pixels of number, then the slider.
  void Make(int limit, int value, int w = 200, int flags = 0) {
    d = Item(NumberFieldProc, 20, 20, w, 12);
    d.bg = makecol(40, 120, 200);
    d.d1 = limit;
    d.d2 = value;
    d.flags = flags;
    NumberFieldProc(MSG_START, &d, 0);
  }
  int Key(int scancode) { return NumberFieldProc(MSG_CHAR, &d, scancode << 8); }
  int Wheel(int amount) { return NumberFieldProc(MSG_WHEEL, &d, amount); }
  // The left edge of the knob: the first column of its light outer bevel.
  int KnobLeft() {
    NumberFieldProc(MSG_DRAW, &d, 0);
    int light = ShadeColor(d.bg, 35);
    for (int x = d.x + 2; x < d.x + d.w - 2; x++) {
      if (SameColor(x, d.y + 4, light)) return x;
    }
    return -1;
  }
};

TEST_F(NumberFieldTest, ALimitOfAHundredOrMoreCountsInTens) {
  Make(400, 12);
  EXPECT_EQ(NumberFieldShown(&d), 120);
  EXPECT_EQ(Key(KEY_RIGHT), D_USED_CHAR);
  EXPECT_EQ(d.d2, 13);
  EXPECT_EQ(NumberFieldShown(&d), 130);
  Key(KEY_END);
  EXPECT_EQ(d.d2, 40);
  EXPECT_EQ(NumberFieldShown(&d), 400);
  Wheel(3);
  EXPECT_EQ(d.d2, 40);
  Key(KEY_RIGHT);
  EXPECT_EQ(d.d2, 40);
  Wheel(-2);
  EXPECT_EQ(d.d2, 38);
}

TEST_F(NumberFieldTest, ASmallLimitShowsAndStoresTheValueAsItIs) {
  Make(15, 0);
  for (int v = 1; v <= 15; v++) {
    Key(KEY_RIGHT);
    EXPECT_EQ(d.d2, v);
    EXPECT_EQ(NumberFieldShown(&d), v);
  }
  Key(KEY_RIGHT);
  EXPECT_EQ(d.d2, 15);
  Wheel(-100);
  EXPECT_EQ(d.d2, 0);
  Key(KEY_LEFT);
  EXPECT_EQ(d.d2, 0);
}

TEST_F(NumberFieldTest, KeysOfAHorizontalField) {
  struct Case {
    const char* name;
    int scan, start, expected, result;
  } cases[] = {
      {"home", KEY_HOME, 9, 0, D_USED_CHAR},
      {"end", KEY_END, 3, 15, D_USED_CHAR},
      {"left", KEY_LEFT, 3, 2, D_USED_CHAR},
      {"page down adds a sixteenth of the limit", KEY_PGDN, 3, 4, D_USED_CHAR},
      {"page up", KEY_PGUP, 3, 2, D_USED_CHAR},
      {"up belongs to the dialog", KEY_UP, 3, 3, D_O_K},
      {"down belongs to the dialog", KEY_DOWN, 3, 3, D_O_K},
      {"a letter", KEY_A, 3, 3, D_O_K},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Make(15, c.start);
    EXPECT_EQ(Key(c.scan), c.result);
    EXPECT_EQ(d.d2, c.expected);
  }
}

TEST_F(NumberFieldTest, AnUprightFieldTurnsTheKeysRound) {
  d = Item(NumberFieldProc, 20, 20, 12, 120);
  d.d1 = 15;
  d.d2 = 5;
  EXPECT_EQ(Key(KEY_UP), D_USED_CHAR);
  EXPECT_EQ(d.d2, 6);
  Key(KEY_DOWN);
  EXPECT_EQ(d.d2, 5);
  Key(KEY_HOME);
  EXPECT_EQ(d.d2, 15);
  Key(KEY_END);
  EXPECT_EQ(d.d2, 0);
  EXPECT_EQ(Key(KEY_RIGHT), D_O_K);
}

TEST_F(NumberFieldTest, AStepAlwaysMovesTheKnobAtLeastOnePixel) {
  // A slider with 10 pixels of travel for the values 0..99.
  Make(99, 0, 20 + 3 + 7 + 10);
  int before = KnobLeft();
  Key(KEY_RIGHT);
  EXPECT_GT(d.d2, 1);
  EXPECT_GT(KnobLeft(), before);
  before = KnobLeft();
  Key(KEY_LEFT);
  EXPECT_LT(KnobLeft(), before);
  // A step stops at either end even when the knob would not move.
  d.d2 = 98;
  Key(KEY_RIGHT);
  EXPECT_EQ(d.d2, 99);
  d.d2 = 1;
  Key(KEY_LEFT);
  EXPECT_EQ(d.d2, 0);
}

TEST_F(NumberFieldTest, TheKnobTravelsTheWholeSlider) {
  Make(15, 0);
  int first = KnobLeft();
  EXPECT_EQ(first, d.x + 20 + 1);
  Key(KEY_END);
  EXPECT_EQ(KnobLeft() + 7 - 1, d.x + d.w - 3);
}

TEST_F(NumberFieldTest, TheKnobIsHighlightedOnlyWithTheFocus) {
  Make(15, 0);
  int inside = d.x + 20 + 1 + 3;
  NumberFieldProc(MSG_DRAW, &d, 0);
  EXPECT_FALSE(SameColor(inside, d.y + 6, HighlightColor));
  d.flags |= D_GOTFOCUS;
  NumberFieldProc(MSG_DRAW, &d, 0);
  EXPECT_TRUE(SameColor(inside, d.y + 6, HighlightColor));
  d.flags = D_DISABLED;  // a disabled field shows no knob
  NumberFieldProc(MSG_DRAW, &d, 0);
  EXPECT_EQ(KnobLeft(), -1);
}

TEST_F(NumberFieldTest, DraggingFollowsThePointerUntilTheButtonIsReleased) {
  Make(15, 0);
  P().mouseX = d.x + d.w + 50;  // past the end: the largest value
  mouseHeldLooks = 3;
  NumberFieldProc(MSG_CLICK, &d, 0);
  EXPECT_EQ(d.d2, 15);
  EXPECT_EQ(mouseHeldLooks, 0);
  EXPECT_GT(P().waitedMs, 0);  // the loop hands the processor back
  P().mouseX = d.x;  // before the start: 0
  NumberFieldProc(MSG_CLICK, &d, 0);
  EXPECT_EQ(d.d2, 0);
  // The knob's centre under the pointer: the middle value.
  P().mouseX = d.x + 20 + 1 + 3 + (d.w - 20 - 3 - 7) / 2;
  NumberFieldProc(MSG_CLICK, &d, 0);
  EXPECT_NEAR(d.d2, 8, 1);
}

TEST_F(NumberFieldTest, EveryChangeCallsTheCallbackAndAddsItsResult) {
  static std::vector<int> seen;
  static void* given;
  seen.clear();
  int tag = 0;
  Make(15, 4);
  d.dp2 = reinterpret_cast<void*>(+[](void* dp3, int value) {
    given = dp3;
    seen.push_back(value);
    return D_REDRAW;
  });
  d.dp3 = &tag;
  EXPECT_EQ(Key(KEY_RIGHT), D_USED_CHAR | D_REDRAW);
  EXPECT_EQ(Wheel(2), D_REDRAW);
  EXPECT_EQ(Key(KEY_END), D_USED_CHAR | D_REDRAW);
  EXPECT_EQ(Key(KEY_END), D_USED_CHAR);  // no change, no call
  EXPECT_EQ(Wheel(1), D_O_K);
  EXPECT_EQ(seen, (std::vector<int>{5, 7, 15}));
  EXPECT_EQ(given, &tag);
}

TEST_F(NumberFieldTest, TheSoundFieldPlaysEachSoundItStepsOnOnce) {
  GameOptions.volume = 6;
  Make(22, 0, 200, kNumberFieldSoundPreview);
  for (int i = 0; i < 3; i++) Key(KEY_RIGHT);
  Wheel(2);
  Wheel(0);
  ASSERT_EQ(P().played.size(), 4u);
  int expected[] = {1, 2, 3, 5};
  for (int i = 0; i < 4; i++) {
    EXPECT_EQ(P().played[i].sample, EffectSample(expected[i]));
    EXPECT_EQ(P().played[i].vol, 150);
    EXPECT_EQ(P().played[i].pan, 128);
    EXPECT_EQ(P().played[i].freq, 1000);
    EXPECT_EQ(P().played[i].loop, 0);
  }
  // A field without the flag stays silent.
  P().played.clear();
  Make(22, 0);
  Key(KEY_RIGHT);
  EXPECT_TRUE(P().played.empty());
  SetDefaultGameOptions();
}

TEST_F(NumberFieldTest, FocusAnswers) {
  Make(15, 0);
  EXPECT_EQ(NumberFieldProc(MSG_KEY, &d, 0), D_WANTFOCUS);
  EXPECT_EQ(NumberFieldProc(MSG_WANTFOCUS, &d, 0), D_WANTFOCUS);
  EXPECT_EQ(NumberFieldProc(MSG_LOSTFOCUS, &d, 0), D_WANTFOCUS);
  d.flags |= D_GOTFOCUS;
  EXPECT_EQ(NumberFieldProc(MSG_KEY, &d, 0), D_O_K);
}

TEST_F(NumberFieldTest, AZeroLimitNeverDividesByZero) {
  Make(0, 0);
  NumberFieldProc(MSG_DRAW, &d, 0);
  Key(KEY_PGDN);
  Key(KEY_RIGHT);
  P().mouseX = d.x + 100;
  NumberFieldProc(MSG_CLICK, &d, 0);
  EXPECT_EQ(d.d2, 0);
}

}  // namespace
