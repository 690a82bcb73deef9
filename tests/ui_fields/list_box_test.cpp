#include <string>
#include <vector>

#include "core/colors.h"
#include "ui/list_box.h"
#include "ui/menu_item_draw.h"
#include "ui_fields/field_fixture.h"

namespace {

std::vector<std::string> entries;

char* EntryText(int index, int* count) {
  if (index < 0) {
    *count = static_cast<int>(entries.size());
    return nullptr;
  }
  return const_cast<char*>(entries[index].c_str());
}

class ListTest : public FieldTest {
 protected:
  DIALOG d = {};
  int rowH = 0;

  void Make(DIALOG_PROC proc, std::vector<std::string> list, int rows, int w = 120) {
    entries = std::move(list);
    rowH = text_height(font);
    d = Item(proc, 10, 10, w, 4 + rows * rowH);
    d.dp = reinterpret_cast<void*>(EntryText);
    d.proc(MSG_START, &d, 0);
  }
  int Type(int c) {
    int r = d.proc(MSG_CHAR, &d, c);
    if (r == D_O_K) r = d.proc(MSG_UCHAR, &d, c);
    return r;
  }
  int Key(int scancode) { return d.proc(MSG_CHAR, &d, scancode << 8); }
  int RowTop(int row) const { return d.y + 2 + row * rowH; }
  bool AnyPixel(int x1, int y1, int x2, int y2, int color) const {
    for (int y = y1; y <= y2; y++)
      for (int x = x1; x <= x2; x++)
        if (SameColor(x, y, color)) return true;
    return false;
  }
};

std::vector<std::string> Numbered(int n) {
  std::vector<std::string> v;
  for (int i = 0; i < n; i++) v.push_back("entry " + std::to_string(i));
  return v;
}

const std::vector<std::string> kFruit = {"Apple", "apricot", "Banana", "blueberry", "Cherry", "bean"};

TEST_F(ListTest, TypeAheadSelectsTheNextEntryStartingWithThePrefix) {
  struct Case {
    const char* typed;
    std::vector<int> selected;  // after each character
  } cases[] = {
      {"b", {2}},
      {"bbbb", {2, 3, 5, 2}},  // the same letter again steps on, wrapping round
      {"bl", {2, 3}},
      {"BE", {2, 5}},  // case does not matter
      {"ap", {1, 1}},  // a longer prefix the selected entry still matches keeps it
      {"c", {4}},
      {"bx", {2, 2}},  // no match: the selection stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Make(TextListProc, kFruit, 4);
    for (size_t i = 0; c.typed[i]; i++) {
      Type(c.typed[i]);
      EXPECT_EQ(d.d1, c.selected[i]) << "after " << i + 1 << " characters";
    }
  }
}

TEST_F(ListTest, TypeAheadAnswersAndScrollsTheChoiceIntoView) {
  Make(TextListProc, Numbered(30), 5);
  entries[25] = "zebra";
  EXPECT_EQ(Type('z'), D_USED_CHAR);
  EXPECT_EQ(d.d1, 25);
  EXPECT_LE(d.d2, 25);
  EXPECT_GT(d.d2 + 5, 25);
  EXPECT_EQ(Type('q'), D_O_K);  // nothing starts with it: left to the dialog
  EXPECT_EQ(d.d1, 25);
}

TEST_F(ListTest, OtherKeysAndFocusChangesStartThePrefixAfresh) {
  // "b" then Down selects blueberry; a fresh "a" finds Apple, while the old prefix
  // would have made it "ba" (Banana).
  Make(TextListProc, kFruit, 4);
  Type('b');
  EXPECT_EQ(Key(KEY_DOWN), D_USED_CHAR);
  EXPECT_EQ(d.d1, 3);
  Type('a');
  EXPECT_EQ(d.d1, 0);

  Make(TextListProc, kFruit, 4);
  Type('b');
  d.d1 = 3;
  d.proc(MSG_LOSTFOCUS, &d, 0);
  Type('a');
  EXPECT_EQ(d.d1, 0);
}

TEST_F(ListTest, TypeAheadClearsAMultipleSelection) {
  Make(TextListProc, kFruit, 4);
  char marks[6] = {1, 1, 0, 0, 1, 0};
  d.dp2 = marks;
  Type('c');
  EXPECT_EQ(d.d1, 4);
  for (char m : marks) EXPECT_EQ(m, 0);
}

TEST_F(ListTest, TheWheelAndKeysScrollWithinTheList) {
  for (DIALOG_PROC proc : {ListProc, TextListProc}) {
    Make(proc, Numbered(20), 5);
    d.proc(MSG_WHEEL, &d, -1);
    EXPECT_EQ(d.d2, 3);  // three rows a step
    for (int i = 0; i < 10; i++) d.proc(MSG_WHEEL, &d, -1);
    EXPECT_EQ(d.d2, 15);  // the last row stays at the bottom
    for (int i = 0; i < 10; i++) d.proc(MSG_WHEEL, &d, 1);
    EXPECT_EQ(d.d2, 0);

    Key(KEY_END);
    EXPECT_EQ(d.d1, 19);
    EXPECT_EQ(d.d2, 15);
    Key(KEY_DOWN);
    EXPECT_EQ(d.d1, 19);
    Key(KEY_HOME);
    EXPECT_EQ(d.d1, 0);
    EXPECT_EQ(d.d2, 0);
    Key(KEY_UP);
    EXPECT_EQ(d.d1, 0);
    Key(KEY_PGDN);
    EXPECT_EQ(d.d1, 4);
    EXPECT_EQ(d.d2, 0);
  }
}

TEST_F(ListTest, FewRowsScrollOneAtATimeAndAShortListNotAtAll) {
  Make(ListProc, Numbered(20), 3);
  d.proc(MSG_WHEEL, &d, -1);
  EXPECT_EQ(d.d2, 1);
  Make(ListProc, Numbered(3), 5);
  d.proc(MSG_WHEEL, &d, -1);
  EXPECT_EQ(d.d2, 0);
}

TEST_F(ListTest, TheScrollBarShowsOnlyWhenTheEntriesOutnumberTheRows) {
  int barX = 10 + 120 - 14;
  Make(ListProc, Numbered(5), 5);
  d.proc(MSG_DRAW, &d, 0);
  EXPECT_TRUE(SameColor(barX, d.y + d.h / 2, BaseColor));
  Make(ListProc, Numbered(6), 5);
  d.proc(MSG_DRAW, &d, 0);
  EXPECT_TRUE(SameColor(barX, d.y + d.h / 2, d.fg));
}

TEST_F(ListTest, TheThumbReachesBothEndsOfTheTrack) {
  Make(ListProc, Numbered(20), 5);
  int thumbX = d.x + d.w - 8;
  d.proc(MSG_DRAW, &d, 0);
  EXPECT_FALSE(SameColor(thumbX, d.y + 2, BaseColor));
  EXPECT_TRUE(SameColor(thumbX, d.y + d.h - 3, BaseColor));
  d.d2 = 15;
  d.proc(MSG_DRAW, &d, 0);
  EXPECT_TRUE(SameColor(thumbX, d.y + 2, BaseColor));
  EXPECT_FALSE(SameColor(thumbX, d.y + d.h - 3, BaseColor));
}

TEST_F(ListTest, RowsShowTheSelectionAndTheFocus) {
  Make(ListProc, Numbered(4), 5);
  d.d1 = 1;
  d.proc(MSG_DRAW, &d, 0);
  EXPECT_TRUE(SameColor(d.x + 4, RowTop(0) + 3, BaseColor));
  EXPECT_TRUE(SameColor(d.x + 4, RowTop(1) + 3, gui_mg_color));
  EXPECT_TRUE(SameColor(d.x + 2, RowTop(1), gui_mg_color));
  EXPECT_TRUE(SameColor(d.x + 4, RowTop(4) + 3, BaseColor));  // past the last entry
  d.flags |= D_GOTFOCUS;
  d.proc(MSG_DRAW, &d, 0);
  EXPECT_TRUE(SameColor(d.x + 2, RowTop(1), HighlightColor));
  EXPECT_TRUE(SameColor(d.x + 2, RowTop(0), BaseColor));
}

TEST_F(ListTest, ADisabledListDrawsItsEntriesInTheMiddleColour) {
  Make(ListProc, {"MMMM", "MMMM"}, 3);
  d.d1 = 0;
  d.proc(MSG_DRAW, &d, 0);
  EXPECT_TRUE(AnyPixel(d.x + 10, RowTop(1), d.x + 50, RowTop(1) + rowH - 1, d.fg));
  d.flags |= D_DISABLED;
  d.proc(MSG_DRAW, &d, 0);
  EXPECT_FALSE(AnyPixel(d.x + 10, RowTop(1), d.x + 50, RowTop(1) + rowH - 1, d.fg));
  EXPECT_TRUE(AnyPixel(d.x + 10, RowTop(1), d.x + 50, RowTop(1) + rowH - 1, gui_mg_color));
}

TEST_F(ListTest, AWideEntryIsCutAtItsEndNotWrapped) {
  for (int count : {2, 9}) {  // without and with a scroll bar
    SCOPED_TRACE(count);
    std::vector<std::string> list = Numbered(count);
    list[0] = std::string(60, 'M');
    Make(ListProc, list, 5);
    d.d1 = 1;
    d.proc(MSG_DRAW, &d, 0);
    int room = d.w - 1 - (count > 5 ? 22 : 10);
    int areaRight = d.x + d.w - (count > 5 ? 15 : 3);
    int top = RowTop(0), bottom = RowTop(0) + rowH - 1;
    EXPECT_TRUE(AnyPixel(d.x + 10, top, d.x + 10 + 16, bottom, d.fg));
    // Nothing of it right of its room: not in the row, not under the scroll bar's
    // track, not past the frame.
    EXPECT_FALSE(AnyPixel(d.x + 10 + room - 1, top, areaRight, bottom, d.fg));
    int beyond = count > 5 ? d.x + d.w - 13 : areaRight + 1;
    EXPECT_FALSE(AnyPixel(beyond, top, d.x + d.w + 40, bottom, d.fg));
    // The next row holds its own entry, not the rest of the wide one.
    EXPECT_FALSE(AnyPixel(d.x + 70, RowTop(1), areaRight, RowTop(1) + rowH - 1, d.fg));
  }
}

TEST_F(ListTest, ATextBoxGetsAScrollBarOnlyWhenItsTextIsTaller) {
  static char shortText[] = "A few words.";
  static char longText[] = "one\ntwo\nthree\nfour\nfive\nsix\nseven\neight\nnine\nten";
  int barX = 10 + 120 - 14;
  DIALOG box = Item(TextBoxProc, 10, 10, 120, 8 + 4 * text_height(font));
  box.dp = shortText;
  box.d2 = 3;
  TextBoxProc(MSG_START, &box, 0);
  TextBoxProc(MSG_DRAW, &box, 0);
  EXPECT_EQ(box.d2, 0);
  EXPECT_TRUE(SameColor(barX, box.y + box.h / 2, BaseColor));

  box.dp = longText;
  box.d2 = 2;
  TextBoxProc(MSG_START, &box, 0);
  TextBoxProc(MSG_DRAW, &box, 0);
  EXPECT_EQ(box.d1, 10);
  EXPECT_EQ(box.d2, 2);
  EXPECT_TRUE(SameColor(barX, box.y + box.h / 2, box.fg));
}

TEST_F(ListTest, MenuEntriesShowTheirState) {
  struct Case {
    const char* name;
    int flags, sel;
    int fg, bg;
  } cases[] = {
      {"plain", 0, 0, gui_fg_color, gui_bg_color},
      {"highlighted", 0, 1, BaseColor, gui_mg_color},
      {"disabled", D_DISABLED, 0, gui_mg_color, gui_bg_color},
      {"disabled wins over highlighted", D_DISABLED, 1, gui_mg_color, gui_bg_color},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clear_to_color(bmp, makecol(255, 0, 255));
    MENU m = {};
    m.text = const_cast<char*>("Paste");
    m.flags = c.flags;
    MenuItemDraw(&m, 20, 20, 80, text_height(font) + 4, FALSE, c.sel);
    EXPECT_TRUE(SameColor(21, 21, c.bg));
    EXPECT_TRUE(SameColor(20 + 78, 20 + text_height(font) + 2, c.bg));
    EXPECT_TRUE(AnyPixel(28, 21, 70, 20 + text_height(font), c.fg));
    EXPECT_TRUE(SameColor(20, 20, makecol(255, 0, 255)));  // the frame's place is left alone
  }
}

}  // namespace
