#include "campaign/hall_of_fame_screen.h"

#include <cstdio>

#include "campaign/board_dialog.h"
#include "campaign/hall_of_fame.h"
#include "campaign/party.h"
#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/screen_layout.h"
#include "rules/options_dialog.h"
#include "ui/bevel_box.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/text.h"

namespace {

// Writes text so that it ends at x.
void DrawTextEndingAt(BITMAP* bmp, int x, int y, int color, const char* text) {
  DrawText(bmp, kFontDialog, x - TextWidth(kFontDialog, text), y, color, "%s", text);
}

void DrawNumberEndingAt(BITMAP* bmp, int x, int y, int color, int n) {
  char s[16];
  snprintf(s, sizeof s, "%d", n);
  DrawTextEndingAt(bmp, x, y, color, s);
}

void DrawTable(DIALOG* d) {
  BITMAP* bmp = gui_get_screen();
  if (!bmp) return;
  scare_mouse_area(d->x, d->y, d->w, d->h);
  rectfill(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, BaseColor);
  DrawBevelBox(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->bg, 8);

  const int left = d->x + 10, top = d->y + 10;
  DrawText(bmp, kFontDialog, left + 45, top, gui_mg_color, "hero name");
  DrawTextEndingAt(bmp, left + 273, top, gui_mg_color, "experience, gold, kills");
  DrawText(bmp, kFontDialog, left + 280, top, gui_mg_color, "last quest");
  hline(bmp, left, top + 15, left + 490, gui_mg_color);

  for (int i = 0; i < kHallOfFameSize; i++) {
    HallOfFameEntry& e = HallOfFame[i];
    const int y = top + 22 * (i + 1);
    const int ink = e.flag == 1 ? HighlightColor : d->fg;
    e.flag = 0;  // the highlight shows once
    if (BITMAP* pic = ObjectPicture(e.picture); pic && pic->h > 4)
      masked_blit(pic, bmp, 0, 2, left + 17, y - 1, pic->w, pic->h - 4);
    DrawText(bmp, kFontDialog, left, y + 1, gui_mg_color, "%d.", i + 1);
    DrawText(bmp, kFontDialog, left + 45, y + 1, ink, "%s", e.name);
    const int medal = BadgeColor(e.experience);
    if (medal >= 0) DrawBevelBox(bmp, left + 196, y + 5, left + 200, y + 10, medal, 7);
    DrawNumberEndingAt(bmp, left + 194, y + 1, ink, e.experience);
    DrawNumberEndingAt(bmp, left + 235, y + 1, ink, e.gold);
    DrawNumberEndingAt(bmp, left + 265, y + 1, ink, e.kills);
    DrawText(bmp, kFontDialog, left + 280, y + 1, ink, "%s", e.quest);
  }
  unscare_mouse();
}

}  // namespace

int HallOfFameTableProc(int msg, DIALOG* d, int) {
  if (msg == MSG_DRAW) DrawTable(d);
  return D_O_K;
}

int UpdateHallOfFame() {
  PrintMessage(TextColor2, "Updating Hall of Fame...");
  RefreshMessages();
  ClearHallOfFameFlags();
  int entered = 0;
  for (int k = 1; k <= kPartySize; k++) {
    if (!PartyHas(k)) continue;  // an empty record is nobody
    const ObjectRecord& hero = PartyTable[k - 1];
    HallOfFameRecording r = RecordInHallOfFame(hero, QuestHeader.quest);
    if (r.duplicate && GameOptions.developer == 1) {
      PrintMessage(ColorTable[kColorGreen], "Duplicate ID found on %s, overwrite=%d", hero.name,
                   r.overwritten ? 1 : 0);
      RefreshMessages();
    }
    if (r.entered) entered++;
  }
  return entered > 0 ? 1 : 0;
}

void BuildHallOfFameDialog(DIALOG* items) {
  UseBoardDialogLayout(500 + 4 * 6, 257);
  const DialogLayoutValues& L = DialogLayout;

  for (int i = 0; i < kHallItemCount; i++) items[i] = DIALOG{};
  auto set = [&](int i, DIALOG_PROC proc, int x, int y, int w, int h, int key, int flags,
                 const char* text) { SetDialogItem(items[i], proc, x, y, w, h, key, flags, text); };
  set(kHallBox, ShadowBoxProc, L.DialogX, L.DialogY, L.DialogW, L.DialogH, 0, 0,
      "Hall of Fame");
  set(kHallClose, ButtonProc, L.DialogX + L.DialogW - 20, L.DialogY + 4, 16, 15, 'X', D_EXIT,
      "X");
  set(kHallTable, HallOfFameTableProc, L.DialogX + 7, L.DialogY + 25, L.DialogW - 14,
      L.DialogH - 48, 0, 0, nullptr);
  set(kHallWatcher, ExitWatcherProc, 0, 0, 0, 0, 0, 0, nullptr);
  // The last item stays empty: the end of the dialog.
}

void ShowHallOfFame() {
  DIALOG items[kHallItemCount];
  BuildHallOfFameDialog(items);
  // As a pop-up: the screen under the dialog comes back when it closes.
  const int x = DialogLayout.DialogX, y = DialogLayout.DialogY;
  BITMAP* shown = gui_get_screen();
  BITMAP* under =
      shown ? create_bitmap(DialogLayout.DialogW + 1, DialogLayout.DialogH + 1) : nullptr;
  if (under) {
    scare_mouse_area(x, y, under->w, under->h);
    blit(shown, under, x, y, 0, 0, under->w, under->h);
    unscare_mouse();
  }
  RunRulesDialog(items, kHallClose);
  if (under) {
    scare_mouse_area(x, y, under->w, under->h);
    blit(under, shown, 0, 0, x, y, under->w, under->h);
    unscare_mouse();
    destroy_bitmap(under);
  }
  Sys().Wait(100);
  Sys().ClearKeys();
}
