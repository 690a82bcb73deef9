#include <gtest/gtest.h>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/program_state.h"
#include "render/side_panel.h"
#include "support/alert_checks.h"
#include "support/fake_game_data.h"
#include "support/pixel_colors.h"
#include "support/scripted_platform.h"
#include "ui/dialog_items.h"

namespace {

// Colours whose channels are multiples of 4 survive the font palette's six bits.
const Rgb kFg = {20, 40, 200};
const Rgb kHigh = {136, 0, 0};
const Rgb kMiddle = {60, 60, 60};
const Rgb kTexture = {44, 88, 132};
const Rgb kGround = {200, 200, 200};

int Col(const Rgb& c) { return makecol(c.r, c.g, c.b); }

class DialogItems : public ::testing::Test {
 protected:
  void SetUp() override {
    TestPlatform().Reset();
    data.SetFont(kFontDialog);
    click = data.SetSample(kDataClickSound);
    data.SetBitmap(kDataInterfaceTexture, 32, 32, Col(kTexture));
    data.Install();
    bmp = create_bitmap(400, 120);
    clear_to_color(bmp, Col(kGround));
    gui_set_screen(bmp);
    oldHigh = HighlightColor;
    oldMiddle = gui_mg_color;
    HighlightColor = Col(kHigh);
    gui_mg_color = Col(kMiddle);
    ExitRequest = 0;
  }
  void TearDown() override {
    gui_set_screen(nullptr);
    destroy_bitmap(bmp);
    HighlightColor = oldHigh;
    gui_mg_color = oldMiddle;
    GameOptions.volume = 8;
    ExitRequest = 0;
  }
  DIALOG Item(DIALOG_PROC proc, int x, int y, int w, int h, int flags, const char* text) {
    DIALOG d = {};
    d.proc = proc;
    d.x = x, d.y = y, d.w = w, d.h = h;
    d.fg = Col(kFg);
    d.bg = makecol(150, 120, 90);
    d.flags = flags;
    d.dp = const_cast<char*>(text);
    return d;
  }
  // The fake font inks the second row of a glyph from its second column on.
  Rgb InkAt(int glyphLeft, int top) { return PixelAt(bmp, glyphLeft + 1, top + 1); }

