// The manual reader: its line layout of headings, paragraphs and small print, the
// scrolling bounds, the font each drawn line starts in, and damaged manual files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "support/alert_checks.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "ui/dialog_items.h"
#include "ui/manual_reader.h"

namespace {

// Block fonts of three sizes, so that widths and heights tell which font drew what:
// every glyph but the blank inks its whole cell inside a one-pixel border.
struct FontSize {
  int index, w, h;
};
const FontSize kSizes[] = {{kFontSmall, 4, 6}, {kFontStandard, 6, 10}, {kFontHeading, 10, 16}};

FONT* BlockFont(int cw, int ch) {
  const int count = 95;
  BITMAP* sheet = create_bitmap_ex(8, count * (cw + 1) + 1, ch + 2);
  clear_to_color(sheet, 255);
  for (int i = 0; i < count; i++) {
    int x0 = 1 + i * (cw + 1);
    rectfill(sheet, x0, 1, x0 + cw - 1, ch, 0);
    if (i > 0) rectfill(sheet, x0 + 1, 2, x0 + cw - 2, ch - 1, 1);
  }
  FONT* f = grab_font_from_bitmap(sheet);
  destroy_bitmap(sheet);
  return f;
}

class ManualReader : public ::testing::Test {
 protected:
  void SetUp() override {
    TestPlatform().Reset();
    ExitRequest = 0;
    table_.assign(kFontDialog + 1, DATAFILE{});
    for (DATAFILE& e : table_) e.type = DAT_DATA;
    for (const FontSize& s : kSizes) {
      table_[s.index].type = DAT_FONT;
      table_[s.index].dat = BlockFont(s.w, s.h);
    }
    table_[kFontDialog].type = DAT_END;
    InstallGameData(table_.data());
    screen_ = create_bitmap(800, 600);
    clear_to_color(screen_, makecol(255, 255, 255));
    gui_set_screen(screen_);
  }
  void TearDown() override {
    InstallGameData(nullptr);
    for (const FontSize& s : kSizes) destroy_font(static_cast<FONT*>(table_[s.index].dat));
    gui_set_screen(nullptr);
    destroy_bitmap(screen_);
    RunManualDialog = saved_;
  }
  // The text box at (100, 50), started as the dialog manager starts it.
  DIALOG Viewer(const std::string& text, int w, int h) {
    text_ = text;
    DIALOG d = {};
    d.proc = ManualViewerProc;
    d.x = 100;
    d.y = 50;
    d.w = w;
    d.h = h;
    d.fg = makecol(0, 0, 0);
    d.dp = &text_[0];
    d.dp3 = &page_;
    d.proc(MSG_START, &d, 0);
    return d;
  }
  void End(DIALOG& d) { d.proc(MSG_END, &d, 0); }
  // What a line shows: its characters without tags, line feeds and bars, tabs as blanks.
  std::string Shown(const ManualLine& line) const {
    std::string out;
    bool inTag = false;
    for (int i = line.start; i < line.end; i++) {
      char c = page_.text[i];
      if (c == '<') inTag = true;
      if (inTag) {
        if (c == '>') inTag = false;
        continue;
      }
      if (c == '\t')
        out += "        ";
      else if (c != '\r' && c != '\n' && c != '|')
        out += c;
    }
    return out;
  }
  // Height of the first run of inked rows (any colour but the box's) from y on, in the
  // column band [x1, x2).
  int InkHeightFrom(int y, int x1, int x2) {
    auto inked = [&](int row) {
      for (int x = x1; x < x2; x++)
        if (getpixel(screen_, x, row) != BaseColor) return true;
      return false;
    };
    while (y < 600 && !inked(y)) y++;
    int h = 0;
    while (y + h < 600 && inked(y + h)) h++;
    return h;
  }

