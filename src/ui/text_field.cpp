#include "ui/text_field.h"

#include <algorithm>
#include <string>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/platform.h"
#include "ui/clipboard.h"
#include "ui/dialog_items.h"
#include "ui/object_focus.h"
#include "ui/text.h"

namespace {

// Set by Tab so that the tab character following it is not typed into the field.
bool ignoreNextChar = false;

PopupMenuRunner popupRunner = RunWatchedMenu;

char* Text(DIALOG* d) { return static_cast<char*>(d->dp); }

int FieldFontIndex(const DIALOG* d) {
  return (d->flags & kFieldLargeFont) ? kFontDialog : kFontStandard;
}

int CharWidth(FONT* f, int c) {
  char buf[8];
  buf[usetc(buf, c)] = 0;
  return text_length(f, buf);
}

// The characters on show: [first, last).
struct View {
  int first, last;
};

// The owner may have put a shorter text in the field since the cursor was set.
void ClampCursor(DIALOG* d) { d->d2 = std::clamp(d->d2, 0, ustrlen(Text(d))); }

// Clamps the cursor and works out the visible part: counting back from the cursor
// (with a blank for a cursor at the end) while the widths fit; when the whole text
// fits it is all shown, otherwise the part on show ends at the cursor.
View Measure(DIALOG* d) {
  const char* s = Text(d);
  FONT* f = DataFontOr(FieldFontIndex(d));
  int len = ustrlen(s);
  ClampCursor(d);
  int cur = d->d2;
  int avail = d->w - 2;
  int blank = cur == len ? CharWidth(f, ' ') : 0;

  int whole = blank;
  for (int p = 0; p < len; p++) whole += CharWidth(f, ugetat(s, p));
  if (whole <= avail) return {0, len};

  int sum = blank, first = cur;
  for (int p = cur < len ? cur : cur - 1; p >= 0; p--) {
    int w = CharWidth(f, ugetat(s, p));
    if (sum + w > avail) break;
    sum += w;
    first = p;
  }
  int last = cur < len ? cur + 1 : len;
  // With the cursor near the start the text up to it leaves the field half empty (a
  // long briefing opened at its first letter showed that letter alone): what follows
  // the cursor fills the rest.
  if (first == 0)
    while (last < len && sum + CharWidth(f, ugetat(s, last)) <= avail)
      sum += CharWidth(f, ugetat(s, last++));
  return {first, last};
}

void DrawField(DIALOG* d) {
  BITMAP* bmp = gui_get_screen();
  const char* s = Text(d);
  View v = Measure(d);
  int fontIndex = FieldFontIndex(d);
  FONT* f = DataFontOr(fontIndex);
  int fh = text_height(f);
  int fg = (d->flags & D_DISABLED) ? gui_mg_color : d->fg;
  bool focused = d->flags & D_GOTFOCUS;
  int len = ustrlen(s);

  rectfill(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->bg);
  int x = d->x + 2;
  int end = v.last + (v.last == len && d->d2 == len ? 1 : 0);
  for (int p = v.first; p < end; p++) {
    int c = p < len ? ugetat(s, p) : ' ';
    char buf[8];
    buf[usetc(buf, c)] = 0;
    bool cursor = focused && p == d->d2;
    int ink = cursor ? BaseColor : fg;
    int paper = cursor ? HighlightColor : d->bg;
    int w = text_length(f, buf);
    // Both fonts anti-aliased, as the dialog texts around the field are: in one plain
    // colour the fonts' lighter steps become full ink, letters run together and an i
    // loses its dot.
    rectfill(bmp, x, d->y, x + w - 1, d->y + fh - 1, paper);
    DrawTextOnBackground(bmp, fontIndex, x, d->y, ink, paper, buf);
    x += w;
  }
}

bool IsBlank(const char* s, int p) { return ugetat(s, p) == ' '; }

int PreviousWordStart(const char* s, int cur) {
  for (int p = cur - 1; p > 0; p--) {
    if (!IsBlank(s, p) && IsBlank(s, p - 1)) return p;
  }
  return 0;
}

int NextWordEnd(const char* s, int cur) {
  int len = ustrlen(s);
  int p = cur;
  while (p < len && IsBlank(s, p)) p++;
  while (p < len && !IsBlank(s, p)) p++;
  return p;
}

// Whether one more character c fits: at most d1 characters, and never more bytes
// than d1 either, so a buffer of d1 + 1 bytes can hold the text in any encoding.
bool HasRoom(DIALOG* d, int c) {
  const char* s = Text(d);
  return ustrlen(s) < d->d1 && ustrsize(s) + ucwidth(c) <= d->d1;
}

int HandleKey(DIALOG* d, int c) {
  char* s = Text(d);
  int len = ustrlen(s);
  int scan = c >> 8;
  bool ctrl = Sys().KeyShifts() & KB_CTRL_FLAG;
  ignoreNextChar = false;
  switch (scan) {
    case KEY_LEFT:
      if (ctrl)
        d->d2 = PreviousWordStart(s, d->d2);
      else if (d->d2 > 0)
        d->d2--;
      break;
    case KEY_RIGHT:
      if (ctrl)
        d->d2 = NextWordEnd(s, d->d2);
      else if (d->d2 < len)
        d->d2++;
      break;
    case KEY_HOME:
      d->d2 = 0;
      break;
    case KEY_END:
      d->d2 = len;
      break;
    case KEY_DEL:
      if (d->d2 < len) uremove(s, d->d2);
      break;
    case KEY_BACKSPACE:
      if (d->d2 > 0) {
        d->d2--;
        uremove(s, d->d2);
      }
      break;
    case KEY_ENTER:
    case KEY_ENTER_PAD:
      if (d->flags & D_EXIT) {
        object_message(d, MSG_DRAW, 0);
        return D_CLOSE;
      }
      return D_O_K;
    case KEY_TAB:
      ignoreNextChar = true;
      return D_O_K;
    case KEY_C:
    case KEY_X:
    case KEY_V:
      if (!ctrl) return D_O_K;
      if (scan == KEY_C) TextFieldCopy(d);
      if (scan == KEY_X) TextFieldCut(d);
      if (scan == KEY_V) TextFieldPaste(d);
      break;
    default:
      return D_O_K;
  }
  object_message(d, MSG_DRAW, 0);
  return D_USED_CHAR;
}

int HandleTyped(DIALOG* d, int c) {
  if (ignoreNextChar || c < 32 || !uisok(c)) return D_O_K;
  if (HasRoom(d, c)) {
    uinsert(Text(d), d->d2, c);
    d->d2++;
    object_message(d, MSG_DRAW, 0);
  }
  return D_USED_CHAR;
}

void HandleClick(DIALOG* d) {
  const char* s = Text(d);
  View v = Measure(d);
  FONT* f = DataFontOr(FieldFontIndex(d));
  int offset = gui_mouse_x() - (d->x + 2);
  int acc = 0, p = v.first;
  while (p < v.last) {
    int w = CharWidth(f, ugetat(s, p));
    if (offset < acc + w) break;
    acc += w;
    p++;
  }
  d->d2 = std::min(p, ustrlen(s));
  object_message(d, MSG_DRAW, 0);
}

int HandlePopup(DIALOG* d) {
  bool empty = ustrlen(Text(d)) == 0;
  bool nothingToPaste = ClipboardTestText() == ClipboardState::kEmpty;
  MENU menu[4] = {};
  menu[0].text = const_cast<char*>("Copy");
  menu[1].text = const_cast<char*>("Cut");
  menu[2].text = const_cast<char*>("Paste");
  if (empty) menu[0].flags = menu[1].flags = D_DISABLED;
  if (nothingToPaste) menu[2].flags = D_DISABLED;
  int choice = popupRunner(menu, gui_mouse_x(), gui_mouse_y());
  if (choice == 0) TextFieldCopy(d);
  if (choice == 1) TextFieldCut(d);
  if (choice == 2) TextFieldPaste(d);
  return D_REDRAWME | D_WANTFOCUS;
}

}  // namespace