  FakeGameData data;
  SAMPLE* click = nullptr;
  BITMAP* bmp = nullptr;
  int oldHigh = 0, oldMiddle = 0;
};

struct ButtonCase {
  int flags;
  bool pressed;
  bool highlighted;
};

TEST_F(DialogItems, ButtonDrawsRestOrPressedWithTheFocusInTheHighlight) {
  const ButtonCase cases[] = {
      {0, false, false},
      {D_GOTFOCUS, false, true},
      {D_GOTFOCUS | D_EXIT, false, true},
      {D_SELECTED, true, false},
      {D_SELECTED | D_GOTFOCUS, true, true},
      {D_SELECTED | D_GOTFOCUS | D_EXIT, true, false},  // an exit button being pressed
  };
  for (const ButtonCase& c : cases) {
    SCOPED_TRACE(c.flags);
    clear_to_color(bmp, Col(kGround));
    DIALOG d = Item(ButtonProc, 20, 20, 60, 22, c.flags, "OK");
    EXPECT_EQ(ButtonProc(MSG_DRAW, &d, 0), D_O_K);
    int fill = ShadeColor(d.bg, c.pressed ? -3 : 2);
    EXPECT_EQ(PixelAt(bmp, 23, 23), RgbOf(fill));
    EXPECT_EQ(PixelAt(bmp, 40, 20), RgbOf(ShadeColor(fill, c.pressed ? -80 : -50)));
    EXPECT_EQ(PixelAt(bmp, 40, 41), RgbOf(ShadeColor(fill, c.pressed ? -160 : -100)));
    // The label is centred at x + 1 + (w - 1) / 2 with its top 2 + (h - 1 - 8) / 2 down.
    int left = 20 + 1 + 59 / 2 - 6, top = 20 + 2 + (21 - 8) / 2;
    EXPECT_TRUE(Near(InkAt(left, top), c.highlighted ? kHigh : kFg, 3)) << InkAt(left, top);
    EXPECT_EQ(PixelAt(bmp, left, top + 1), RgbOf(fill));
  }
}

TEST_F(DialogItems, ButtonKeyClicksShowsItPressedThenActs) {
  DIALOG d = Item(ButtonProc, 20, 20, 60, 22, D_EXIT | D_GOTFOCUS, "OK");
  ButtonProc(MSG_DRAW, &d, 0);
  EXPECT_EQ(ButtonProc(MSG_KEY, &d, 0), D_CLOSE);
  ASSERT_EQ(TestPlatform().played.size(), 1u);
  const RecordedSample& s = TestPlatform().played[0];
  EXPECT_EQ(s.sample, click);
  EXPECT_EQ(s.vol, 8 * 25);
  EXPECT_EQ(s.pan, 128);
  EXPECT_EQ(s.freq, 1000);
  EXPECT_EQ(s.loop, 0);
  EXPECT_EQ(TestPlatform().waitedMs, kButtonPressMs);
  // Still drawn pressed when the dialog closes.
  EXPECT_EQ(PixelAt(bmp, 23, 23), RgbOf(ShadeColor(d.bg, -3)));
}

TEST_F(DialogItems, ButtonMouseClickPlaysTheClickWithoutThePause) {
  DIALOG d = Item(ButtonProc, 20, 20, 60, 22, D_EXIT, "OK");
  ButtonProc(MSG_CLICK, &d, 0);
  ASSERT_EQ(TestPlatform().played.size(), 1u);
  EXPECT_EQ(TestPlatform().played[0].sample, click);
  EXPECT_EQ(TestPlatform().waitedMs, 0);
}

TEST_F(DialogItems, ClickVolumeFollowsTheSettingWithinTheSampleRange) {
  const int volumes[][2] = {{0, 0}, {4, 100}, {10, 250}, {40, 255}, {-3, 0}};
  for (const auto& v : volumes) {
    TestPlatform().Reset();
    GameOptions.volume = v[0];
    PlayClick();
    ASSERT_EQ(TestPlatform().played.size(), 1u);
    EXPECT_EQ(TestPlatform().played[0].vol, v[1]) << "volume " << v[0];
  }
}

TEST_F(DialogItems, TextButtonRightAlignedAndDisabledIgnoresItsKey) {
  struct Case {
    int flags;
    Rgb color;
  } cases[] = {{0, kFg}, {D_GOTFOCUS, kHigh}, {D_DISABLED | D_GOTFOCUS, kMiddle}};
  for (const Case& c : cases) {
    clear_to_color(bmp, Col(kGround));
    DIALOG d = Item(TextButtonProc, 10, 30, 60, 10, c.flags | D_EXIT, "AB");
    d.bg = Col(kGround);
    TextButtonProc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(Near(InkAt(70 - 12, 30), c.color, 3)) << c.flags << ": " << InkAt(58, 30);
    EXPECT_EQ(PixelAt(bmp, 70 - 13, 31), kGround);
  }
  DIALOG off = Item(TextButtonProc, 10, 30, 60, 10, D_DISABLED | D_EXIT, "AB");
  EXPECT_EQ(TextButtonProc(MSG_KEY, &off, 0), D_O_K);
  EXPECT_TRUE(TestPlatform().played.empty());
  DIALOG on = Item(TextButtonProc, 10, 30, 60, 10, D_EXIT, "AB");
  EXPECT_EQ(TextButtonProc(MSG_KEY, &on, 0), D_CLOSE);
  EXPECT_EQ(TestPlatform().played.size(), 1u);
  EXPECT_EQ(TestPlatform().waitedMs, kButtonPressMs);
}

struct CheckCase {
  int flags;
  Rgb onTick;     // first tick stroke's start
  Rgb aboveTick;  // two pixels higher: the shadow, the focus fill or the box
};

TEST_F(DialogItems, CheckBoxTickShadowAndFocus) {
  const Rgb base = RgbOf(BaseColor);
  const CheckCase cases[] = {
      {0, base, base},
      {D_SELECTED, kFg, kMiddle},
      {D_SELECTED | D_GOTFOCUS, kFg, kHigh},
      {D_GOTFOCUS, kHigh, kHigh},
      {D_SELECTED | D_DISABLED, kMiddle, base},
  };
  const int x = 10, y = 10, h = 14;
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.flags);
    clear_to_color(bmp, Col(kGround));
    DIALOG d = Item(CheckProc, x, y, 100, h, c.flags, "AB");
    d.d1 = 1;  // box first
    CheckProc(MSG_DRAW, &d, 0);
    EXPECT_EQ(PixelAt(bmp, x + 2, y + 1 + h / 2), c.onTick);
    EXPECT_EQ(PixelAt(bmp, x + 2, y + 1 + h / 2 - 1), c.onTick);  // two pixels thick
    EXPECT_EQ(PixelAt(bmp, x + 2, y - 1 + h / 2), c.aboveTick);
    // The sunken frame in the GUI background colour.
    EXPECT_EQ(PixelAt(bmp, x + 5, y), RgbOf(ShadeColor(gui_bg_color, -20)));
    // The label after the box, its top centred on the box.
    Rgb label = (c.flags & D_DISABLED) ? kMiddle : kFg;
    EXPECT_TRUE(Near(InkAt(x + h - 1 + 4, y + (h - 8) / 2), label, 3));
  }
}