  std::vector<DATAFILE> table_;
  BITMAP* screen_ = nullptr;
  std::string text_;
  ManualPage page_;
  ManualDialogRunner saved_ = RunManualDialog;
};

struct Shown {
  std::string text;
  int font;  // in force at the line's start
};

struct LayoutCase {
  const char* what;
  const char* text;
  int width;
  std::vector<Shown> lines;
};

TEST_F(ManualReader, LaysOutHeadingsParagraphsAndSmallPrint) {
  const int B = kManualBody, H = kManualHeading, S = kManualSmall;
  const LayoutCase cases[] = {
      {"nothing before the body tag", "<HTML><P>head</P><BODY bg=x>text", 200, {{"text", B}}},
      {"a lower-case body tag shows nothing", "<html><body><P>text</P>", 200, {}},
      {"no body tag at all", "just words", 200, {}},
      {"paragraph and line-break tags end lines", "<BODY>One<BR>Two<P>Three</P>Four", 200,
       {{"One", B}, {"Two", B}, {"Three", B}, {"Four", B}}},
      {"a heading end before a paragraph leaves one empty line",
       "<BODY><H1>Title</H1>\n<P>Text</P>", 200, {{"Title", B}, {"", B}, {"Text", B}}},
      {"other tags are hidden and end nothing", "<BODY>a<B>b</B><br>c<p>d", 200, {{"abcd", B}}},
      {"line feeds take no room and end nothing", "<BODY>a\r\nb\nc", 200, {{"abc", B}}},
      {"small print lasts until a heading end",
       "<BODY>Note |tiny text<BR>still tiny</H2>back", 200,
       {{"Note tiny text", B}, {"still tiny", S}, {"back", B}}},
      {"a bar inside a tag starts small print too", "<BODY><A b=|>x<BR>y", 200,
       {{"x", B}, {"y", S}}},
      {"a heading opened without its end carries on", "<BODY><H1>A<BR>B<BR>C", 200,
       {{"A", B}, {"B", H}, {"C", H}}},
      // Body characters are 6 wide: a line takes characters while it stays under 50.
      {"a line breaks at its last blank, which is dropped", "<BODY>aaa bbb ccc", 50,
       {{"aaa bbb", B}, {"ccc", B}}},
      {"a word longer than the box breaks inside", "<BODY>abcdefghijkl", 50,
       {{"abcdefgh", B}, {"ijkl", B}}},
      {"headings are measured in the heading font", "<BODY><H1>abcdef</H1>", 50,
       {{"abcd", B}, {"ef", H}}},
      {"small print is measured in the small font", "<BODY>|abcdefghijkl", 50,
       {{"abcdefghijkl", B}}},
      {"a tab counts as eight blanks", "<BODY>\tX", 50, {{"        ", B}, {"X", B}}},
      {"a glyph wider than the box still takes a line", "<BODY><H1>ab", 8,
       {{"a", B}, {"b", H}}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.what);
    LayOutManual(page_, c.text, c.width);
    ASSERT_EQ(page_.lines.size(), c.lines.size());
    for (size_t i = 0; i < c.lines.size(); i++) {
      EXPECT_EQ(Shown(page_.lines[i]), c.lines[i].text) << "line " << i;
      EXPECT_EQ(page_.lines[i].font, c.lines[i].font) << "line " << i;
    }
  }
}

TEST_F(ManualReader, DamagedTextsEndTheLayoutAtTheirEnd) {
  const struct {
    const char* text;
    size_t lines;
  } cases[] = {
      {"<BODY", 0},             // the body tag never closes
      {"<BODY>", 0},            // nothing after it
      {"<BODY>text<P", 1},      // a tag cut off by the end
      {"<BODY>text<", 1},       // a lone bracket at the very end
      {"<BODY>|", 1},           // only a bar
      {"<BODY>a</", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    LayOutManual(page_, c.text, 200);
    EXPECT_EQ(page_.lines.size(), c.lines);
    for (const ManualLine& l : page_.lines) {
      EXPECT_LE(l.end, static_cast<int>(strlen(c.text)));
      EXPECT_LE(l.next, static_cast<int>(strlen(c.text)));
    }
  }
}

// Thirty body lines "L0" to "L29" in a box showing ten ((108 - 8) / 10).
std::string ThirtyLines() {
  std::string s = "<BODY>";
  for (int i = 0; i < 30; i++) s += "L" + std::to_string(i) + "<BR>";
  return s;
}

struct ScrollCase {
  int from;
  int key;    // a scan code, or 0 for the wheel
  int wheel;  // notches, positive upwards
  int to;
};

TEST_F(ManualReader, KeysAndWheelScrollWithinTheText) {
  DIALOG d = Viewer(ThirtyLines(), 200, 108);
  ASSERT_EQ(d.d1, 30);
  ASSERT_EQ(ManualVisibleLines(&d), 10);
  ASSERT_EQ(ManualLastFirstLine(&d), 20);
  const ScrollCase cases[] = {
      {0, KEY_DOWN, 0, 1},   {5, KEY_UP, 0, 4},     {0, KEY_UP, 0, 0},
      {20, KEY_DOWN, 0, 20}, {7, KEY_HOME, 0, 0},   {3, KEY_END, 0, 20},
      {0, KEY_PGDN, 0, 8},   {8, KEY_PGDN, 0, 15},  {15, KEY_PGUP, 0, 8},
      {18, KEY_PGDN, 0, 20}, {2, KEY_PGUP, 0, 0},   {0, 0, -1, 3},
      {10, 0, 2, 4},         {19, 0, -1, 20},       {1, 0, 1, 0},
  };
  for (const ScrollCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " key " << c.key << " wheel " << c.wheel);
    d.d2 = c.from;
    if (c.key)
      EXPECT_EQ(d.proc(MSG_CHAR, &d, c.key << 8), D_USED_CHAR);
    else
      d.proc(MSG_WHEEL, &d, c.wheel);
    EXPECT_EQ(d.d2, c.to);
  }
  // The keys work while the "X" button has the focus, and others are left alone.
  d.d2 = 0;
  EXPECT_EQ(d.proc(MSG_XCHAR, &d, KEY_END << 8), D_USED_CHAR);
  EXPECT_EQ(d.d2, 20);
  EXPECT_EQ(d.proc(MSG_CHAR, &d, (KEY_A << 8) | 'a'), D_O_K);
  EXPECT_EQ(d.proc(MSG_WANTFOCUS, &d, 0), D_WANTFOCUS);
  End(d);
}

TEST_F(ManualReader, ASmallBoxScrollsOneLinePerNotch) {
  DIALOG d = Viewer(ThirtyLines(), 200, 38);  // three lines
  d.d2 = 5;
  d.proc(MSG_WHEEL, &d, -1);
  EXPECT_EQ(d.d2, 6);
  End(d);
}

TEST_F(ManualReader, AShortTextStaysAtTheTopAndWantsNoFocus) {
  DIALOG d = Viewer("<BODY>One<BR>Two", 200, 108);
  EXPECT_EQ(d.d1, 2);
  d.d2 = 1;
  d.proc(MSG_DRAW, &d, 0);
  EXPECT_EQ(d.d2, 0);
  for (int key : {KEY_DOWN, KEY_END, KEY_PGDN}) {
    d.proc(MSG_CHAR, &d, key << 8);
    EXPECT_EQ(d.d2, 0);
  }
  EXPECT_EQ(d.proc(MSG_WANTFOCUS, &d, 0), D_O_K);
  End(d);
}

TEST_F(ManualReader, ALongTextIsLaidOutBesideTheScrollBar) {
  // Twelve characters (72 pixels) fit the full line width of 80, but beside the bar
  // (68) only eleven do.
  std::string s = "<BODY>";
  for (int i = 0; i < 20; i++) s += "abcdefghijkl<BR>";
  DIALOG d = Viewer(s, 80 + 8, 108);
  EXPECT_EQ(page_.width, 80 - 12);
  EXPECT_EQ(d.d1, 40);  // every line broke in two beside the bar
  End(d);
}

// The line the box starts with is drawn in the font in force at its own start, whatever
// the box drew before: scrolling into small print shows small print, and scrolling
// back out of it shows body text again.
TEST_F(ManualReader, EachLineStartsInTheFontOfItsOwnPlace) {
  std::string s = "<BODY>";
  for (int i = 0; i < 12; i++) s += "body<BR>";
  s += "|small<BR>small<BR>small<BR>small</H3>body<BR>body<BR><H2>Head";
  for (int i = 0; i < 12; i++) s += "<BR>head";
  DIALOG d = Viewer(s, 300, 108);
  ASSERT_EQ(d.d1, 31);
  const struct {
    int first;
    int inkHeight;  // of the first drawn line
  } steps[] = {
      {13, 4},  // inside small print
      {0, 8},   // the top, in the body font
      {14, 4},  // small print again after drawing body text
      {20, 14}, // inside the heading left open
      {15, 4},  // back into small print after drawing heading text
      {17, 8},  // body text after drawing small print
  };
  for (const auto& st : steps) {
    SCOPED_TRACE(st.first);
    d.d2 = st.first;
    d.proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(InkHeightFrom(d.y + 4, d.x + 6, d.x + 40), st.inkHeight);
  }
  End(d);
}

TEST_F(ManualReader, TheLastPageShowsTheEndEvenInTallerLines) {
  // A heading left open: its lines advance by the heading font, so more than the ten
  // body lines of the page must be skipped for the last line to show.
  std::string s = "<BODY><H1>";
  for (int i = 0; i < 20; i++) s += "h<BR>";
  DIALOG d = Viewer(s, 200, 108);
  ASSERT_EQ(d.d1, 20);
  d.proc(MSG_CHAR, &d, KEY_END << 8);
  EXPECT_EQ(d.d2, 20 - (108 - 7) / 16);  // six lines of 16 fit
  d.proc(MSG_DRAW, &d, 0);
  // The last line is drawn: six heading rows from the top of the box.
  EXPECT_EQ(InkHeightFrom(d.y + 4 + 5 * 16, d.x + 6, d.x + 40), 14);
  End(d);
}

TEST_F(ManualReader, TheWindowHasItsTitleCloseButtonAndTextBox) {
  char text[] = "<BODY>x";
  ManualPage page;
  DIALOG items[kManualItemCount];
  BuildManualWindow(items, text, &page);
  EXPECT_STREQ(static_cast<const char*>(items[kManualBox].dp), "Game Manual: Dunmar.htm");
  const int geometry[3][4] = {{90, 62, 620, 472}, {690, 66, 16, 15}, {97, 87, 606, 424}};
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(items[i].x, geometry[i][0]);
    EXPECT_EQ(items[i].y, geometry[i][1]);
    EXPECT_EQ(items[i].w, geometry[i][2]);
    EXPECT_EQ(items[i].h, geometry[i][3]);
  }
  EXPECT_STREQ(static_cast<const char*>(items[kManualClose].dp), "X");
  EXPECT_EQ(items[kManualClose].key, 'x');
  EXPECT_TRUE(items[kManualClose].flags & D_EXIT);
  EXPECT_EQ(items[kManualViewer].proc, ManualViewerProc);
  EXPECT_EQ(items[kManualViewer].dp, text);
  EXPECT_EQ(items[kManualWatcher].proc, ExitWatcherProc);
  EXPECT_EQ(items[kManualWatcher + 1].proc, nullptr);
}

