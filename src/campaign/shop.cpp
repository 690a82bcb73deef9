#include "campaign/shop.h"

#include <cstdint>
#include <cstdio>
#include <limits>

#include "campaign/board_dialog.h"
#include "core/colors.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "quest/quest_model.h"
#include "render/screen_layout.h"
#include "render/side_panel.h"
#include "rules/options_dialog.h"
#include "rules/play_hooks.h"
#include "rules/sound_effects.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"

namespace {

constexpr int kBuySound = 13;
constexpr int kRefuseSound = 10;

struct Good {
  const char* label;
  int price;
  int attribute;  // the current value it raises
  int step;
  const char* what;  // the attribute, as the player reads it
};

const Good kArmory[kShopGoods] = {
    {"BOOTS, walk+1,       80 Gold", 80, kWalk, 1, "walk"},
    {"SWORD, offense+1, 110 Gold", 110, kOff, 1, "offense"},
    {"SHIELD, defence+1, 100 Gold", 100, kDef, 1, "defence"},
    {"POTION, life+1,         30 Gold", 30, kLife, 1, "life"},
    {"ELIXER, mind+1,        50 Gold", 50, kMind, 1, "mind"},
};

// A magical attack is negative: the staff makes it one stronger by going one lower.
const Good kAlchemist[kShopGoods] = {
    {"ELIXER, walk+1,        70 Gold", 70, kWalk, 1, "walk"},
    {"STAFF, offense+1, 140 Gold", 140, kOff, -1, "offense"},
    {"SHIELD, defence+1, 100 Gold", 100, kDef, 1, "defence"},
    {"POTION, life+1,         20 Gold", 20, kLife, 1, "life"},
    {"SCROLL, mind+1,      30 Gold", 30, kMind, 1, "mind"},
};

bool Magical(int hero) { return ObjectTable[hero].attribute[kOffBase] < 0; }

const Good* GoodsOf(int hero) { return Magical(hero) ? kAlchemist : kArmory; }

bool IsShopHero(int hero) {
  return hero >= 1 && hero <= 4 && !IsFreeSlot(ObjectTable[hero]);
}

// The welcome line the dialog shows while it is open.
char WelcomeLine[80];

void RedrawBoard() { DrawScreen(0, 1, 0, 0); }

}  // namespace

const char* ShopName(int hero) {
  return Magical(hero) ? "The Alchemist's Shop" : "The Armory";
}

void BuildShopDialog(DIALOG* items, int hero) {
  UseBoardDialogLayout(500 + 4 * 6, 230);
  const DialogLayoutValues& L = DialogLayout;

  const char* shop = ShopName(hero);
  char name[kNameLen + 1];
  CopyText(name, ObjectTable[hero].name, kNameLen);
  snprintf(WelcomeLine, sizeof WelcomeLine, "Welcome %s to the %s.", name, shop + 4);

  for (int i = 0; i < kShopItemCount; i++) items[i] = DIALOG{};
  auto set = [&](int i, DIALOG_PROC proc, int x, int y, int w, int h, int key, int flags,
                 const char* text) { SetDialogItem(items[i], proc, x, y, w, h, key, flags, text); };
  set(kShopBox, ShadowBoxProc, L.DialogX, L.DialogY, L.DialogW, L.DialogH, 0, 0, shop);
  set(kShopBack, ButtonProc, L.DialogX + L.DialogW - 2 * L.Spacing - L.ButtonW,
      L.DialogY + L.DialogH - 2 * L.Spacing - L.ButtonH, L.ButtonW, L.ButtonH, 'B', D_EXIT,
      "BACK");
  const Good* goods = GoodsOf(hero);
  for (int i = 0; i < kShopGoods; i++) {
    set(kShopFirstGood + i, ButtonProc, L.DialogX + L.DialogW / 2 - L.ButtonW,
        L.DialogY + L.TitleBarHeight + L.ButtonH + 4 * L.Spacing + i * (L.ButtonH + L.Spacing),
        2 * L.ButtonW, L.ButtonH, '1' + i, D_EXIT, goods[i].label);
  }
  set(kShopWelcome, CentredTextProc, L.DialogX + 2 * L.Spacing,
      L.DialogY + L.TitleBarHeight + 20, 500, 0, 0, 0, WelcomeLine);
  set(kShopWatcher, ExitWatcherProc, 0, 0, 0, 0, 0, 0, nullptr);
  // The last item stays empty: the end of the dialog.
}

int BuyGood(int hero, int good) {
  if (!IsShopHero(hero) || good < 0 || good >= kShopGoods) return kShopAtLimit;
  const Good& g = GoodsOf(hero)[good];
  ObjectRecord& o = ObjectTable[hero];
  if (o.inventory[kInvGold] < g.price) {
    PlayEffect(kRefuseSound);
    PrintMessage(TextColor1, "Not enough gold.");
    RefreshMessages();
    return kShopNotEnoughGold;
  }
  // Attributes are single bytes in memory and in the quest files.
  const int value = o.attribute[g.attribute] + g.step;
  if (value > std::numeric_limits<int8_t>::max() || value < std::numeric_limits<int8_t>::min()) {
    PlayEffect(kRefuseSound);
    PrintMessage(TextColor1, "%s's %s cannot be raised any further.", o.name, g.what);
    RefreshMessages();
    return kShopAtLimit;
  }
  PlayEffect(kBuySound);
  o.inventory[kInvGold] -= g.price;
  o.attribute[g.attribute] = static_cast<int8_t>(value);
  return kShopBought;
}

int Shop(int hero) {
  if (!IsShopHero(hero)) {
    PrintMessage(ColorTable[kColorDarkRed], "Object %d is no hero: the shop stays shut.", hero);
    RefreshMessages();
    return 0;
  }
  ShowPanel(hero);
  RedrawBoard();
  DIALOG items[kShopItemCount];
  int focus = kShopFirstGood;
  while (ExitRequest < 2) {
    BuildShopDialog(items, hero);
    Sys().ClearKeys();
    const int choice = RunRulesDialog(items, focus);
    if (ExitRequest >= 2 || choice < kShopFirstGood || choice > kShopLastGood) break;
    focus = choice;
    BuyGood(hero, choice - kShopFirstGood);
    ShowPanel(hero);
  }
  RedrawBoard();
  Sys().Wait(100);
  Sys().ClearKeys();
  return 0;
}

void InstallShopHook() {
  PlayHook.equipmentShop = [](int hero) { Shop(hero); };
}
