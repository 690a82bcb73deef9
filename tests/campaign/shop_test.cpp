// The shops: which one a hero enters, their goods and prices, purchases and refusals,
// and the shop's loop as the player works it.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "campaign/shop.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "quest/quest_model.h"
#include "render/screen_layout.h"
#include "rules/options_dialog.h"
#include "rules/play_hooks.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"

namespace {

// The shop's dialog as the player works it: each showing answers the next item.
struct ShopRunner {
  static std::deque<int> answers;
  static std::vector<int> focuses;
  static std::vector<std::string> titles;
  static int Run(DIALOG* items, int focus) {
    focuses.push_back(focus);
    titles.push_back(static_cast<const char*>(items[kShopBox].dp));
    if (answers.empty()) {
      ADD_FAILURE() << "the shop was shown more often than scripted";
      return -1;
    }
    int a = answers.front();
    answers.pop_front();
    return a;
  }
};
std::deque<int> ShopRunner::answers;
std::vector<int> ShopRunner::focuses;
std::vector<std::string> ShopRunner::titles;

constexpr int kBuy = 13, kRefuse = 10;

class ShopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestPlatform().Reset();
    ExitRequest = 0;
    ResetQuest(true);
    buy_ = data_.SetSample(kFirstSound + kBuy);
    refuse_ = data_.SetSample(kFirstSound + kRefuse);
    data_.Install();
    saved_ = RunRulesDialog;
    RunRulesDialog = ShopRunner::Run;
    ShopRunner::answers.clear();
    ShopRunner::focuses.clear();
    ShopRunner::titles.clear();
    PrintMessage(TextColor2, "-");
  }
  void TearDown() override {
    RunRulesDialog = saved_;
    ResetQuest(true);
    ExitRequest = 0;
  }
  // A hero in slot k with the same base and current values.
  ObjectRecord& Hero(int k, const char* name, int off, int gold) {
    ObjectRecord& o = ObjectTable[k];
    CopyText(o.name, name, kNameLen);
    o.side = kSideHero;
    const int8_t values[5] = {8, static_cast<int8_t>(off), 3, 6, 2};
    for (int i = 0; i < 5; i++) o.attribute[2 * i] = o.attribute[2 * i + 1] = values[i];
    o.inventory[kInvGold] = gold;
    return o;
  }
  std::vector<SAMPLE*> Sounds() {
    std::vector<SAMPLE*> s;
    for (const RecordedSample& r : TestPlatform().played) s.push_back(r.sample);
    return s;
  }

  FakeGameData data_;
  SAMPLE* buy_ = nullptr;
  SAMPLE* refuse_ = nullptr;
  DialogRunner saved_ = nullptr;
};

struct GoodRow {
  const char* label;
  int price;
  int attribute;
  int step;
};

TEST_F(ShopTest, EachKindOfHeroHasItsShopGoodsAndPrices) {
  const GoodRow armory[kShopGoods] = {
      {"BOOTS, walk+1,       80 Gold", 80, kWalk, 1},
      {"SWORD, offense+1, 110 Gold", 110, kOff, 1},
      {"SHIELD, defence+1, 100 Gold", 100, kDef, 1},
      {"POTION, life+1,         30 Gold", 30, kLife, 1},
      {"ELIXER, mind+1,        50 Gold", 50, kMind, 1},
  };
  const GoodRow alchemist[kShopGoods] = {
      {"ELIXER, walk+1,        70 Gold", 70, kWalk, 1},
      {"STAFF, offense+1, 140 Gold", 140, kOff, -1},
      {"SHIELD, defence+1, 100 Gold", 100, kDef, 1},
      {"POTION, life+1,         20 Gold", 20, kLife, 1},
      {"SCROLL, mind+1,      30 Gold", 30, kMind, 1},
  };
  const struct {
    int baseOff;
    const char* shop;
    const char* welcome;
    const GoodRow* goods;
  } shops[] = {
      {0, "The Armory", "Welcome Borin to the Armory.", armory},
      {3, "The Armory", "Welcome Borin to the Armory.", armory},
      {-1, "The Alchemist's Shop", "Welcome Borin to the Alchemist's Shop.", alchemist},
  };
  for (const auto& s : shops) {
    SCOPED_TRACE(s.baseOff);
    for (int g = 0; g < kShopGoods; g++) {
      ObjectRecord& o = Hero(2, "Borin", s.baseOff, 1000);
      o.attribute[kOff] = 2;  // the shop goes by the base offence only
      ASSERT_STREQ(ShopName(2), s.shop);
      DIALOG items[kShopItemCount];
      BuildShopDialog(items, 2);
      EXPECT_STREQ(static_cast<const char*>(items[kShopBox].dp), s.shop);
      EXPECT_STREQ(static_cast<const char*>(items[kShopWelcome].dp), s.welcome);
      const DIALOG& b = items[kShopFirstGood + g];
      EXPECT_STREQ(static_cast<const char*>(b.dp), s.goods[g].label);
      EXPECT_EQ(b.key, '1' + g);
      EXPECT_EQ(b.proc, ButtonProc);
      EXPECT_TRUE(b.flags & D_EXIT);

      int8_t before[10];
      memcpy(before, o.attribute, sizeof before);
      const int a = s.goods[g].attribute;
      EXPECT_EQ(BuyGood(2, g), kShopBought);
      EXPECT_EQ(o.inventory[kInvGold], 1000 - s.goods[g].price);
      // The current value moves; its base and every other attribute stay.
      for (int i = 0; i < 10; i++)
        EXPECT_EQ(o.attribute[i], before[i] + (i == a ? s.goods[g].step : 0)) << i;
    }
  }
  EXPECT_EQ(Sounds(), std::vector<SAMPLE*>(15, buy_));
}