class ManualFile : public ManualReader {
 protected:
  void SetUp() override {
    ManualReader::SetUp();
    strcpy(savedExe_, ExePath);
    snprintf(ExePath, sizeof ExePath, "%s/dunmarrow", dir_.path().c_str());
    path_ = dir_.File("Dunmar.htm");
  }
  void TearDown() override {
    strcpy(ExePath, savedExe_);
    ManualReader::TearDown();
  }
  TempFolder dir_;
  std::string path_;
  char savedExe_[1024];
};

// The window as the scripted runner sees it: the focus, and End pressed once.
int shownFocus = -99;
int shownLastFirst = -99;
int ShowAndPressEnd(DIALOG* items, int focus) {
  shownFocus = focus;
  DIALOG& v = items[kManualViewer];
  v.proc(MSG_START, &v, 0);
  v.proc(MSG_XCHAR, &v, KEY_END << 8);
  shownLastFirst = v.d2 == ManualLastFirstLine(&v) && v.d2 > 0 ? v.d2 : -1;
  v.proc(MSG_END, &v, 0);
  return kManualClose;
}

TEST_F(ManualFile, TheShippedManualOpensAndScrollsToItsEnd) {
  WriteText(path_, ReadText(DUNMARROW_SOURCE_DIR "/data/Dunmar.htm"));
  RunManualDialog = ShowAndPressEnd;
  EXPECT_EQ(ShowManual(), 0);
  EXPECT_EQ(shownFocus, kManualClose);
  EXPECT_GT(shownLastFirst, 100);
  EXPECT_TRUE(TestPlatform().alerts.empty());
}

