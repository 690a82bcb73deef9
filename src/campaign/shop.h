// The two shops a hero spends his gold in: "The Armory" for heroes who fight with
// steel, "The Alchemist's Shop" for those whose attack is magical (negative base
// offence). Each sells five goods, every one raising one current attribute by a step.
#pragma once
#include <allegro.h>

// Runs the shop for the hero in object slot hero (1..4) until he leaves it; reached
// from the gold labels of the briefing screen and from the "run equipment shop"
// script during play. Returns 0.
int Shop(int hero);

// Puts the shop behind the play loop's "run equipment shop" script.
void InstallShopHook();

// Item indexes of the shop dialog.
enum ShopItem {
  kShopBox = 0,
  kShopBack = 1,
  kShopFirstGood = 2,  // the five goods, keys 1 to 5
  kShopLastGood = 6,
  kShopWelcome = 7,
  kShopWatcher = 8,
  kShopItemCount = 10,  // the nine items and the closing entry
};
constexpr int kShopGoods = 5;

// The shop the hero in slot hero enters.
const char* ShopName(int hero);
// Sets the layout values and fills items (kShopItemCount entries) for the hero.
void BuildShopDialog(DIALOG* items, int hero);

// What buying did.
enum ShopPurchase {
  kShopBought = 0,
  kShopNotEnoughGold = 1,
  kShopAtLimit = 2,  // the attribute would leave what a quest file can store
};
// The hero in slot hero buys good 0..4 of his shop: the price comes off his gold and
// the good's attribute rises. Refusals change nothing and tell the player why.
int BuyGood(int hero, int good);
