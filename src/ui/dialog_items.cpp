#include "ui/dialog_items.h"

#include <cstdlib>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/redraw_request.h"
#include "ui/bevel_box.h"
#include "ui/dialog_layout.h"
#include "ui/image_ops.h"
#include "ui/object_focus.h"
#include "ui/text.h"

namespace {

BITMAP* Target() { return gui_get_screen(); }

// The label colour of a button: the highlight marks the focus, except on an exit
// button that is being pressed.
int ButtonLabelColor(const DIALOG* d) {
  bool focused = (d->flags & D_GOTFOCUS) != 0;
  bool pressedExit = (d->flags & D_SELECTED) && (d->flags & D_EXIT);
  return (focused && !pressedExit) ? HighlightColor : d->fg;
}

void DrawButton(BITMAP* bmp, const DIALOG* d, bool pressed) {
  scare_mouse_area(d->x, d->y, d->w, d->h);
  DrawBevelBox(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->bg, pressed ? 4 : 3);
  if (d->dp) {
    int top = d->y + 2 + ((d->h - 1) - FontHeight(kFontDialog)) / 2;
    DrawTextCentred(bmp, kFontDialog, d->x + 1 + (d->w - 1) / 2, top, ButtonLabelColor(d), "%s",
                    static_cast<const char*>(d->dp));
  }
  unscare_mouse();
}

int TextButtonColor(const DIALOG* d) {
  if (d->flags & D_DISABLED) return gui_mg_color;
  return ButtonLabelColor(d);
}

void DrawTextButton(BITMAP* bmp, const DIALOG* d, int color) {
  scare_mouse_area(d->x, d->y, d->w, d->h);
  rectfill(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->bg);
  if (d->dp) {
    const char* label = static_cast<const char*>(d->dp);
    DrawText(bmp, kFontDialog, d->x + d->w - TextWidth(kFontDialog, label), d->y, color, "%s",
             label);
  }
  unscare_mouse();
}

// One stroke of the tick, two pixels thick (the line and the one above it).
void TickStroke(BITMAP* bmp, int x1, int y1, int x2, int y2, int color) {
  line(bmp, x1, y1, x2, y2, color);
  line(bmp, x1, y1 - 1, x2, y2 - 1, color);
}

void DrawTick(BITMAP* bmp, int bx, int y, int h, int dy, int color) {
  TickStroke(bmp, bx + 2, y + 1 + h / 2 + dy, bx - 1 + (h - 1) / 2, y + h - 3 + dy, color);
  TickStroke(bmp, bx - 2 + h / 2, y + h - 3 + dy, bx + h - 3, y + 4 + dy, color);
}

void DrawCheck(BITMAP* bmp, const DIALOG* d) {
  bool disabled = (d->flags & D_DISABLED) != 0;
  bool focused = (d->flags & D_GOTFOCUS) != 0;
  bool selected = (d->flags & D_SELECTED) != 0;
  int color = disabled ? gui_mg_color : d->fg;
  const char* label = d->dp ? static_cast<const char*>(d->dp) : "";
  int fh = FontHeight(kFontDialog);
  int h = d->h;
  int bx, tx;
  if (d->d1 < 1) {
    tx = d->x;
    bx = d->x + TextWidth(kFontDialog, label) + fh / 2;
  } else {
    bx = d->x;
    tx = d->x + h - 1 + fh / 2;
  }
  int ty = d->y + (h - (fh - gui_font_baseline)) / 2;
  if (*label) DrawText(bmp, kFontDialog, tx, ty, color, "%s", label);
  DrawBevelBox(bmp, bx, d->y, bx + h - 1, d->y + h - 1, BaseColor, 2);
  if (focused) rectfill(bmp, bx + 2, d->y + 2, bx + h - 3, d->y + h - 3, HighlightColor);
  if (selected) {
    if (!focused && !disabled) DrawTick(bmp, bx, d->y, h, -2, gui_mg_color);
    DrawTick(bmp, bx, d->y, h, 0, color);
  }
}

void DrawShadowBox(BITMAP* bmp, const DIALOG* d) {
  // The shadow stays inside the item's rectangle: the library's pop-up dialogs
  // save and restore exactly that rectangle, so a shadow outside it would be left
  // behind on the screen when they close.
  int x = d->x, y = d->y, w = d->w - 1, h = d->h - 1;
  DrawBevelBox(bmp, x, y, x + w - 1, y + h - 1, d->bg, 10);
  // The shadow darkens whatever lies under and right of the box.
  UseDarkenBlender(0.2f);
  drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
  hline(bmp, x + 1, y + h, x + w - 1, 0);
  vline(bmp, x + w, y + 1, y + h, 0);
  solid_mode();
  const char* title = static_cast<const char*>(d->dp);
  if (!title && d->w == 296) title = "file selection";
  if (title) {
    rectfill(bmp, x + 3, y + 3, x + w - 4, y + 3 + DialogLayout.TitleBarHeight, HighlightColor);
    DrawText(bmp, kFontDialog, x + 6, y + 6, TitleTextColor(d->fg, HighlightColor), "%s", title);
  }
}

int Luma(int c) { return (30 * getr(c) + 59 * getg(c) + 11 * getb(c)) / 100; }

}  // namespace