TEST_F(ManualFile, AMissingOrEmptyManualIsAReadError) {
  for (bool empty : {false, true}) {
    SCOPED_TRACE(empty);
    TestPlatform().Reset();
    if (empty) WriteText(path_, "");
    RunManualDialog = [](DIALOG*, int) {
      ADD_FAILURE() << "no window without a manual";
      return -1;
    };
    EXPECT_EQ(ShowManual(), 1);
    ASSERT_EQ(TestPlatform().alerts.size(), 1u);
    ExpectAlert(TestPlatform().alerts[0], {"  Read Error:  ", "", path_, "OK", "", 13, 0});
  }
}

TEST_F(ManualFile, ADamagedManualIsShownWithAWord) {
  const struct {
    std::string content;
    const char* message;  // the newest message line afterwards
  } cases[] = {
      {std::string("<BODY>Chapter one<P>broken\0rest", 31),
       "Dunmar.htm is damaged: a zero byte ends its text at byte 26 of 31."},
      {"<body>lower-case tags only", "Dunmar.htm has no <BODY> tag: nothing to show."},
      {"<BODY><H1>never closed <P", nullptr},
      {"\xff\xfe\x01\x02<BODY>\x80\x81\x82\x83\x84<", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    TestPlatform().Reset();
    PrintMessage(TextColor2, "before");
    WriteText(path_, c.content);
    RunManualDialog = ShowAndPressEnd;
    shownFocus = -99;
    EXPECT_EQ(ShowManual(), 0);
    EXPECT_EQ(shownFocus, kManualClose);
    EXPECT_TRUE(TestPlatform().alerts.empty());
    EXPECT_STREQ(LoggedLine(0).text, c.message ? c.message : "before");
  }
}

}  // namespace