TEST_F(DialogItems, CheckBoxLabelFirstPutsTheBoxAfterIt) {
  DIALOG d = Item(CheckProc, 10, 10, 100, 14, 0, "AB");
  d.d1 = 0;
  CheckProc(MSG_DRAW, &d, 0);
  int bx = 10 + 12 + 8 / 2;
  EXPECT_EQ(PixelAt(bmp, bx + 5, 10), RgbOf(ShadeColor(gui_bg_color, -20)));
  EXPECT_EQ(PixelAt(bmp, bx - 1, 10), kGround);
  EXPECT_TRUE(Near(InkAt(10, 13), kFg, 3));
}

TEST_F(DialogItems, CheckBoxKeyTogglesWithAClickUnlessDisabled) {
  BITMAP* oldScreen = screen;
  screen = bmp;  // the toggle redraws through the dialog manager
  DIALOG d = Item(CheckProc, 10, 10, 100, 14, 0, "AB");
  d.d1 = 1;
  EXPECT_EQ(CheckProc(MSG_KEY, &d, 0), D_O_K);
  EXPECT_TRUE(d.flags & D_SELECTED);
  EXPECT_EQ(PixelAt(bmp, 12, 18), kFg);  // the redraw shows the tick
  CheckProc(MSG_KEY, &d, 0);
  EXPECT_FALSE(d.flags & D_SELECTED);
  EXPECT_EQ(TestPlatform().played.size(), 2u);
  d.flags |= D_DISABLED;
  CheckProc(MSG_KEY, &d, 0);
  EXPECT_FALSE(d.flags & D_SELECTED);
  EXPECT_EQ(TestPlatform().played.size(), 2u);
  screen = oldScreen;
}

TEST_F(DialogItems, CheckBoxAboutAnObjectShowsItInThePanelOnFocus) {
  const char about[] = {7, 0};
  DIALOG d = Item(CheckProc, 10, 10, 100, 14, 0, "AB");
  d.dp2 = const_cast<char*>(about);
  PanelObject = 0;
  CheckProc(MSG_GOTFOCUS, &d, 0);
  EXPECT_EQ(PanelObject, 7);
  DIALOG plain = Item(CheckProc, 10, 10, 100, 14, 0, "AB");
  CheckProc(MSG_GOTFOCUS, &plain, 0);
  EXPECT_EQ(PanelObject, 7);
  PanelObject = 0;
}

TEST_F(DialogItems, ShadowBoxPanelShadowAndTitleStrip) {
  struct Case {
    const char* title;
    int w;
    bool strip;
  } cases[] = {{"Menu", 50, true}, {nullptr, 50, false}, {nullptr, 296, true}};
  const int x = 10, y = 10, h = 40;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.w);
    clear_to_color(bmp, Col(kGround));
    DIALOG d = Item(ShadowBoxProc, x, y, c.w, h, 0, c.title);
    ShadowBoxProc(MSG_DRAW, &d, 0);
    // The shadow is the item's last row and column, so that a pop-up dialog
    // restoring its rectangle takes the shadow away with it.
    const Rgb darker = {149, 149, 149};
    const int right = x + c.w - 1, bottom = y + h - 1;
    EXPECT_TRUE(Near(PixelAt(bmp, x + 5, bottom), darker, 1));
    EXPECT_TRUE(Near(PixelAt(bmp, right, y + 5), darker, 1));
    EXPECT_TRUE(Near(PixelAt(bmp, right, bottom), darker, 1));
    EXPECT_EQ(PixelAt(bmp, x, bottom), kGround);
    EXPECT_EQ(PixelAt(bmp, right, y), kGround);
    for (int i = 0; i <= c.w; i++) EXPECT_EQ(PixelAt(bmp, x + i, y + h), kGround);
    for (int j = 0; j <= h; j++) EXPECT_EQ(PixelAt(bmp, x + c.w, y + j), kGround);
    // The raised panel's outer ring closes just inside the shadow.
    EXPECT_EQ(PixelAt(bmp, right - 1, y + 5), RgbOf(ShadeColor(makecol(150, 120, 90), -50)));
    EXPECT_EQ(PixelAt(bmp, x + 4, y + 4), c.strip ? kHigh : kTexture);
    EXPECT_EQ(PixelAt(bmp, x + 4, y + 3 + 16), c.strip ? kHigh : kTexture);
    EXPECT_EQ(PixelAt(bmp, x + 4, y + 4 + 16), kTexture);
    if (c.strip) {
      EXPECT_TRUE(Near(InkAt(x + 6, y + 6), RgbOf(TitleTextColor(Col(kFg), Col(kHigh))), 3));
    }
  }
}