int TitleTextColor(int fg, int strip) {
  // Dark text on the default dark-red strip cannot be read: when the text colour
  // is too close in brightness to the strip, write the title in a light cream (or,
  // on a light strip, in black) instead.
  if (abs(Luma(fg) - Luma(strip)) >= 90) return fg;
  return Luma(strip) < 128 ? makecol(255, 236, 170) : makecol(0, 0, 0);
}

namespace {

int StaticTextColor(const DIALOG* d) { return (d->flags & D_DISABLED) ? gui_mg_color : d->fg; }

}  // namespace

void PlayClick() {
  int vol = GameOptions.volume * 25;
  if (vol < 0) vol = 0;
  if (vol > 255) vol = 255;
  Sys().PlaySample(DataSample(kDataClickSound), vol, 128, 1000, 0);
}

void SetDialogItem(DIALOG& d, DIALOG_PROC proc, int x, int y, int w, int h, int key, int flags,
                   const char* text) {
  d = DIALOG{};
  d.proc = proc;
  d.x = x;
  d.y = y;
  d.w = w;
  d.h = h;
  d.fg = gui_fg_color;
  d.bg = gui_bg_color;
  d.key = key;
  d.flags = flags;
  d.dp = const_cast<char*>(text);
}

void FillMenuDialog(DIALOG* items, const char* title, const MenuButton* buttons, int count,
                    std::initializer_list<int> groupStarts) {
  const DialogLayoutValues& L = DialogLayout;
  SetDialogItem(items[0], ShadowBoxProc, L.DialogX, L.DialogY, L.DialogW, L.DialogH, 0, 0, title);
  int x = L.DialogX + 2 * L.Spacing;
  int y = L.DialogY + L.TitleBarHeight + 2 * L.Spacing;
  for (int i = 0; i < count; i++) {
    for (int start : groupStarts)
      if (i == start) y += L.Spacing;
    SetDialogItem(items[1 + i], ButtonProc, x, y, L.ButtonW, L.ButtonH, buttons[i].key, D_EXIT,
                  buttons[i].label);
    y += L.ButtonH + L.Spacing;
  }
  SetDialogItem(items[count + 1], ExitWatcherProc, 0, 0, 0, 0, 0, 0, nullptr);
  items[count + 2] = DIALOG{};
}

int ButtonProc(int msg, DIALOG* d, int c) {
  switch (msg) {
    case MSG_KEY:
      PlayClick();
      DrawButton(Target(), d, true);
      Sys().Wait(kButtonPressMs);
      return d_button_proc(msg, d, c);
    case MSG_CLICK:
      PlayClick();
      return d_button_proc(msg, d, c);
    case MSG_DRAW:
      DrawButton(Target(), d, (d->flags & D_SELECTED) != 0);
      return D_O_K;
    default:
      return d_button_proc(msg, d, c);
  }
}