struct PurchaseCase {
  const char* what;
  int baseOff;
  int good;
  int gold;
  int attribute;  // its current value before
  int result;
  int goldAfter;
  int attributeAfter;
  const char* message;  // the newest message line afterwards
};

TEST_F(ShopTest, PurchasesAndRefusals) {
  const PurchaseCase cases[] = {
      {"exactly the price leaves no gold", 0, 3, 30, 6, kShopBought, 0, 7, "-"},
      {"79 gold buys no boots", 0, 0, 79, 8, kShopNotEnoughGold, 79, 8, "Not enough gold."},
      {"a staff makes magic one stronger", -2, 1, 140, -2, kShopBought, 0, -3, "-"},
      {"a potion goes past the base life", 0, 3, 100, 6, kShopBought, 70, 7, "-"},
      {"gold below nothing buys nothing", 0, 3, -5, 6, kShopNotEnoughGold, -5, 6,
       "Not enough gold."},
      {"walk up to the most a file stores", 0, 0, 80, 126, kShopBought, 0, 127, "-"},
      {"walk past the most a file stores", 0, 0, 500, 127, kShopAtLimit, 500, 127,
       "Borin's walk cannot be raised any further."},
      {"a staff past the strongest magic stored", -2, 1, 500, -128, kShopAtLimit, 500, -128,
       "Borin's offense cannot be raised any further."},
      {"a sword past the most stored", 0, 1, 500, 127, kShopAtLimit, 500, 127,
       "Borin's offense cannot be raised any further."},
      {"a potion past the most stored", -1, 3, 500, 127, kShopAtLimit, 500, 127,
       "Borin's life cannot be raised any further."},
  };
  const int attributeOf[2][kShopGoods] = {{kWalk, kOff, kDef, kLife, kMind},
                                          {kWalk, kOff, kDef, kLife, kMind}};
  for (const PurchaseCase& c : cases) {
    SCOPED_TRACE(c.what);
    TestPlatform().Reset();
    PrintMessage(TextColor2, "-");
    ObjectRecord& o = Hero(1, "Borin", c.baseOff, c.gold);
    const int a = attributeOf[c.baseOff < 0][c.good];
    o.attribute[a] = static_cast<int8_t>(c.attribute);
    EXPECT_EQ(BuyGood(1, c.good), c.result);
    EXPECT_EQ(o.inventory[kInvGold], c.goldAfter);
    EXPECT_EQ(o.attribute[a], c.attributeAfter);
    EXPECT_STREQ(LoggedLine(0).text, c.message);
    EXPECT_EQ(Sounds(), std::vector<SAMPLE*>{c.result == kShopBought ? buy_ : refuse_});
  }
}

TEST_F(ShopTest, TheDialogStandsWhereTheBoardIs) {
  ScreenLayout = kDefaultScreenLayout;
  Hero(1, "Borin", 0, 0);
  DIALOG items[kShopItemCount];
  BuildShopDialog(items, 1);
  const int x = kBoardLeftX + 80, y = kBoardTopY + 120;
  const int rows[][4] = {
      {x, y, 524, 230},                // the frame
      {x + 412, y + 195, 100, 23},     // BACK, 12 from the right and bottom
      {x + 162, y + 63, 200, 23},      // the first good
      {x + 162, y + 63 + 4 * 29, 200, 23},  // the fifth
  };
  const int item[] = {kShopBox, kShopBack, kShopFirstGood, kShopLastGood};
  for (int i = 0; i < 4; i++) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[item[i]].x, rows[i][0]);
    EXPECT_EQ(items[item[i]].y, rows[i][1]);
    EXPECT_EQ(items[item[i]].w, rows[i][2]);
    EXPECT_EQ(items[item[i]].h, rows[i][3]);
  }
  EXPECT_STREQ(static_cast<const char*>(items[kShopBack].dp), "BACK");
  EXPECT_EQ(items[kShopBack].key, 'B');
  EXPECT_EQ(items[kShopWelcome].proc, CentredTextProc);
  EXPECT_EQ(items[kShopWelcome].x + items[kShopWelcome].w / 2, x + 262);  // centred
  EXPECT_EQ(items[kShopWelcome].y, y + 36);
  EXPECT_EQ(items[kShopWatcher].proc, ExitWatcherProc);
  EXPECT_EQ(items[kShopWatcher + 1].proc, nullptr);
}