TEST_F(DialogItems, TitlesStayReadableOnTheirStrip) {
  struct Case {
    Rgb fg, strip, expected;
  } cases[] = {
      {{36, 26, 0}, {136, 0, 0}, {255, 236, 170}},     // default colours: dark on dark red
      {{250, 250, 250}, {136, 0, 0}, {250, 250, 250}},  // a light text keeps its colour
      {{20, 20, 20}, {230, 230, 120}, {20, 20, 20}},    // dark text on a light strip
      {{200, 200, 200}, {230, 230, 200}, {0, 0, 0}},    // light text on a light strip
  };
  for (const Case& c : cases)
    EXPECT_EQ(RgbOf(TitleTextColor(Col(c.fg), Col(c.strip))), c.expected);
}

TEST_F(DialogItems, StaticTextsAlignAndGreyWhenDisabled) {
  struct Case {
    DIALOG_PROC proc;
    int w;
    int flags;
    int glyphLeft;
    Rgb color;
  } cases[] = {
      {CentredTextProc, 0, 0, 50 - 6, kFg},
      {CentredTextProc, 0, D_DISABLED, 50 - 6, kMiddle},
      {CentredTextProc, 80, 0, 50 + 40 - 6, kFg},  // an alert's line: centred in its width
      {TextProc, 0, 0, 50, kFg},
      {TextProc, 0, D_DISABLED, 50, kMiddle},
  };
  for (const Case& c : cases) {
    clear_to_color(bmp, Col(kGround));
    DIALOG d = Item(c.proc, 50, 20, c.w, 10, c.flags, "AB");
    c.proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(Near(InkAt(c.glyphLeft, 20), c.color, 3)) << c.flags;
    EXPECT_EQ(PixelAt(bmp, c.glyphLeft, 21), kGround);
  }
}

TEST_F(DialogItems, PictureCopiesOpaqueOrSkipsMagicPink) {
  BITMAP* pic = create_bitmap(4, 4);
  clear_to_color(pic, makecol(10, 20, 30));
  putpixel(pic, 1, 1, makecol(255, 0, 255));
  for (int masked = 0; masked <= 1; masked++) {
    clear_to_color(bmp, Col(kGround));
    DIALOG d = Item(PictureProc, 30, 30, 4, 4, 0, nullptr);
    d.dp = pic;
    d.d1 = masked;
    PictureProc(MSG_DRAW, &d, 0);
    EXPECT_EQ(PixelAt(bmp, 30, 30), (Rgb{10, 20, 30}));
    EXPECT_EQ(PixelAt(bmp, 31, 31), masked ? kGround : (Rgb{255, 0, 255}));
    EXPECT_EQ(PixelAt(bmp, 34, 34), kGround);
  }
  DIALOG none = Item(PictureProc, 30, 30, 4, 4, 0, nullptr);
  EXPECT_EQ(PictureProc(MSG_DRAW, &none, 0), D_O_K);
  destroy_bitmap(pic);
}

struct WatcherCase {
  int before;
  int answer;
  int result;
  int after;
  bool asked;
};

