#include "ui/list_box.h"

#include <allegro/internal/aintern.h>

#include <algorithm>
#include <cstdint>

#include "core/colors.h"
#include "core/game_data.h"
#include "ui/bevel_box.h"
#include "ui/text.h"

namespace {

using ListCallback = char* (*)(int index, int* count);

int EntryCount(const DIALOG* d) {
  int n = 0;
  if (d->dp) reinterpret_cast<ListCallback>(d->dp)(-1, &n);
  return std::max(n, 0);
}

const char* Entry(const DIALOG* d, int index) {
  const char* s = reinterpret_cast<ListCallback>(d->dp)(index, nullptr);
  return s ? s : "";
}

int TextColorOf(const DIALOG* d) { return (d->flags & D_DISABLED) ? gui_mg_color : d->fg; }

// Writes an entry in the current font: anti-aliased when it is one of the datafile's
// colour fonts, plainly otherwise.
void WriteEntry(BITMAP* bmp, const char* text, int x, int y, int fg, int bg) {
  for (int index : {kFontDialog, kFontHeading, kFontStandard, kFontSmall}) {
    if (DataFont(index) && DataFont(index) == font && is_color_font(font)) {
      rectfill(bmp, x, y, x + text_length(font, text) - 1, y + text_height(font) - 1, bg);
      DrawTextOnBackground(bmp, index, x, y, fg, bg, text);
      return;
    }
  }
  textout_ex(bmp, font, text, x, y, fg, bg);
}

void DrawFocusMark(BITMAP* bmp, int x1, int y1, int x2, int y2) {
  // A dotted outline round the row, with a solid underline in the highlight colour.
  for (int x = x1; x <= x2; x += 2) {
    putpixel(bmp, x, y1, HighlightColor);
  }
  for (int y = y1; y <= y2; y += 2) {
    putpixel(bmp, x1, y, HighlightColor);
    putpixel(bmp, x2, y, HighlightColor);
  }
  hline(bmp, x1, y2, x2, HighlightColor);
}

void DrawList(DIALOG* d) {
  BITMAP* bmp = gui_get_screen();
  d->bg = BaseColor;
  int count = EntryCount(d);
  int fh = text_height(font);
  int rows = std::max((d->h - 4) / fh, 0);
  bool bar = count > rows;
  int areaRight = d->x + d->w - (bar ? 15 : 3);
  int maxText = std::max(d->w - 1 - (bar ? 22 : 10), 1);
  int ink = TextColorOf(d);
  const char* marks = static_cast<const char*>(d->dp2);

  for (int row = 0; row < rows; row++) {
    int index = d->d2 + row;
    int top = d->y + 2 + row * fh;
    int bottom = top + fh - 1;
    if (index < 0 || index >= count) {
      rectfill(bmp, d->x + 2, top, areaRight, bottom, BaseColor);
      continue;
    }
    bool chosen = index == d->d1 || (marks && marks[index]);
    int fg = chosen ? BaseColor : ink;
    int bg = chosen ? gui_mg_color : BaseColor;

    char text[512];
    ustrzcpy(text, sizeof text, Entry(d, index));
    // Cut at its end, one character at a time, until it fits (keeping at least one).
    while (ustrlen(text) > 1 && text_length(font, text) >= maxText) uremove(text, -1);

    rectfill(bmp, d->x + 2, top, d->x + 9, bottom, bg);
    WriteEntry(bmp, text, d->x + 10, top, fg, bg);
    int textEnd = d->x + 10 + text_length(font, text);
    if (textEnd <= areaRight) rectfill(bmp, textEnd, top, areaRight, bottom, bg);
    if (index == d->d1 && (d->flags & D_GOTFOCUS))
      DrawFocusMark(bmp, d->x + 2, top, areaRight, bottom);
  }
  int below = d->y + 2 + rows * fh;
  if (below <= d->y + d->h - 3) rectfill(bmp, d->x + 2, below, areaRight, d->y + d->h - 3, BaseColor);

  DrawBevelBox(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, gui_bg_color, 8);
  if (bar) DrawListScrollBar(bmp, d, count, rows, d->d2);
}

// The type-ahead prefix is the first dp3 characters of the selected entry, as the
// library keeps it, so no text of its own needs storing.
int PrefixLength(const DIALOG* d) {
  return static_cast<int>(reinterpret_cast<intptr_t>(d->dp3));
}
void SetPrefixLength(DIALOG* d, int n) {
  d->dp3 = reinterpret_cast<void*>(static_cast<intptr_t>(n));
}

// Whether s starts with the first n characters of p followed by c, ignoring case.
bool StartsWith(const char* s, const char* p, int n, int c) {
  if (ustrlen(s) < n + 1) return false;
  for (int i = 0; i < n; i++) {
    if (utolower(ugetat(s, i)) != utolower(ugetat(p, i))) return false;
  }
  return utolower(ugetat(s, n)) == utolower(c);
}

// The first entry from `start` on (wrapping) that starts with the prefix and c.
int Search(const DIALOG* d, int count, int start, const char* prefix, int n, int c) {
  for (int k = 0; k < count; k++) {
    int i = (start + k) % count;
    if (StartsWith(Entry(d, i), prefix, n, c)) return i;
  }
  return -1;
}

bool AllSameAs(const char* s, int n, int c) {
  for (int i = 0; i < n; i++) {
    if (utolower(ugetat(s, i)) != utolower(c)) return false;
  }
  return true;
}

int TypeAhead(DIALOG* d, int c) {
  int count = EntryCount(d);
  if (count == 0) return D_O_K;
  int current = std::clamp(d->d1, 0, count - 1);
  char selected[512];
  ustrzcpy(selected, sizeof selected, Entry(d, current));
  int n = std::min(PrefixLength(d), ustrlen(selected));

  // The longer prefix, which the selected entry itself may still match.
  int found = n > 0 ? Search(d, count, current, selected, n, c) : -1;
  int length = n + 1;
  // Else the character alone, from the entry after the selected one: so typing the
  // same letter again steps through the entries that start with it.
  if (found < 0) {
    if (n > 0 && !AllSameAs(selected, n, c)) current--;
    found = Search(d, count, current + 1, selected, 0, c);
    length = 1;
  }
  if (found < 0) {
    SetPrefixLength(d, 0);
    return D_O_K;
  }
  d->d1 = found;
  SetPrefixLength(d, length);
  if (char* marks = static_cast<char*>(d->dp2)) std::fill(marks, marks + count, 0);
  _handle_scrollable_scroll(d, count, &d->d1, &d->d2);
  object_message(d, MSG_DRAW, 0);
  return D_USED_CHAR;
}

}  // namespace

