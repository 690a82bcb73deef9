#include "ui/manual_reader.h"

#include <allegro/internal/aintern.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "ui/bevel_box.h"
#include "ui/dialog_items.h"
#include "ui/list_box.h"
#include "ui/text.h"

namespace {

constexpr int kTabBlanks = 8;
constexpr int kScrollBarW = 12;  // kept free at the right when the text is longer
constexpr int kLineLeft = 6;     // first line: 6 right of the box's left edge
constexpr int kLineTop = 4;      // and 4 below its top
constexpr int kBottomMargin = 3;

// The library's pop-up dialog, on the screen the dialogs draw to; without one there is
// nothing to show and the window counts as dismissed.
int LibraryPopup(DIALOG* items, int focus) {
  if (!gui_get_screen()) return -1;
  return popup_dialog(items, focus);
}

// Where the shown text begins: just after the first "<BO" tag (only an upper-case body
// tag counts); -1 when there is none.
int BodyStart(const char* s) {
  const char* tag = strstr(s, "<BO");
  if (!tag) return -1;
  const char* close = strchr(tag, '>');
  if (!close) return static_cast<int>(strlen(s));  // the tag runs to the end
  return static_cast<int>(close - s) + 1;
}

// The font in force after character i of s, given the one before it. A vertical bar
// starts small print anywhere; inside a tag "<H" starts a heading and "/H" ends it.
int FontAfter(const char* s, int i, bool inTag, int font) {
  char c = s[i];
  if (c == '|') return kManualSmall;
  if (inTag && s[i + 1] == 'H') {
    if (c == '<') return kManualHeading;
    if (c == '/') return kManualBody;
  }
  return font;
}

int CharWidth(int font, char c) {
  FONT* f = DataFontOr(ManualFontIndex(font));
  if (c == '\t') return kTabBlanks * text_length(f, " ");
  char one[2] = {c, '\0'};
  return text_length(f, one);
}

// A tag ending at its closing bracket g (opened at p) ends the line: paragraph tags
// (a P before the bracket), heading ends ("/H" and one more character) and line breaks
// (BR before the bracket).
bool TagEndsLine(const char* s, int p, int g) {
  if (g - 1 > p && s[g - 1] == 'P') return true;
  if (g - 3 > p && s[g - 3] == '/' && s[g - 2] == 'H') return true;
  if (g - 2 > p && s[g - 2] == 'B' && s[g - 1] == 'R') return true;
  return false;
}

ManualPage* PageOf(const DIALOG* d) { return static_cast<ManualPage*>(d->dp3); }

int BodyHeight() { return FontHeight(ManualFontIndex(kManualBody)); }

// Lays the text out for the box when it is new or the box changed: at the full width,
// or, when that gives more lines than the box shows, beside the scroll bar.
void Prepare(DIALOG* d) {
  ManualPage* page = PageOf(d);
  const char* text = static_cast<const char*>(d->dp);
  if (!page) return;
  const int full = d->w - 8, narrow = full - kScrollBarW;
  if (page->text != text || (page->width != full && page->width != narrow))
    LayOutManual(*page, text, full);
  if (page->width == full && static_cast<int>(page->lines.size()) > ManualVisibleLines(d))
    LayOutManual(*page, text, narrow);
  d->d1 = static_cast<int>(page->lines.size());
  if (page->width == full) d->d2 = 0;
  d->d2 = std::clamp(d->d2, 0, ManualLastFirstLine(d));
}

bool HasScrollBar(const DIALOG* d) {
  const ManualPage* page = PageOf(d);
  return page && page->width == d->w - 8 - kScrollBarW;
}

// Draws the characters [start, end) of a line at (x, y), switching fonts as its tags
// and bars say, from the font in force at its start.
void DrawLine(BITMAP* bmp, const char* s, const ManualLine& line, int x, int y, int ink) {
  char run[256];
  int n = 0;
  int font = line.font;
  auto flush = [&]() {
    if (n == 0) return;
    run[n] = '\0';
    DrawTextOnBackground(bmp, ManualFontIndex(font), x, y, ink, BaseColor, run);
    x += text_length(DataFontOr(ManualFontIndex(font)), run);
    n = 0;
  };
  bool inTag = false;
  for (int i = line.start; i < line.end && s[i]; i++) {
    char c = s[i];
    if (c == '<') inTag = true;
    int next = FontAfter(s, i, inTag, font);
    if (next != font) {
      flush();
      font = next;
    }
    if (inTag) {
      if (c == '>') inTag = false;
      continue;
    }
    if (c == '|' || c == '\r' || c == '\n') continue;
    int blanks = c == '\t' ? kTabBlanks : 1;
    for (int k = 0; k < blanks; k++) {
      if (n >= static_cast<int>(sizeof run) - 1) flush();
      run[n++] = c == '\t' ? ' ' : c;
    }
  }
  flush();
}

void DrawViewer(DIALOG* d) {
  BITMAP* screen_bmp = gui_get_screen();
  if (!screen_bmp) return;
  Prepare(d);
  ManualPage* page = PageOf(d);
  BITMAP* bmp = page && page->canvas ? page->canvas : screen_bmp;
  const int ox = bmp == screen_bmp ? d->x : 0, oy = bmp == screen_bmp ? d->y : 0;
  const bool bar = HasScrollBar(d);
  const int right = ox + d->w - 3 - (bar ? kScrollBarW : 0);
  const int bottom = oy + d->h - 1 - kBottomMargin;
  const int ink = (d->flags & D_DISABLED) ? gui_mg_color : d->fg;
  d->bg = BaseColor;

  rectfill(bmp, ox + 2, oy + 2, ox + d->w - 3, oy + d->h - 3, BaseColor);
  if (page) {
    int cx1, cy1, cx2, cy2;
    get_clip_rect(bmp, &cx1, &cy1, &cx2, &cy2);
    set_clip_rect(bmp, ox + 2, oy + 2, right, bottom);
    int y = oy + kLineTop;
    for (int i = d->d2; i < d->d1; i++) {
      const ManualLine& line = page->lines[i];
      int h = ManualLineHeight(line);
      if (y + h - 1 > bottom) break;
      DrawLine(bmp, page->text, line, ox + kLineLeft, y, ink);
      y += h;
    }
    set_clip_rect(bmp, cx1, cy1, cx2, cy2);
  }
  DrawBevelBox(bmp, ox, oy, ox + d->w - 1, oy + d->h - 1, gui_bg_color, 8);
  if (bar) {
    DIALOG at = *d;
    at.x = ox;
    at.y = oy;
    DrawListScrollBar(bmp, &at, d->d1, ManualVisibleLines(d), d->d2);
  }
  if (bmp != screen_bmp) {
    scare_mouse_area(d->x, d->y, d->w, d->h);
    blit(bmp, screen_bmp, 0, 0, d->x, d->y, d->w, d->h);
    unscare_mouse();
  }
}

// Moves the first line shown; a change redraws the box.
void ScrollTo(DIALOG* d, int first) {
  first = std::clamp(first, 0, ManualLastFirstLine(d));
  if (first == d->d2) return;
  d->d2 = first;
  d->flags |= D_DIRTY;
}

// Answers a scrolling key; false for any other key.
bool ScrollKey(DIALOG* d, int c) {
  const int visible = ManualVisibleLines(d);
  const int first = d->d2;
  const int top = first == 0 ? 0 : first + 1;
  const int bottom = std::min(first + visible - 2, d->d1 - 1);
  const int page = std::max(bottom - top, 1);
  switch (c >> 8) {
    case KEY_UP: ScrollTo(d, first - 1); return true;
    case KEY_DOWN: ScrollTo(d, first + 1); return true;
    case KEY_HOME: ScrollTo(d, 0); return true;
    case KEY_END: ScrollTo(d, ManualLastFirstLine(d)); return true;
    case KEY_PGUP: ScrollTo(d, first - page); return true;
    case KEY_PGDN: ScrollTo(d, first + page); return true;
    default: return false;
  }
}

}  // namespace