TEST_F(ShopTest, ALongNameIsCutInTheWelcomeLine) {
  Hero(1, "Seventeen Letters", -3, 0);
  DIALOG items[kShopItemCount];
  BuildShopDialog(items, 1);
  EXPECT_STREQ(static_cast<const char*>(items[kShopWelcome].dp),
               "Welcome Seventeen Letters to the Alchemist's Shop.");
  std::string full(kNameLen + 1, 'N');  // a name that fills its field, no terminator
  memcpy(ObjectTable[1].name, full.data(), sizeof ObjectTable[1].name);
  BuildShopDialog(items, 1);
  EXPECT_LE(strlen(static_cast<const char*>(items[kShopWelcome].dp)), 79u);
}

TEST_F(ShopTest, TheShopRunsUntilBackAndRemembersTheLastGood) {
  ObjectRecord& o = Hero(1, "Borin", 0, 200);
  ShopRunner::answers = {kShopFirstGood + 3, kShopFirstGood + 3, kShopFirstGood, kShopBack};
  EXPECT_EQ(Shop(1), 0);
  EXPECT_EQ(o.attribute[kLife], 8);  // two potions, then boots
  EXPECT_EQ(o.attribute[kWalk], 9);
  EXPECT_EQ(o.inventory[kInvGold], 60);
  EXPECT_EQ(ShopRunner::focuses,
            (std::vector<int>{kShopFirstGood, kShopFirstGood + 3, kShopFirstGood + 3,
                              kShopFirstGood}));
  EXPECT_TRUE(ShopRunner::answers.empty());
}

TEST_F(ShopTest, EscapeOrAConfirmedExitLeavesTheShop) {
  Hero(1, "Borin", 0, 200);
  ShopRunner::answers = {-1};
  EXPECT_EQ(Shop(1), 0);
  EXPECT_EQ(ShopRunner::titles.size(), 1u);

  ShopRunner::answers = {kShopFirstGood};
  ShopRunner::titles.clear();
  RunRulesDialog = [](DIALOG* items, int focus) {
    ExitRequest = 2;  // the close button was confirmed inside the dialog
    return ShopRunner::Run(items, focus);
  };
  EXPECT_EQ(Shop(1), 0);
  EXPECT_EQ(ShopRunner::titles.size(), 1u);
  EXPECT_EQ(ObjectTable[1].inventory[kInvGold], 200);  // nothing was bought
}

TEST_F(ShopTest, OnlyAHeroSlotOpensTheShop) {
  Hero(1, "Borin", 0, 200);
  for (int slot : {0, 5, 200, -3, 2}) {  // slot 2 is free
    SCOPED_TRACE(slot);
    EXPECT_EQ(Shop(slot), 0);
    EXPECT_TRUE(ShopRunner::titles.empty());
    EXPECT_EQ(std::string(LoggedLine(0).text),
              "Object " + std::to_string(slot) + " is no hero: the shop stays shut.");
    EXPECT_EQ(BuyGood(slot, 0), kShopAtLimit);
  }
  EXPECT_EQ(BuyGood(1, 5), kShopAtLimit);
  EXPECT_EQ(BuyGood(1, -1), kShopAtLimit);
  EXPECT_EQ(ObjectTable[1].inventory[kInvGold], 200);
}

TEST_F(ShopTest, TheShopScriptOpensTheShopForTheHero) {
  PlayHooks saved = PlayHook;
  InstallShopHook();
  ASSERT_NE(PlayHook.equipmentShop, nullptr);
  Hero(3, "Wenna", -2, 20);
  ShopRunner::answers = {kShopFirstGood + 3, kShopBack};
  PlayHook.equipmentShop(3);
  EXPECT_EQ(ShopRunner::titles, (std::vector<std::string>{"The Alchemist's Shop",
                                                           "The Alchemist's Shop"}));
  EXPECT_EQ(ObjectTable[3].attribute[kLife], 7);
  EXPECT_EQ(ObjectTable[3].inventory[kInvGold], 0);
  PlayHook = saved;
}

}  // namespace