void DrawListScrollBar(BITMAP* bmp, const DIALOG* d, int total, int visible, int first) {
  if (total <= 0) return;
  int x = d->x, y = d->y, w = d->w, h = d->h;
  int bottom = y + h - 3;
  vline(bmp, x + w - 14, y + 2, bottom, TextColorOf(d));
  int length = ((h - 5) * visible + total / 2) / total;
  int top = y + 2 + ((h - 5) * first + total / 2) / total;
  int end = std::min(top + length, bottom);
  if (top > y + 2) rectfill(bmp, x + w - 13, y + 2, x + w - 3, top - 1, BaseColor);
  if (end < bottom) rectfill(bmp, x + w - 13, end + 1, x + w - 3, bottom, BaseColor);
  DrawBevelBox(bmp, x + w - 13, top, x + w - 3, end, gui_bg_color, 7);
}

int ListProc(int msg, DIALOG* d, int c) {
  if (msg == MSG_DRAW) {
    DrawList(d);
    return D_O_K;
  }
  return d_list_proc(msg, d, c);
}

int TextListProc(int msg, DIALOG* d, int c) {
  switch (msg) {
    case MSG_DRAW:
      DrawList(d);
      return D_O_K;
    case MSG_START:
    case MSG_CLICK:
    case MSG_DCLICK:
    case MSG_GOTFOCUS:
    case MSG_LOSTFOCUS:
      SetPrefixLength(d, 0);
      break;
    case MSG_CHAR:
      if ((c & 0xFF) < ' ') SetPrefixLength(d, 0);
      break;
    case MSG_UCHAR:
      if (c >= ' ') {
        int r = TypeAhead(d, c);
        if (r != D_O_K) return r;
      }
      break;
  }
  return d_list_proc(msg, d, c);
}

int TextBoxProc(int msg, DIALOG* d, int c) {
  if (msg != MSG_DRAW) return d_textbox_proc(msg, d, c);
  BITMAP* bmp = gui_get_screen();
  char* text = static_cast<char*>(d->dp);
  if (!text) return D_O_K;
  int fh = text_height(font);
  int visible = std::max((d->h - 8) / fh, 0);
  bool wrap = !(d->flags & D_SELECTED);
  bool disabled = d->flags & D_DISABLED;
  int ink = TextColorOf(d);
  d->bg = BaseColor;

  // Count the lines first: a text taller than the box gets the scroll bar.
  _draw_textbox(text, &d->d1, 0, d->d2, wrap, 8, d->x, d->y, d->w, d->h, disabled, 0, 0, 0);
  int bar = 0;
  if (d->d1 > visible)
    bar = 12;
  else
    d->d2 = 0;
  rectfill(bmp, d->x + 2, d->y + 2, d->x + d->w - 3, d->y + d->h - 3, BaseColor);
  _draw_textbox(text, &d->d1, 1, d->d2, wrap, 8, d->x, d->y, d->w - bar, d->h, disabled, ink,
                BaseColor, gui_mg_color);
  DrawBevelBox(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, gui_bg_color, 8);
  if (bar) DrawListScrollBar(bmp, d, d->d1, visible, d->d2);
  return D_O_K;
}