ManualDialogRunner RunManualDialog = LibraryPopup;

int ManualFontIndex(int manualFont) {
  switch (manualFont) {
    case kManualHeading: return kFontHeading;
    case kManualSmall: return kFontSmall;
    default: return kFontStandard;
  }
}

void LayOutManual(ManualPage& page, const char* text, int width) {
  page.text = text;
  page.width = width;
  page.lines.clear();
  const char* s = text ? text : "";
  int pos = BodyStart(s);
  page.body = pos >= 0;
  if (pos < 0) return;

  int font = kManualBody;
  while (s[pos]) {
    ManualLine line = {pos, pos, pos, font, font};
    int used = 0;          // width of the line so far
    int blank = -1;        // the line's last blank
    int fontAtBlank = font;
    for (;;) {
      const char c = s[pos];
      if (c == '\0') {
        line.end = line.next = pos;
        break;
      }
      if (c == '\r' || c == '\n') {
        pos++;
        continue;
      }
      if (c == '<') {
        // A tag takes no room; it may switch the font and end the line.
        const int open = pos;
        while (s[pos] && s[pos] != '>') {
          font = FontAfter(s, pos, true, font);
          pos++;
        }
        if (!s[pos]) {
          line.end = line.next = pos;  // a tag cut off by the end of the text
          break;
        }
        font = FontAfter(s, pos, true, font);
        pos++;
        if (TagEndsLine(s, open, pos - 1)) {
          line.end = line.next = pos;
          break;
        }
        continue;
      }
      if (c == '|') {
        font = kManualSmall;
        pos++;
        continue;
      }
      const int w = CharWidth(font, c);
      if (used + w < width || used == 0) {
        // It fits; a character wider than the whole line still takes a line of its own.
        used += w;
        if (c == ' ') {
          blank = pos;
          fontAtBlank = font;
        }
        pos++;
        continue;
      }
      if (blank >= 0) {
        // Back to the last blank, which is dropped.
        line.end = blank;
        line.next = blank + 1;
        font = fontAtBlank;
      } else {
        line.end = line.next = pos;
      }
      if (s[line.next] == '\n') line.next++;
      break;
    }
    line.endFont = font;
    page.lines.push_back(line);
    pos = line.next;
  }
}