int TextButtonProc(int msg, DIALOG* d, int c) {
  switch (msg) {
    case MSG_KEY:
      if (d->flags & D_DISABLED) return D_O_K;
      PlayClick();
      DrawTextButton(Target(), d, d->fg);
      Sys().Wait(kButtonPressMs);
      return d_button_proc(msg, d, c);
    case MSG_CLICK:
      if (d->flags & D_DISABLED) return D_O_K;
      PlayClick();
      return d_button_proc(msg, d, c);
    case MSG_DRAW:
      DrawTextButton(Target(), d, TextButtonColor(d));
      return D_O_K;
    default:
      return d_button_proc(msg, d, c);
  }
}

int CheckProc(int msg, DIALOG* d, int c) {
  switch (msg) {
    case MSG_GOTFOCUS: {
      // The panel shows the object the box is about.
      FocusItemObject(d->dp2);
      return d_button_proc(msg, d, c);
    }
    case MSG_KEY:
    case MSG_CLICK:
      if (d->flags & D_DISABLED) return D_O_K;
      PlayClick();
      return d_button_proc(msg, d, c);
    case MSG_DRAW:
      DrawCheck(Target(), d);
      return D_O_K;
    default:
      return d_button_proc(msg, d, c);
  }
}

int ShadowBoxProc(int msg, DIALOG* d, int c) {
  if (msg == MSG_DRAW) DrawShadowBox(Target(), d);
  return D_O_K;
}

int CentredTextProc(int msg, DIALOG* d, int c) {
  if (msg == MSG_DRAW && d->dp)
    DrawTextCentred(Target(), kFontDialog, d->x + d->w / 2, d->y, StaticTextColor(d), "%s",
                    static_cast<const char*>(d->dp));
  return D_O_K;
}

int TextProc(int msg, DIALOG* d, int c) {
  if (msg == MSG_DRAW && d->dp)
    DrawText(Target(), kFontDialog, d->x, d->y, StaticTextColor(d), "%s",
             static_cast<const char*>(d->dp));
  return D_O_K;
}

int PictureProc(int msg, DIALOG* d, int c) {
  if (msg != MSG_DRAW || !d->dp) return D_O_K;
  BITMAP* pic = static_cast<BITMAP*>(d->dp);
  if (d->d1 == 1)
    masked_blit(pic, Target(), 0, 0, d->x, d->y, d->w, d->h);
  else
    blit(pic, Target(), 0, 0, d->x, d->y, d->w, d->h);
  return D_O_K;
}

int WatchForExit() {
  // Leaving was confirmed elsewhere (in a dialog under this one): unwind.
  if (ExitRequest >= 2) return D_CLOSE;
  // While the question is on the screen (asked here or by a loop of the game), a
  // second press of the close button asks nothing more.
  if (ExitRequest != 1 || ExitQuestionOpen) return D_O_K;
  // A box closed without a choice counts as CANCEL, like everywhere else.
  if (ConfirmExitProgram()) {
    ExitRequest = 2;
    return D_CLOSE;
  }
  ExitRequest = 0;
  Sys().Wait(100);
  Sys().ClearKeys();
  return D_O_K;
}

int ExitWatcherProc(int msg, DIALOG* d, int c) {
  if (msg != MSG_IDLE) return D_O_K;
  if (WatchForExit() == D_CLOSE) return D_CLOSE;
  RedrawIfRequested();
  Sys().Wait(kIdleYieldMs);
  return D_O_K;
}

int LibraryBoxProc(int msg, DIALOG* d, int c) {
  // The library's dialogs (alerts, the file selector) run their own loops and yield
  // there already; their box only adds the exit watch.
  if (msg == MSG_IDLE) return WatchForExit();
  return ShadowBoxProc(msg, d, c);
}

int RunWatchedMenu(MENU* menu, int x, int y) {
  MENU_PLAYER* player = init_menu(menu, x, y);
  if (!player) return -1;
  // The close button takes the menu away at once; the dialog under it then asks.
  while (ExitRequest == 0 && update_menu(player)) Sys().Wait(kIdleYieldMs);
  int choice = shutdown_menu(player);
  if (ExitRequest != 0) return -1;
  // The click that chose stays out of the dialog under the menu.
  while (ExitRequest == 0 && (gui_mouse_b() & 3)) Sys().Wait(kIdleYieldMs);
  return choice;
}

void MenuFrameDraw(int x, int y, int w, int h) {
  DrawBevelBox(Target(), x, y, x + w - 1, y + h - 1, gui_bg_color, 7);
}