void SetPopupMenuRunner(PopupMenuRunner runner) { popupRunner = runner ? runner : RunWatchedMenu; }

void TextFieldCopy(DIALOG* d) { ClipboardCopyText(Text(d)); }

void TextFieldCut(DIALOG* d) {
  TextFieldCopy(d);
  Text(d)[0] = 0;
  d->d2 = 0;
}

void TextFieldPaste(DIALOG* d) {
  std::string pasted;
  if (ClipboardReadText(&pasted) != ClipboardState::kText) return;
  char* s = Text(d);
  s[0] = 0;
  int n = 0;
  for (const char* p = pasted.c_str(); ugetc(p) != 0; p += uwidth(p)) {
    int c = ugetc(p);
    if (!HasRoom(d, c)) break;
    uinsert(s, n++, c);
  }
  d->d2 = n;
}

int TextFieldProc(int msg, DIALOG* d, int c) {
  if (!d->dp) return D_O_K;
  ClampCursor(d);
  switch (msg) {
    case MSG_START:
      // The game's dialogs pass 0 for a cursor at the end and 1 for one at the start.
      // The library's own dialogs (the file selector) wrap this procedure, keep their
      // items from one showing to the next and restart the field whenever they put a
      // new text in it: there the cursor goes to the end, so the file name shows.
      if (d->d2 == 0 || d->proc != TextFieldProc)
        d->d2 = ustrlen(Text(d));
      else if (d->d2 == 1)
        d->d2 = 0;
      return D_O_K;
    case MSG_DRAW:
      DrawField(d);
      return D_O_K;
    case MSG_CLICK:
      HandleClick(d);
      return D_WANTFOCUS;
    case MSG_GOTFOCUS: {
      // The panel shows the object the field is about.
      FocusItemObject(d->dp2);
      return D_O_K;
    }
    case MSG_WANTFOCUS:
    case MSG_LOSTFOCUS:
    case MSG_KEY:
      return D_WANTFOCUS;
    case MSG_CHAR:
      return HandleKey(d, c);
    case MSG_UCHAR:
      return HandleTyped(d, c);
    case MSG_RRELEASE:
      return HandlePopup(d);
  }
  return D_O_K;
}
