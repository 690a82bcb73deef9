// The Hall of Fame after a won quest: who enters and where, duplicate IDs, the messages,
// and the dialog that shows the table with this update's entries highlighted once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign/hall_of_fame.h"
#include "campaign/hall_of_fame_screen.h"
#include "campaign/party.h"
#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "quest/quest_model.h"
#include "rules/options_dialog.h"
#include "support/fake_game_data.h"
#include "support/pixel_colors.h"
#include "support/scripted_platform.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"

namespace {

class HallOfFameUpdate : public ::testing::Test {
 protected:
  void SetUp() override {
    TestPlatform().Reset();
    ResetHallOfFame();
    EmptyParty();
    CopyText(QuestHeader.quest, "The Drowned Vault", kHeaderTextLen);
    GameOptions.developer = 0;
  }
  void TearDown() override {
    ResetHallOfFame();
    EmptyParty();
    ResetQuest(true);
    GameOptions.developer = 0;
  }
  // Party hero k (1..4).
  ObjectRecord& Hero(int k, const char* name, int exp, int id) {
    ObjectRecord& o = PartyTable[k - 1];
    ClearObject(o);
    CopyText(o.name, name, kNameLen);
    o.side = kSideHero;
    o.exp = exp;
    o.id = id;
    o.kills = 7;
    o.inventory[kInvGold] = 321;
    o.picture[kPicNumber] = 3;
    return o;
  }
  // The table's experience, rank 1 first.
  static std::vector<int> Experience() {
    std::vector<int> v;
    for (const HallOfFameEntry& e : HallOfFame) v.push_back(e.experience);
    return v;
  }
  static std::vector<int> Flags() {
    std::vector<int> v;
    for (const HallOfFameEntry& e : HallOfFame) v.push_back(e.flag);
    return v;
  }
};

struct RankCase {
  const char* what;
  int exp;
  int id;
  int oldId;  // given to the entry at rank oldRank (0: none)
  int oldRank;
  int answer;
  std::vector<int> table;
  int newRank;  // 0: not entered
};

TEST_F(HallOfFameUpdate, HeroesRankByExperienceAfterEqualEntries) {
  const RankCase cases[] = {
      {"95 enters at rank 2 and rank 8 drops out", 95, 5000, 0, 0, 1,
       {100, 95, 90, 80, 70, 60, 50, 40}, 2},
      {"a tie with rank 1 ranks after it", 100, 5000, 0, 0, 1,
       {100, 100, 90, 80, 70, 60, 50, 40}, 2},
      {"just above the last entry", 31, 5000, 0, 0, 1, {100, 90, 80, 70, 60, 50, 40, 31}, 8},
      {"equal to the last entry stays out", 30, 5000, 0, 0, 0,
       {100, 90, 80, 70, 60, 50, 40, 30}, 0},
      {"above all", 500, 5000, 0, 0, 1, {500, 100, 90, 80, 70, 60, 50, 40}, 1},
      {"more than his old entry moves him up and leaves one entry", 120, 4242, 4242, 3, 1,
       {120, 100, 90, 70, 60, 50, 40, 30}, 1},
      {"more than his old entry at the same rank", 85, 4242, 4242, 3, 1,
       {100, 90, 85, 70, 60, 50, 40, 30}, 3},
      {"his old last entry taken out and put back", 31, 4242, 4242, 8, 1,
       {100, 90, 80, 70, 60, 50, 40, 31}, 8},
      {"less than his old entry changes nothing", 70, 4242, 4242, 3, 0,
       {100, 90, 80, 70, 60, 50, 40, 30}, 0},
      {"as much as his old entry changes nothing", 80, 4242, 4242, 3, 0,
       {100, 90, 80, 70, 60, 50, 40, 30}, 0},
      // The default entries have ID 0: a hero without an identity is not one of them.
      {"ID 0 matches nobody", 95, 0, 0, 0, 1, {100, 95, 90, 80, 70, 60, 50, 40}, 2},
  };
  for (const RankCase& c : cases) {
    SCOPED_TRACE(c.what);
    ResetHallOfFame();
    if (c.oldRank) HallOfFame[c.oldRank - 1].ID = c.oldId;
    Hero(2, "Kestrel", c.exp, c.id);
    EXPECT_EQ(UpdateHallOfFame(), c.answer);
    EXPECT_EQ(Experience(), c.table);
    int with = 0;
    for (const HallOfFameEntry& e : HallOfFame) with += c.id != 0 && e.ID == c.id;
    EXPECT_LE(with, 1);
    for (int i = 0; i < kHallOfFameSize; i++) {
      const bool isNew = i + 1 == c.newRank;
      EXPECT_EQ(HallOfFame[i].flag, isNew ? 1 : 0) << i;
      if (isNew) {
        EXPECT_STREQ(HallOfFame[i].name, "Kestrel");
      }
    }
  }
}

TEST_F(HallOfFameUpdate, AnEntryTakesEverythingFromTheHeroAndTheQuest) {
  Hero(3, "Kestrel", 150, 1234);
  ASSERT_EQ(UpdateHallOfFame(), 1);
  const HallOfFameEntry& e = HallOfFame[0];
  EXPECT_STREQ(e.name, "Kestrel");
  EXPECT_STREQ(e.quest, "The Drowned Vault");
  EXPECT_EQ(e.experience, 150);
  EXPECT_EQ(e.gold, 321);
  EXPECT_EQ(e.kills, 7);
  EXPECT_EQ(e.picture, 3);
  EXPECT_EQ(e.ID, 1234);
  EXPECT_EQ(e.flag, 1);
  EXPECT_EQ(e.checksum, HallOfFameChecksum(e));

  // A picture number outside the object pictures is stored as the table reads it back.
  EmptyParty();
  Hero(4, "Wren", 120, 99).picture[kPicNumber] = -1;
  ASSERT_EQ(UpdateHallOfFame(), 1);
  EXPECT_STREQ(HallOfFame[1].name, "Wren");
  EXPECT_EQ(HallOfFame[1].picture, 9);
  EXPECT_EQ(HallOfFame[1].checksum, HallOfFameChecksum(HallOfFame[1]));
}

TEST_F(HallOfFameUpdate, TheWholePartyInOrderAndOnlyThisUpdateFlagged) {
  Hero(1, "Ash", 95, 1001);
  Hero(2, "Birch", 95, 1002);  // ties with Ash, who came first
  Hero(3, "Cedar", 10, 1003);  // too little
  Hero(4, "Dogwood", 300, 1004);
  ASSERT_EQ(UpdateHallOfFame(), 1);
  EXPECT_EQ(Experience(), (std::vector<int>{300, 100, 95, 95, 90, 80, 70, 60}));
  EXPECT_STREQ(HallOfFame[2].name, "Ash");
  EXPECT_STREQ(HallOfFame[3].name, "Birch");
  EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 1, 1, 0, 0, 0, 0}));

  // The next update flags only what it entered.
  EmptyParty();
  Hero(1, "Ash", 200, 1001);
  ASSERT_EQ(UpdateHallOfFame(), 1);
  EXPECT_EQ(Experience(), (std::vector<int>{300, 200, 100, 95, 90, 80, 70, 60}));
  EXPECT_EQ(Flags(), (std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(UpdateHallOfFame(), 0);  // the same again enters nothing
  EXPECT_EQ(Flags(), (std::vector<int>(8, 0)));
}

TEST_F(HallOfFameUpdate, EmptyPartyRecordsAreNobody) {
  // Even against a hand-edited table of negative experience.
  for (int i = 0; i < kHallOfFameSize; i++) HallOfFame[i].experience = -10 - i;
  EXPECT_EQ(UpdateHallOfFame(), 0);
  for (const HallOfFameEntry& e : HallOfFame) EXPECT_STREQ(e.name, "Halberdier");
}

TEST_F(HallOfFameUpdate, MessagesAndTheDevelopersDuplicateLine) {
  const struct {
    int developer;
    int exp;
    std::vector<std::string> lines;  // newest first
  } cases[] = {
      {0, 120, {"Updating Hall of Fame..."}},
      {1, 120, {"Duplicate ID found on Kestrel, overwrite=1", "Updating Hall of Fame..."}},
      {1, 20, {"Duplicate ID found on Kestrel, overwrite=0", "Updating Hall of Fame..."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.developer * 1000 + c.exp);
    ResetHallOfFame();
    HallOfFame[5].ID = 77;
    GameOptions.developer = c.developer;
    PrintMessage(TextColor2, "-");
    Hero(1, "Kestrel", c.exp, 77);
    UpdateHallOfFame();
    for (size_t i = 0; i < c.lines.size(); i++)
      EXPECT_EQ(std::string(LoggedLine(static_cast<int>(i)).text), c.lines[i]);
    EXPECT_STREQ(LoggedLine(static_cast<int>(c.lines.size())).text, "-");
  }
}

// The dialog's table, drawn on a memory screen.
class HallOfFameDialog : public HallOfFameUpdate {
 protected:
  void SetUp() override {
    HallOfFameUpdate::SetUp();
    data_.SetFont(kFontDialog);
    data_.Install();
    bmp_ = create_bitmap(800, 600);
    clear_to_color(bmp_, makecol(255, 255, 255));
    gui_set_screen(bmp_);
    oldHigh_ = HighlightColor;
    HighlightColor = makecol(136, 0, 0);
    saved_ = RunRulesDialog;
  }
  void TearDown() override {
    RunRulesDialog = saved_;
    HighlightColor = oldHigh_;
    gui_set_screen(nullptr);
    destroy_bitmap(bmp_);
    HallOfFameUpdate::TearDown();
  }
  DIALOG Table() {
    DIALOG items[kHallItemCount];
    BuildHallOfFameDialog(items);
    DIALOG t = items[kHallTable];
    t.fg = makecol(20, 40, 200);
    return t;
  }
  // The ink of the name in row i: the fake font inks its glyph's second row from the
  // second column on.
  Rgb NameInk(const DIALOG& t, int i) {
    return PixelAt(bmp_, t.x + 10 + 45 + 1, t.y + 10 + 22 * (i + 1) + 1 + 1);
  }
  Rgb MedalAt(const DIALOG& t, int i) {
    return PixelAt(bmp_, t.x + 10 + 198, t.y + 10 + 22 * (i + 1) + 7);
  }

  FakeGameData data_;
  BITMAP* bmp_ = nullptr;
  int oldHigh_ = 0;
  DialogRunner saved_ = nullptr;
};

TEST_F(HallOfFameDialog, NewEntriesAreHighlightedOnTheFirstDrawingOnly) {
  Hero(1, "Ash", 150, 1001);
  Hero(2, "Birch", 45, 1002);
  ASSERT_EQ(UpdateHallOfFame(), 1);
  DIALOG t = Table();
  const Rgb high = {136, 0, 0}, fg = {20, 40, 200};
  t.proc(MSG_DRAW, &t, 0);
  // The font's palette keeps six bits a channel.
  for (int i = 0; i < kHallOfFameSize; i++)
    EXPECT_TRUE(Near(NameInk(t, i), (i == 0 || i == 7) ? high : fg, 4)) << i << NameInk(t, i);
  t.proc(MSG_DRAW, &t, 0);
  for (int i = 0; i < kHallOfFameSize; i++)
    EXPECT_TRUE(Near(NameInk(t, i), fg, 4)) << i << NameInk(t, i);
}

TEST_F(HallOfFameDialog, MedalsGoByExperience) {
  const int exp[kHallOfFameSize] = {250, 200, 199, 100, 99, 50, 49, 0};
  const Rgb gold = {230, 170, 30}, silver = {180, 180, 180}, bronze = {180, 90, 42};
  for (int i = 0; i < kHallOfFameSize; i++) HallOfFame[i].experience = exp[i];
  DIALOG t = Table();
  t.proc(MSG_DRAW, &t, 0);
  const Rgb want[kHallOfFameSize] = {gold, gold, silver, silver, bronze, bronze,
                                     RgbOf(BaseColor), RgbOf(BaseColor)};
  for (int i = 0; i < kHallOfFameSize; i++) EXPECT_EQ(MedalAt(t, i), want[i]) << exp[i];
}

int shownFocus = -1;
std::string shownTitle;

TEST_F(HallOfFameDialog, TheDialogIsFramedTitledAndClosedWithX) {
  DIALOG items[kHallItemCount];
  BuildHallOfFameDialog(items);
  const DialogLayoutValues& L = DialogLayout;
  EXPECT_EQ(L.DialogW, 524);
  EXPECT_EQ(L.DialogH, 257);
  EXPECT_EQ(items[kHallBox].proc, ShadowBoxProc);
  EXPECT_STREQ(static_cast<const char*>(items[kHallBox].dp), "Hall of Fame");
  EXPECT_EQ(items[kHallClose].x, L.DialogX + 504);
  EXPECT_EQ(items[kHallClose].y, L.DialogY + 4);
  EXPECT_EQ(items[kHallClose].key, 'X');
  EXPECT_TRUE(items[kHallClose].flags & D_EXIT);
  EXPECT_EQ(items[kHallTable].x, L.DialogX + 7);
  EXPECT_EQ(items[kHallTable].y, L.DialogY + 25);
  EXPECT_EQ(items[kHallTable].w, 510);
  EXPECT_EQ(items[kHallTable].h, 209);
  EXPECT_EQ(items[kHallWatcher].proc, ExitWatcherProc);
  EXPECT_EQ(items[kHallWatcher + 1].proc, nullptr);

  // Shown with the focus on "X"; the screen under it comes back afterwards.
  const int under = getpixel(bmp_, L.DialogX + 100, L.DialogY + 100);
  RunRulesDialog = [](DIALOG* items, int focus) -> int {
    shownFocus = focus;
    shownTitle = static_cast<const char*>(items[kHallBox].dp);
    rectfill(gui_get_screen(), items[0].x, items[0].y, items[0].x + items[0].w,
             items[0].y + items[0].h, makecol(1, 2, 3));
    return kHallClose;
  };
  ShowHallOfFame();
  EXPECT_EQ(shownFocus, kHallClose);
  EXPECT_EQ(shownTitle, "Hall of Fame");
  EXPECT_EQ(getpixel(bmp_, L.DialogX + 100, L.DialogY + 100), under);
  EXPECT_EQ(getpixel(bmp_, L.DialogX + L.DialogW, L.DialogY + L.DialogH), under);
}

}  // namespace
