#include <cstring>
#include <string>

#include "core/colors.h"
#include "render/side_panel.h"
#include "ui/text_field.h"
#include "ui_fields/field_fixture.h"

namespace {

// The fake fonts are 6 pixels per character, 8 high; the text starts 2 pixels in.
constexpr int kCharW = 6;

class TextFieldTest : public FieldTest {
 protected:
  char text[256] = {};
  DIALOG d = {};

  void Make(const char* s, int limit, int cursor, int w = 100) {
    ustrzcpy(text, sizeof text, s);
    d = Item(TextFieldProc, 10, 10, w, 8);
    d.dp = text;
    d.d1 = limit;
    d.d2 = cursor;
    TextFieldProc(MSG_START, &d, 0);
  }
  int Key(int scancode, int ascii = 0) { return TextFieldProc(MSG_CHAR, &d, (scancode << 8) | ascii); }
  int Type(int c) { return TextFieldProc(MSG_UCHAR, &d, c); }
  int CtrlKey(int scancode) {
    P().shifts = KB_CTRL_FLAG;
    int r = Key(scancode, scancode - KEY_A + 1);
    P().shifts = 0;
    return r;
  }
  int CellX(int index) const { return d.x + 2 + index * kCharW; }
};

TEST_F(TextFieldTest, FocusedCursorAtEndShowsHighlightedBlankAfterTheText) {
  for (int flags : {0, kFieldLargeFont}) {
    SCOPED_TRACE(flags);
    Make("abc", 20, 0);
    d.flags = flags | D_GOTFOCUS;
    TextFieldProc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(SameColor(CellX(3) + 2, d.y + 2, HighlightColor));
    EXPECT_TRUE(SameColor(CellX(0), d.y, d.bg));  // the characters keep their paper
    EXPECT_TRUE(SameColor(CellX(4) + 2, d.y + 2, d.bg));

    d.flags = flags;  // without the focus no cursor is shown
    TextFieldProc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(SameColor(CellX(3) + 2, d.y + 2, d.bg));
  }
}

// Both fonts keep their lighter steps: in one plain colour those become full ink and
// the letters run together (an i loses its dot).
TEST_F(TextFieldTest, TextIsAntiAliasedInEitherFont) {
  for (int flags : {0, kFieldLargeFont}) {
    SCOPED_TRACE(flags);
    Make("abc", 20, 0);
    d.flags = flags;
    d.fg = makecol(0, 0, 0);
    d.bg = makecol(200, 200, 200);
    TextFieldProc(MSG_DRAW, &d, 0);
    // The fake glyphs ink their second row fully and their fifth in the lightest step,
    // three quarters of the way to the paper.
    EXPECT_TRUE(SameColor(CellX(0) + 1, d.y + 1, d.fg));
    Rgb light = PixelAt(bmp, CellX(0) + 1, d.y + 4);
    EXPECT_NEAR(light.r, 150, 4);
    EXPECT_NEAR(light.g, 150, 4);
    EXPECT_NEAR(light.b, 150, 4);
  }
}

TEST_F(TextFieldTest, CursorInsideTheTextHighlightsThatCharacter) {
  Make("abc", 20, 0);
  d.d2 = 1;
  d.flags = D_GOTFOCUS;
  TextFieldProc(MSG_DRAW, &d, 0);
  EXPECT_TRUE(SameColor(CellX(1), d.y, HighlightColor));
  // The glyph's full ink, through the font palette's six bits per channel.
  Rgb ink = PixelAt(bmp, CellX(1) + 2, d.y + 1), want = RgbOf(BaseColor);
  EXPECT_NEAR(ink.r, want.r, 4);
  EXPECT_NEAR(ink.g, want.g, 4);
  EXPECT_NEAR(ink.b, want.b, 4);
  EXPECT_TRUE(SameColor(CellX(0), d.y, d.bg));
}

TEST_F(TextFieldTest, StartPlacesTheCursor) {
  struct Case {
    int given, expected;
  } cases[] = {{0, 5}, {1, 0}, {3, 3}, {99, 5}, {-4, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    Make("hello", 20, c.given);
    EXPECT_EQ(d.d2, c.expected);
  }
}

TEST_F(TextFieldTest, ATextShortenedByItsOwnerKeepsTheCursorInsideIt) {
  Make("hello", 20, 0);
  ustrzcpy(text, sizeof text, "hi");  // the cursor still stands at 5
  EXPECT_EQ(Type('x'), D_USED_CHAR);
  EXPECT_STREQ(text, "hix");
  EXPECT_EQ(d.d2, 3);
  ustrzcpy(text, sizeof text, "a");
  EXPECT_EQ(Key(KEY_LEFT), D_USED_CHAR);
  EXPECT_EQ(d.d2, 0);
}

TEST_F(TextFieldTest, AFieldOfTheLibrarysDialogsStartsWithTheCursorAtTheEnd) {
  // The file selector wraps the field and restarts it with each new path.
  Make("/quests/dragon.qst", 40, 0);
  d.proc = [](int msg, DIALOG* item, int c) { return TextFieldProc(msg, item, c); };
  for (int stale : {1, 4}) {
    d.d2 = stale;
    TextFieldProc(MSG_START, &d, 0);
    EXPECT_EQ(d.d2, 18);
  }
}

TEST_F(TextFieldTest, EditingKeysMoveTheCursorAndChangeTheText) {
  struct Case {
    const char* name;
    int start, scan;
    bool ctrl;
    int cursor;
    const char* result;
  } cases[] = {
      {"left", 4, KEY_LEFT, false, 3, "one two  three"},
      {"left at start", 0, KEY_LEFT, false, 0, "one two  three"},
      {"right", 4, KEY_RIGHT, false, 5, "one two  three"},
      {"right at end", 14, KEY_RIGHT, false, 14, "one two  three"},
      {"ctrl-left inside a word", 12, KEY_LEFT, true, 9, "one two  three"},
      {"ctrl-left at a word start", 9, KEY_LEFT, true, 4, "one two  three"},
      {"ctrl-left in the first word", 2, KEY_LEFT, true, 0, "one two  three"},
      {"ctrl-right over blanks and word", 7, KEY_RIGHT, true, 14, "one two  three"},
      {"ctrl-right inside a word", 1, KEY_RIGHT, true, 3, "one two  three"},
      {"home", 6, KEY_HOME, false, 0, "one two  three"},
      {"end", 2, KEY_END, false, 14, "one two  three"},
      {"delete", 3, KEY_DEL, false, 3, "onetwo  three"},
      {"delete at end", 14, KEY_DEL, false, 14, "one two  three"},
      {"backspace", 4, KEY_BACKSPACE, false, 3, "onetwo  three"},
      {"backspace at start", 0, KEY_BACKSPACE, false, 0, "one two  three"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Make("one two  three", 40, 0);
    d.d2 = c.start;
    P().shifts = c.ctrl ? KB_CTRL_FLAG : 0;
    EXPECT_EQ(Key(c.scan), D_USED_CHAR);
    P().shifts = 0;
    EXPECT_EQ(d.d2, c.cursor);
    EXPECT_STREQ(text, c.result);
  }
}

TEST_F(TextFieldTest, TypingInsertsAtTheCursorUpToTheLimit) {
  Make("ac", 3, 0);
  d.d2 = 1;
  EXPECT_EQ(Type('b'), D_USED_CHAR);
  EXPECT_STREQ(text, "abc");
  EXPECT_EQ(d.d2, 2);
  EXPECT_EQ(Type('d'), D_USED_CHAR);  // full: taken, but not inserted
  EXPECT_STREQ(text, "abc");
  EXPECT_EQ(Type(13), D_O_K);  // control characters are the dialog's
  EXPECT_STREQ(text, "abc");
}

TEST_F(TextFieldTest, AWideCharacterNeverOverrunsTheBuffer) {
  // The game's texts are single bytes, but the field holds to its size in any text
  // encoding: in UTF-8, "ab" in a field of 3 takes one more ASCII character and not
  // a two-byte one.
  set_uformat(U_UTF8);
  Make("ab", 3, 0);
  EXPECT_EQ(Type(0xE9), D_USED_CHAR);
  EXPECT_STREQ(text, "ab");
  EXPECT_EQ(Type('c'), D_USED_CHAR);
  EXPECT_STREQ(text, "abc");
  set_uformat(U_ASCII);
  Make("ab", 3, 0);
  EXPECT_EQ(Type(0xE9), D_USED_CHAR);
  EXPECT_STREQ(text, "ab\xe9");
}

TEST_F(TextFieldTest, TabLeavesTheFocusToTheDialogAndInsertsNothing) {
  Make("ab", 20, 0);
  EXPECT_EQ(Key(KEY_TAB, '\t'), D_O_K);
  EXPECT_EQ(Type('\t'), D_O_K);
  EXPECT_STREQ(text, "ab");
  // The next key clears it: its character is typed as usual.
  EXPECT_EQ(Key(KEY_X, 'x'), D_O_K);
  EXPECT_EQ(Type('x'), D_USED_CHAR);
  EXPECT_STREQ(text, "abx");
}

TEST_F(TextFieldTest, EnterClosesOnlyAnExitField) {
  Make("ab", 20, 0);
  EXPECT_EQ(Key(KEY_ENTER, 13), D_O_K);
  d.flags |= D_EXIT;
  EXPECT_EQ(Key(KEY_ENTER, 13), D_CLOSE);
  EXPECT_EQ(Key(KEY_ENTER_PAD, 13), D_CLOSE);
}

TEST_F(TextFieldTest, FocusMessagesAskForTheFocus) {
  Make("ab", 20, 0);
  for (int msg : {MSG_WANTFOCUS, MSG_LOSTFOCUS, MSG_KEY}) EXPECT_EQ(TextFieldProc(msg, &d, 0), D_WANTFOCUS);
}

TEST_F(TextFieldTest, ClickPutsTheCursorOnTheCharacterUnderThePointer) {
  struct Case {
    int cell, offset, cursor;
  } cases[] = {{0, 0, 0}, {2, 3, 2}, {4, -1, 3}, {30, 0, 5}, {0, -20, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    Make("hello", 20, 0);
    P().mouseX = CellX(c.cell) + c.offset;
    TextFieldProc(MSG_CLICK, &d, 0);
    EXPECT_EQ(d.d2, c.cursor);
  }
}

TEST_F(TextFieldTest, ALongTextScrollsSoThatTheCursorStaysInView) {
  // 30 pixels of room: five cells. The cursor's blank takes one, so g h i j show.
  Make("abcdefghij", 40, 0, 32);
  P().mouseX = CellX(0) + 1;
  TextFieldProc(MSG_CLICK, &d, 0);
  EXPECT_EQ(d.d2, 6);
  // With the cursor on 'c' the part on show ends there: a b c.
  d.d2 = 2;
  TextFieldProc(MSG_CLICK, &d, 0);
  EXPECT_EQ(d.d2, 0);
  // Opened at its start, it shows as much of the text as fits, not its first letter
  // alone: a click on the fifth cell lands on 'e'.
  Make("abcdefghij", 40, 1, 32);
  ASSERT_EQ(d.d2, 0);
  P().mouseX = CellX(4) + 1;
  TextFieldProc(MSG_CLICK, &d, 0);
  EXPECT_EQ(d.d2, 4);
}

TEST_F(TextFieldTest, GettingTheFocusShowsTheFieldsObjectInThePanel) {
  Make("ab", 20, 0);
  PanelObject = 0;
  TextFieldProc(MSG_GOTFOCUS, &d, 0);
  EXPECT_EQ(PanelObject, 0);
  d.dp2 = const_cast<char*>("\x07");
  TextFieldProc(MSG_GOTFOCUS, &d, 0);
  EXPECT_EQ(PanelObject, 7);
  PanelObject = 0;
}

TEST_F(TextFieldTest, PasteKeepsTheFirstCharactersThatFitWithTheCursorAfterThem) {
  std::string longText;
  for (int i = 0; i < 200; i++) longText += static_cast<char>('a' + i % 26);
  clip.Put(longText);
  Make("old", 80, 0);
  d.d2 = 1;
  P().shifts = KB_CTRL_FLAG;
  EXPECT_EQ(Key(KEY_V, 22), D_USED_CHAR);
  EXPECT_EQ(std::string(text), longText.substr(0, 80));
  EXPECT_EQ(d.d2, 80);
}

TEST_F(TextFieldTest, CopyAndCutWithControlKeys) {
  Make("some text", 40, 0);
  EXPECT_EQ(CtrlKey(KEY_C), D_USED_CHAR);
  EXPECT_EQ(clip.text, "some text");
  EXPECT_STREQ(text, "some text");
  clip.text = "other";
  EXPECT_EQ(CtrlKey(KEY_X), D_USED_CHAR);
  EXPECT_EQ(clip.text, "some text");
  EXPECT_STREQ(text, "");
  EXPECT_EQ(d.d2, 0);
  // Without Ctrl the letters are only typed.
  EXPECT_EQ(Key(KEY_C, 'c'), D_O_K);
  EXPECT_EQ(clip.puts, 2);
}

TEST_F(TextFieldTest, CutEmptiesTheFieldAndTheMenuThenOffersOnlyPaste) {
  Make("treasure", 40, 0);
  P().mouseX = 20;
  P().mouseY = 12;
  Popup().choice = 1;  // "Cut"
  EXPECT_EQ(TextFieldProc(MSG_RRELEASE, &d, 0), D_REDRAWME | D_WANTFOCUS);
  EXPECT_EQ(Popup().entries, (std::vector<std::string>{"Copy", "Cut", "Paste"}));
  EXPECT_EQ(clip.text, "treasure");
  EXPECT_STREQ(text, "");

  Popup().choice = -2;  // dismissed
  TextFieldProc(MSG_RRELEASE, &d, 0);
  EXPECT_EQ(Popup().enabled, (std::vector<bool>{false, false, true}));
  EXPECT_STREQ(text, "");

  Popup().choice = 2;  // "Paste" brings it back
  TextFieldProc(MSG_RRELEASE, &d, 0);
  EXPECT_STREQ(text, "treasure");
  EXPECT_EQ(d.d2, 8);
}

TEST_F(TextFieldTest, MenuEntriesFollowTheTextAndTheClipboard) {
  struct Case {
    const char* name;
    const char* text;
    bool reachable, holdsText;
    std::vector<bool> enabled;
  } cases[] = {
      {"text, clipboard with text", "abc", true, true, {true, true, true}},
      {"text, empty clipboard", "abc", true, false, {true, true, false}},
      {"empty field, empty clipboard", "", true, false, {false, false, false}},
      // A clipboard that cannot be reached is not known to be empty.
      {"no clipboard", "abc", false, false, {true, true, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clip.reachable = c.reachable;
    clip.holdsText = c.holdsText;
    clip.text = c.holdsText ? "x" : "";
    Make(c.text, 20, 0);
    TextFieldProc(MSG_RRELEASE, &d, 0);
    EXPECT_EQ(Popup().enabled, c.enabled);
  }
}

TEST_F(TextFieldTest, WithoutAClipboardCopyAndPasteDoNothingAndCutStillEmpties) {
  clip.reachable = false;
  Make("keep me", 20, 0);
  TextFieldCopy(&d);
  TextFieldPaste(&d);
  EXPECT_STREQ(text, "keep me");
  EXPECT_EQ(clip.puts, 0);
  TextFieldCut(&d);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(d.d2, 0);
}

TEST_F(TextFieldTest, PasteOfAnEmptyClipboardKeepsTheText) {
  clip.holdsText = false;
  Make("keep me", 20, 0);
  d.d2 = 2;
  TextFieldPaste(&d);
  EXPECT_STREQ(text, "keep me");
  EXPECT_EQ(d.d2, 2);
}

}  // namespace