TEST_F(DialogItems, ExitWatcherAsksOnTheCloseButton) {
  const WatcherCase cases[] = {
      {1, 1, D_CLOSE, 2, true},  // OK: leave
      {1, 2, D_O_K, 0, true},    // CANCEL: stay in the dialog
      {1, -1, D_O_K, 0, true},   // closed without a choice: stay
      {0, 1, D_O_K, 0, false},   // nothing asked
      {2, 1, D_CLOSE, 2, false}, // confirmed elsewhere: unwind
  };
  // Our dialogs' invisible watcher, and the box of the library's alerts and file
  // selector, which watch alike.
  for (DIALOG_PROC proc : {ExitWatcherProc, LibraryBoxProc}) {
    for (const WatcherCase& c : cases) {
      SCOPED_TRACE(testing::Message() << (proc == LibraryBoxProc ? "library box " : "watcher ")
                                      << c.before * 10 + c.answer);
      TestPlatform().Reset();
      TestPlatform().alertAnswers.push_back(c.answer);
      TestPlatform().keys.push_back('x');
      ExitRequest = c.before;
      DIALOG d = Item(proc, 0, 0, 0, 0, 0, nullptr);
      EXPECT_EQ(proc(MSG_IDLE, &d, 0), c.result);
      EXPECT_EQ(ExitRequest, c.after);
      EXPECT_EQ(ExitQuestionOpen, 0);
      ASSERT_EQ(TestPlatform().alerts.size(), c.asked ? 1u : 0u);
      if (!c.asked) continue;
      ExpectAlert(TestPlatform().alerts[0],
                  {" ", "  Exit Dunmarrow?  ", " ", "OK", "CANCEL", 'O', 'C'});
      if (c.after == 0) {
        EXPECT_GE(TestPlatform().waitedMs, 100);
        EXPECT_TRUE(TestPlatform().keys.empty());
      }
    }
  }
}

TEST_F(DialogItems, NoSecondExitQuestionWhileOneIsOpen) {
  // The question is on the screen (its own box watches too, and a loop of the game may
  // have asked it): a press of the close button meanwhile asks nothing more.
  for (DIALOG_PROC proc : {ExitWatcherProc, LibraryBoxProc}) {
    TestPlatform().Reset();
    ExitRequest = 1;
    ExitQuestionOpen = 1;
    DIALOG d = Item(proc, 0, 0, 0, 0, 0, nullptr);
    EXPECT_EQ(proc(MSG_IDLE, &d, 0), D_O_K);
    EXPECT_TRUE(TestPlatform().alerts.empty());
    EXPECT_EQ(ExitRequest, 1);
    ExitQuestionOpen = 0;
  }
}

TEST_F(DialogItems, LibraryBoxLooksLikeTheShadowBox) {
  for (int w : {120, 296}) {  // 296 wide: the file selector's, with its title
    SCOPED_TRACE(w);
    DIALOG d = Item(ShadowBoxProc, 20, 10, w, 80, 0, nullptr);
    clear_to_color(bmp, Col(kGround));
    ShadowBoxProc(MSG_DRAW, &d, 0);
    BITMAP* shadowBox = create_bitmap(bmp->w, bmp->h);
    blit(bmp, shadowBox, 0, 0, 0, 0, bmp->w, bmp->h);
    clear_to_color(bmp, Col(kGround));
    d.proc = LibraryBoxProc;
    EXPECT_EQ(LibraryBoxProc(MSG_DRAW, &d, 0), D_O_K);
    int differ = 0;
    for (int y = 0; y < bmp->h; y++)
      for (int x = 0; x < bmp->w; x++) differ += getpixel(bmp, x, y) != getpixel(shadowBox, x, y);
    EXPECT_EQ(differ, 0);
    destroy_bitmap(shadowBox);
  }
}

TEST_F(DialogItems, ExitWatcherIgnoresEverythingButIdle) {
  ExitRequest = 1;
  DIALOG d = Item(ExitWatcherProc, 0, 0, 0, 0, 0, nullptr);
  for (int msg : {MSG_START, MSG_DRAW, MSG_KEY, MSG_CLICK, MSG_END})
    EXPECT_EQ(ExitWatcherProc(msg, &d, 0), D_O_K);
  EXPECT_TRUE(TestPlatform().alerts.empty());
  EXPECT_EQ(ExitRequest, 1);
}

TEST_F(DialogItems, MenuFrameIsAFlatBoxWithAThinBevel) {
  MenuFrameDraw(10, 10, 40, 30);
  EXPECT_EQ(PixelAt(bmp, 20, 10), RgbOf(ShadeColor(gui_bg_color, 35)));
  EXPECT_EQ(PixelAt(bmp, 20, 39), RgbOf(ShadeColor(gui_bg_color, -40)));
  EXPECT_EQ(PixelAt(bmp, 20, 20), RgbOf(gui_bg_color));
  EXPECT_EQ(PixelAt(bmp, 50, 20), kGround);
}

}  // namespace