int ManualLineHeight(const ManualLine& line) {
  return FontHeight(ManualFontIndex(line.endFont));
}

int ManualVisibleLines(const DIALOG* d) { return std::max((d->h - 8) / BodyHeight(), 1); }

int ManualLastFirstLine(const DIALOG* d) {
  const int count = d->d1;
  int first = std::max(count - ManualVisibleLines(d), 0);
  const ManualPage* page = PageOf(d);
  if (!page || count > static_cast<int>(page->lines.size())) return first;
  // Lines taller than the body font (a heading left open) take more room: go on until
  // the text's end is on the screen.
  const int room = d->h - kLineTop - kBottomMargin;
  while (first < count - 1) {
    int used = 0;
    for (int i = first; i < count && used <= room; i++) used += ManualLineHeight(page->lines[i]);
    if (used <= room) break;
    first++;
  }
  return first;
}

int ManualViewerProc(int msg, DIALOG* d, int c) {
  ManualPage* page = PageOf(d);
  switch (msg) {
    case MSG_START:
      Prepare(d);
      if (page && !page->canvas) page->canvas = create_bitmap(d->w, d->h);
      return D_O_K;
    case MSG_END:
      if (page && page->canvas) {
        destroy_bitmap(page->canvas);
        page->canvas = nullptr;
      }
      return D_O_K;
    case MSG_DRAW:
      DrawViewer(d);
      return D_O_K;
    case MSG_WANTFOCUS:
      Prepare(d);
      return HasScrollBar(d) ? D_WANTFOCUS : D_O_K;
    case MSG_CHAR:
    case MSG_XCHAR:
      Prepare(d);
      return ScrollKey(d, c) ? D_USED_CHAR : D_O_K;
    case MSG_WHEEL:
      Prepare(d);
      ScrollTo(d, d->d2 - c * (ManualVisibleLines(d) >= 4 ? 3 : 1));
      return D_O_K;
    case MSG_CLICK:
      Prepare(d);
      if (HasScrollBar(d) && gui_mouse_x() >= d->x + d->w - 13) {
        int first = d->d2;
        _handle_scrollable_scroll_click(d, d->d1, &first, BodyHeight());
        ScrollTo(d, first);
      }
      return D_O_K;
    default:
      return D_O_K;
  }
}

void BuildManualWindow(DIALOG* items, char* text, ManualPage* page) {
  for (int i = 0; i < kManualItemCount; i++) items[i] = DIALOG{};
  auto set = [&](int i, DIALOG_PROC proc, int x, int y, int w, int h, int key, int flags,
                 const char* text) { SetDialogItem(items[i], proc, x, y, w, h, key, flags, text); };
  set(kManualBox, ShadowBoxProc, 90, 62, 620, 472, 0, 0, "Game Manual: Dunmar.htm");
  set(kManualClose, ButtonProc, 690, 66, 16, 15, 'x', D_EXIT, "X");
  set(kManualViewer, ManualViewerProc, 97, 87, 606, 424, 0, 0, text);
  items[kManualViewer].dp3 = page;
  set(kManualWatcher, ExitWatcherProc, 0, 0, 0, 0, 0, 0, nullptr);
  // The last item stays empty: the end of the dialog.
}

char* ReadManualFile(const char* path) {
  auto fail = [path]() -> char* {
    Alert("  Read Error:  ", "", path, "OK", nullptr, 13, 0);
    return nullptr;
  };
  const uint64_t size = file_size_ex(path);
  if (size < 1 || size >= static_cast<uint64_t>(INT_MAX)) return fail();
  char* text = new (std::nothrow) char[size + 1];
  if (!text) return fail();
  PACKFILE* f = pack_fopen(path, F_READ);
  if (!f) {
    delete[] text;
    return fail();
  }
  const long read = pack_fread(text, static_cast<long>(size), f);
  pack_fclose(f);
  if (read != static_cast<long>(size)) {
    delete[] text;
    return fail();
  }
  text[size] = '\0';
  const size_t shown = strlen(text);
  if (shown < size) {
    PrintMessage(ColorTable[kColorDarkRed],
                 "Dunmar.htm is damaged: a zero byte ends its text at byte %zu of %llu.", shown,
                 static_cast<unsigned long long>(size));
    RefreshMessages();
  }
  return text;
}

int ShowManual() {
  char path[1024];
  ProgramFile(path, sizeof path, "Dunmar.htm");
  char* text = ReadManualFile(path);
  if (!text) return 1;
  if (BodyStart(text) < 0) {
    PrintMessage(ColorTable[kColorDarkRed], "Dunmar.htm has no <BODY> tag: nothing to show.");
    RefreshMessages();
  }
  ManualPage page;
  DIALOG items[kManualItemCount];
  BuildManualWindow(items, text, &page);
  RunManualDialog(items, kManualClose);
  if (page.canvas) destroy_bitmap(page.canvas);
  delete[] text;
  Sys().Wait(100);
  Sys().ClearKeys();
  return 0;
}
