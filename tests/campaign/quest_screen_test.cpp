#include "campaign/quest_screen.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "campaign/campaign_fixture.h"
#include "campaign/campaign_hooks.h"
#include "campaign/hall_of_fame.h"
#include "campaign/hall_of_fame_screen.h"
#include "campaign/party.h"
#include "campaign/shop.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "core/random.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "rules/play_hooks.h"
#include "rules/play_state.h"
#include "rules/scripted_dialog.h"
#include "support/alert_checks.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/story_text.h"
#include "ui/text.h"
#include "ui/text_field.h"

namespace {

std::vector<int> gShopVisits;
int CountingShop(int hero) {
  gShopVisits.push_back(hero);
  ObjectTable[hero].inventory[kInvGold] -= 5;  // bought something
  return 0;
}

int gDungeonStarts = 0;
int ReadyDungeon() {
  gDungeonStarts++;
  return 0;
}

class QuestScreenTest : public ::testing::Test {
 protected:
  FakeGameData data;
  ScriptedPlatform& p = TestPlatform();
  ScriptedDialogs dialogs;

  void SetUp() override {
    p.Reset();
    ExitRequest = 0;
    ResetPlayState();
    ResetScreenLayout();
    EmptyParty();
    PlayHook = PlayHooks{};
    OpenShop = CountingShop;
    StartMagicDungeon = nullptr;
    gShopVisits.clear();
    gDungeonStarts = 0;
    for (int n = 0; n <= 27; n++) data.SetSample(kFirstSound + n);
    data.SetFont(kFontDialog);
    data.Install();
    SeedRandom(7);
    ResetHallOfFame();  // its last rank holds 30 experience
    MakeChapter("saga", 1, 3);
  }
  void TearDown() override {
    OpenShop = Shop;
    StartMagicDungeon = nullptr;
    PlayHook = PlayHooks{};
    EmptyParty();
    ResetHallOfFame();
    ExitRequest = 0;
    ResetQuest(true);
    InstallGameData(nullptr);
  }

  std::vector<int> Effects() const {
    std::vector<int> out;
    for (const RecordedSample& s : p.played)
      for (int n = 0; n <= 27; n++)
        if (s.sample == EffectSample(n)) out.push_back(n);
    return out;
  }
  static void SetStates(std::vector<int> states) {
    for (int k = 0; k < 4; k++) QuestHeader.heroes[k] = static_cast<int8_t>(states[k]);
  }
  static bool OnBoard(int slot) {
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++)
        if (ObjectMap[x][y] == slot) return true;
    return false;
  }
  // A hero killed in play, as the rules leave him.
  static void Kill(int k) {
    ObjectRecord& h = ObjectTable[k];
    h.side = kSideStatic;
    h.attribute[kLife] = 0;
    h.attribute[kMind] = 0;
    QuestHeader.heroes[k - 1] = kHeroOffBoard;
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++)
        if (ObjectMap[x][y] == k) ObjectMap[x][y] = 0;
  }
};

// A step that sets the check boxes and then closes the screen with an item.
DialogStep Choose(std::vector<bool> checked, int item) {
  return [checked, item](DIALOG* items) {
    for (int k = 0; k < 4; k++) {
      if (checked[k])
        items[kQuestCheck1 + k].flags |= D_SELECTED;
      else
        items[kQuestCheck1 + k].flags &= ~D_SELECTED;
    }
    return item;
  };
}

TEST_F(QuestScreenTest, VictoryRewardsAreSharedByTheHeroesStillInTheQuest) {
  const struct {
    const char* what;
    std::vector<int> states;
    int perHero, group;
    int gain;  // gold for each hero still in the quest
  } cases[] = {
      {"three of four: 100 / 3 each, the rest lost", {1, 1, 2, 0}, 30, 100, 30 + 33},
      {"one alone takes the whole group reward", {0, 0, 1, 0}, 0, 100, 100},
      {"four", {1, 1, 1, 1}, 5, 10, 5 + 2},
      {"nobody left: nothing paid, nothing divided", {0, 0, 0, 0}, 30, 100, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MakeChapter("saga", 1, 3);
    SetStates(c.states);
    QuestHeader.qstdata[kQuestRewardPerHero] = c.perHero;
    QuestHeader.qstdata[kQuestRewardGroup] = c.group;
    PayVictoryRewards();
    for (int k = 1; k <= 4; k++) {
      bool in = c.states[k - 1] > 0;
      EXPECT_EQ(ObjectTable[k].inventory[kInvGold], 10 * k + (in ? c.gain : 0)) << k;
      EXPECT_EQ(ObjectTable[k].exp, in ? 20 : 0) << k;
    }
  }
  // Gold a file can hold is never carried past what an int holds.
  MakeChapter("saga", 1, 3);
  SetStates({1, 0, 0, 0});
  ObjectTable[1].inventory[kInvGold] = INT_MAX - 10;
  QuestHeader.qstdata[kQuestRewardPerHero] = INT_MAX;
  QuestHeader.qstdata[kQuestRewardGroup] = INT_MAX;
  PayVictoryRewards();
  EXPECT_EQ(ObjectTable[1].inventory[kInvGold], INT_MAX);
}

TEST_F(QuestScreenTest, AFallenHeroComesBackAsAFreshRecruitOfHisKind) {
  ObjectRecord h = ObjectTable[2];
  CopyText(h.name, "Thorin", kNameLen);
  h.side = kSideStatic;
  h.exp = 55;
  h.kills = 7;
  h.id = 4321;
  const int8_t attrs[10] = {6, 2, 2, 5, 3, 9, 8, 0, 5, 0};
  memcpy(h.attribute, attrs, sizeof attrs);
  const int32_t inv[10] = {70, 1, 2, 1, 3, 0, 1, 0, 0, 1};
  memcpy(h.inventory, inv, sizeof inv);
  const ObjectRecord before = h;

  MakeFreshRecruit(h);

  EXPECT_STREQ(h.name, "Thorin");
  EXPECT_EQ(h.side, kSideHero);
  EXPECT_EQ(h.exp, 0);
  EXPECT_EQ(h.kills, 0);
  EXPECT_GE(h.id, 1000);
  EXPECT_LE(h.id, 9999);
  EXPECT_NE(h.id, 4321);
  const int8_t fresh[10] = {6, 6, 2, 2, 3, 3, 8, 8, 5, 5};
  for (int i = 0; i < 10; i++) EXPECT_EQ(h.attribute[i], fresh[i]) << i;
  const int32_t kept[10] = {0, 0, 2, 0, 3, 0, 0, 0, 0, 0};
  for (int i = 0; i < 10; i++) EXPECT_EQ(h.inventory[i], kept[i]) << i;
  EXPECT_EQ(memcmp(h.picture, before.picture, sizeof h.picture), 0);
}

TEST_F(QuestScreenTest, ThePartyLeavesWithoutKeysAndWithRecruitsForTheFallen) {
  SetStates({2, 1, 0, 1});
  ObjectTable[1].inventory[kInvRedKeys] = 1;
  ObjectTable[1].inventory[kInvBlueKeys] = 2;
  ObjectTable[1].exp = 30;
  ObjectTable[4].inventory[kInvRedKeys] = 3;
  Kill(2);
  ObjectTable[2].exp = 40;
  // Hero 3 stayed at home: off the board with his life.

  CarryPartyOver();

  EXPECT_EQ(QuestHeader.heroes[0], kHeroInPlay);  // left through an endpoint: back in play
  EXPECT_EQ(QuestHeader.heroes[2], kHeroOffBoard);
  for (int k = 1; k <= 4; k++) {
    SCOPED_TRACE(k);
    ASSERT_TRUE(PartyHas(k));
    EXPECT_EQ(PartyTable[k - 1].inventory[kInvRedKeys], 0);
    EXPECT_EQ(PartyTable[k - 1].inventory[kInvBlueKeys], 0);
    EXPECT_STREQ(PartyTable[k - 1].name, ObjectTable[k].name);
  }
  EXPECT_EQ(PartyTable[0].exp, 30);
  EXPECT_EQ(PartyTable[0].inventory[kInvGold], 10);
  EXPECT_EQ(PartyTable[1].side, kSideHero);
  EXPECT_EQ(PartyTable[1].exp, 0);
  EXPECT_EQ(PartyTable[1].inventory[kInvGold], 0);
  EXPECT_EQ(PartyTable[1].attribute[kLife], 8);
  EXPECT_EQ(PartyTable[2].attribute[kLife], 7);
  EXPECT_EQ(PartyTable[2].inventory[kInvGold], 30);
}

TEST_F(QuestScreenTest, AQuestStartsWithScriptsOnTheirLayerAndEveryHeroNamed) {
  ObjectRecord& look = ObjectTable[5];
  CopyText(look.name, "Look", kNameLen);
  look.side = kSideLookScript;
  ObjectMap[10][10] = 5;
  SetStates({1, 0, 1, 1});
  ObjectTable[3].id = 2222;
  bool selected[4];
  ASSERT_TRUE(PrepareQuestStart(selected));
  EXPECT_EQ(ObjectMap[10][10], 0);
  EXPECT_EQ(ScriptMap[10][10], 5);
  EXPECT_STREQ(LoggedLine(0).text, "Moved 1 look/walk scripts to separate layer.");
  EXPECT_EQ(std::vector<bool>(selected, selected + 4), (std::vector<bool>{1, 0, 1, 1}));
  EXPECT_EQ(ObjectTable[3].id, 2222);
  for (int k : {1, 2, 4}) {
    EXPECT_GE(ObjectTable[k].id, 1000);
    EXPECT_LE(ObjectTable[k].id, 9999);
  }
  EXPECT_TRUE(p.alerts.empty());
}

TEST_F(QuestScreenTest, AQuestWithoutFourHeroesCannotStart) {
  for (int slot : {1, 4}) {
    SCOPED_TRACE(slot);
    MakeChapter("saga", 1, 3);
    p.Reset();
    ObjectTable[slot].side = kSideGreenskin;
    EXPECT_EQ(QuestScreen(kScreenBriefing), 1);
    ASSERT_EQ(p.alerts.size(), 1u);
    ExpectAlert(p.alerts[0], {"  Not enough heroes in this quest,  ", "",
                              "the required amount is 4.", "OK", "", 13, 0});
    EXPECT_EQ(dialogs.showings, 0);
  }
}

// From the second chapter on the heroes are the party's, their life and mind topped up;
// only heroes with experience set out unasked.
TEST_F(QuestScreenTest, LaterChaptersBringThePartyIn) {
  MakeChapter("saga", 2, 3);
  ObjectRecord& conan = PartyTable[0];
  conan = ObjectTable[1];
  CopyText(conan.name, "Conan", kNameLen);
  conan.exp = 40;
  conan.id = 5555;
  conan.attribute[kLife] = 3;
  conan.attribute[kMind] = 1;
  conan.inventory[kInvGold] = 99;
  // Party record 2 stays empty: the chapter's own hero stays.
  PartyTable[2] = ObjectTable[3];
  CopyText(PartyTable[2].name, "Recruit", kNameLen);
  PartyTable[3] = ObjectTable[4];
  PartyTable[3].exp = 10;
  PartyTable[3].attribute[kLife] = 12;  // a potion above the base stays
  SetStates({1, 1, 1, 1});

  bool selected[4];
  ASSERT_TRUE(PrepareQuestStart(selected));
  EXPECT_STREQ(ObjectTable[1].name, "Conan");
  EXPECT_EQ(ObjectTable[1].id, 5555);
  EXPECT_EQ(ObjectTable[1].attribute[kLife], 9);
  EXPECT_EQ(ObjectTable[1].attribute[kMind], 4);
  EXPECT_EQ(ObjectTable[1].inventory[kInvGold], 99);
  EXPECT_STREQ(ObjectTable[2].name, "Dwarf");
  EXPECT_STREQ(ObjectTable[3].name, "Recruit");
  EXPECT_EQ(ObjectTable[4].attribute[kLife], 12);
  EXPECT_EQ(std::vector<bool>(selected, selected + 4), (std::vector<bool>{1, 0, 0, 1}));
}

TEST_F(QuestScreenTest, TheScreenStandsOverTheBoardWithTheTextAndFourHeroRows) {
  MakeChapter("saga", 2, 3);
  ObjectTable[3].inventory[kInvGold] = 0;
  const bool selected[4] = {true, false, true, true};
  const int pitch = StoryLinePitch();
  DIALOG items[kQuestItemCount];
  for (int mode : {kScreenBriefing, kScreenVictory}) {
    SCOPED_TRACE(mode);
    BuildQuestScreen(items, mode, nullptr, 3, selected);
    const DialogLayoutValues& L = DialogLayout;
    const int textH = 3 * pitch;
    EXPECT_EQ(L.DialogX, ScreenLayout.boardX + 80);
    EXPECT_EQ(L.DialogY, ScreenLayout.boardY + 120);
    EXPECT_EQ(L.DialogW, 524);
    EXPECT_EQ(L.DialogH, 16 + 3 * 23 + 4 * 6 + textH + 52);
    EXPECT_STREQ(static_cast<const char*>(items[kQuestBox].dp),
                 mode == kScreenBriefing ? "Briefing" : "Victory!");
    const DIALOG& ok = items[kQuestOk];
    EXPECT_EQ(ok.x + ok.w, L.DialogX + L.DialogW - 12);
    EXPECT_EQ(ok.y + ok.h, L.DialogY + L.DialogH - 12);
    EXPECT_EQ(ok.key, 'O');
    EXPECT_TRUE(ok.flags & D_EXIT);
    for (int k = 0; k < 4; k++) {
      SCOPED_TRACE(k);
      const DIALOG& check = items[kQuestCheck1 + k];
      const DIALOG& name = items[kQuestName1 + k];
      const DIALOG& gold = items[kQuestGold1 + k];
      EXPECT_EQ(check.proc, CheckProc);
      EXPECT_EQ(check.x, L.DialogX + 12);
      EXPECT_EQ(check.y, L.DialogY + 16 + textH + 52 + k * 23);
      EXPECT_EQ(check.key, '1' + k);
      EXPECT_EQ((check.flags & D_SELECTED) != 0, selected[k]);
      EXPECT_EQ(static_cast<const char*>(check.dp2)[0], k + 1);  // the panel shows the hero
      EXPECT_EQ(name.proc, TextFieldProc);
      EXPECT_EQ(name.x, check.x + 12 + 15);
      EXPECT_EQ(name.dp, ObjectTable[k + 1].name);  // renaming writes the record
      EXPECT_EQ(name.d1, 14);
      EXPECT_EQ(gold.proc, TextButtonProc);
      EXPECT_TRUE(gold.flags & D_EXIT);
      EXPECT_EQ(gold.w, TextWidth(kFontDialog, "9999 gold") + 2);
      EXPECT_EQ(std::string(static_cast<const char*>(gold.dp)),
                std::to_string(ObjectTable[k + 1].inventory[kInvGold]) + " gold");
      const bool rowsOpen = mode == kScreenBriefing;
      EXPECT_EQ((check.flags & D_DISABLED) == 0, rowsOpen);
      EXPECT_EQ((name.flags & D_DISABLED) == 0, rowsOpen);
      EXPECT_EQ((gold.flags & D_DISABLED) == 0, rowsOpen && k != 2);  // hero 3 has no gold
    }
    EXPECT_STREQ(static_cast<const char*>(items[kQuestChapterLine].dp), "[2/3] Chapter 2");
    EXPECT_EQ(items[kQuestChapterLine].fg, HighlightColor);
    const DIALOG& author = items[kQuestAuthor];
    EXPECT_EQ(author.x + author.w, L.DialogX + L.DialogW - 7);
    EXPECT_EQ(author.y, L.DialogY + 6);
    EXPECT_EQ(items[kQuestText].proc, PictureProc);
    EXPECT_EQ(items[kQuestText].y, L.DialogY + 56);
    EXPECT_EQ(items[kQuestText].h, textH);
    EXPECT_EQ(items[kQuestWatcher].proc, ExitWatcherProc);
    EXPECT_EQ(items[kQuestWatcher + 1].proc, nullptr);
  }
}

TEST_F(QuestScreenTest, OkSendsTheCheckedHeroesAndTakesTheOthersOffTheBoard) {
  dialogs.Script({Choose({0, 0, 0, 0}, kQuestOk), Choose({1, 0, 1, 0}, kQuestOk)});
  EXPECT_EQ(QuestScreen(kScreenBriefing), 0);
  EXPECT_EQ(dialogs.showings, 2);
  // No hero checked: refused with a sound and a word, and the screen comes back.
  EXPECT_EQ(Effects(), std::vector<int>{10});
  bool told = false;
  for (int i = 0; i < kMessageLogLines; i++)
    told |= std::string(LoggedLine(i).text) ==
            "You must select at least 1 hero, and at most 4 heroes.";
  EXPECT_TRUE(told);
  EXPECT_EQ(std::vector<int>(QuestHeader.heroes, QuestHeader.heroes + 4),
            (std::vector<int>{1, 0, 1, 0}));
  EXPECT_TRUE(OnBoard(1));
  EXPECT_FALSE(OnBoard(2));
  EXPECT_TRUE(OnBoard(3));
  EXPECT_FALSE(OnBoard(4));
}

TEST_F(QuestScreenTest, EscapeOrClosingTheProgramLeavesTheScreen) {
  dialogs.Script({Press(-1)});
  EXPECT_EQ(QuestScreen(kScreenBriefing), 1);
  dialogs.Script({[](DIALOG*) {
    ExitRequest = 2;
    return kQuestOk;
  }});
  EXPECT_EQ(QuestScreen(kScreenBriefing), 1);
  for (int k = 1; k <= 4; k++) EXPECT_TRUE(OnBoard(k));
}

// Names are typed into the heroes' own records; one that would name nobody (empty,
// blank) or mark a free slot ("#") gives way to the old one.
TEST_F(QuestScreenTest, RenamedHeroesKeepUsableNames) {
  dialogs.Script({[](DIALOG* items) {
    const char* typed[4] = {"Conan", "", "#x", "   "};
    for (int k = 0; k < 4; k++) strcpy(static_cast<char*>(items[kQuestName1 + k].dp), typed[k]);
    return kQuestOk;
  }});
  EXPECT_EQ(QuestScreen(kScreenBriefing), 0);
  EXPECT_STREQ(ObjectTable[1].name, "Conan");
  EXPECT_STREQ(ObjectTable[2].name, "Dwarf");
  EXPECT_STREQ(ObjectTable[3].name, "Elf");
  EXPECT_STREQ(ObjectTable[4].name, "Wizard");
  EXPECT_STREQ(LoggedLine(0).text, "A hero's name may not be empty or begin with #.");
}

// A gold label opens the hero's shop; the screen comes back with the gold he has left
// and the boxes as they were.
TEST_F(QuestScreenTest, AGoldLabelOpensThatHerosShop) {
  std::string labelAfter;
  bool checkAfter = true;
  dialogs.Script({Choose({1, 0, 1, 1}, kQuestGold1 + 2), [&](DIALOG* items) {
                    labelAfter = static_cast<const char*>(items[kQuestGold1 + 2].dp);
                    checkAfter = items[kQuestCheck1 + 1].flags & D_SELECTED;
                    return kQuestOk;
                  }});
  EXPECT_EQ(QuestScreen(kScreenBriefing), 0);
  EXPECT_EQ(gShopVisits, std::vector<int>{3});
  EXPECT_EQ(labelAfter, "25 gold");
  EXPECT_FALSE(checkAfter);
}

TEST_F(QuestScreenTest, VictoryPaysTheHeroesAndCarriesThePartyOver) {
  SetStates({1, 2, 1, 1});
  Kill(3);
  dialogs.Script({[](DIALOG* items) {
    for (int i = kQuestCheck1; i < kQuestGold1 + 4; i++)
      EXPECT_TRUE(items[i].flags & D_DISABLED) << i;
    EXPECT_FALSE(items[kQuestCheck1 + 2].flags & D_SELECTED);
    EXPECT_TRUE(items[kQuestCheck1 + 1].flags & D_SELECTED);
    return kQuestOk;
  }});
  EXPECT_EQ(QuestScreen(kScreenVictory), 0);
  EXPECT_EQ(dialogs.titles, std::vector<std::string>{"Victory!"});
  EXPECT_EQ(Effects().front(), 15);
  // 30 each and 100 / 3.
  EXPECT_EQ(PartyTable[0].inventory[kInvGold], 10 + 63);
  EXPECT_EQ(PartyTable[1].inventory[kInvGold], 20 + 63);
  EXPECT_EQ(PartyTable[1].exp, 20);
  EXPECT_EQ(PartyTable[2].inventory[kInvGold], 0);
  EXPECT_EQ(PartyTable[2].side, kSideHero);
  EXPECT_EQ(QuestHeader.heroes[1], kHeroInPlay);
}

// Heroes who earn their place in the Hall of Fame see it before the victory text; a
// defeat records nobody.
TEST_F(QuestScreenTest, AVictoryRecordsTheHeroesInTheHallOfFame) {
  ObjectTable[2].exp = 90;
  ObjectTable[2].id = 4444;
  CopyText(ObjectTable[2].name, "Gimli", kNameLen);
  dialogs.Script({Press(kHallClose), Press(kQuestOk)});
  EXPECT_EQ(QuestScreen(kScreenVictory), 0);
  EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Hall of Fame", "Victory!"}));
  EXPECT_STREQ(HallOfFame[0].name, "Gimli");
  EXPECT_STREQ(HallOfFame[0].quest, "Chapter 1");
  EXPECT_EQ(HallOfFame[0].experience, 110);
  EXPECT_EQ(HallOfFame[0].ID, 4444);

  ResetHallOfFame();
  MakeChapter("saga", 1, 3);
  ObjectTable[2].exp = 90;
  dialogs.Script({Press(kQuestOk)});
  EXPECT_EQ(QuestScreen(kScreenDefeat), 0);
  EXPECT_EQ(dialogs.titles, std::vector<std::string>{"Defeat.."});
  EXPECT_STREQ(HallOfFame[0].name, DefaultHallOfFameEntry(0).name);
}

TEST_F(QuestScreenTest, DefeatPaysNothingButCarriesThePartyOver) {
  SetStates({0, 0, 0, 0});
  Kill(1);
  dialogs.Script({Press(kQuestOk)});
  EXPECT_EQ(QuestScreen(kScreenDefeat), 0);
  EXPECT_EQ(dialogs.titles, std::vector<std::string>{"Defeat.."});
  EXPECT_EQ(Effects().front(), 19);
  EXPECT_EQ(PartyTable[1].inventory[kInvGold], 20);
  EXPECT_EQ(PartyTable[1].exp, 0);
  EXPECT_EQ(PartyTable[0].attribute[kLife], 9);  // a recruit
}

// The B key and the game menu show the briefing during play: nothing changes.
TEST_F(QuestScreenTest, TheBriefingDuringPlayOnlyShows) {
  InstallCampaignHooks();
  ASSERT_NE(PlayHook.showBriefing, nullptr);
  EXPECT_NE(PlayHook.equipmentShop, nullptr);  // the shop script reaches the shop
  ObjectRecord& look = ObjectTable[5];
  CopyText(look.name, "Look", kNameLen);
  look.side = kSideLookScript;
  ObjectMap[10][10] = 5;
  SetStates({1, 0, 1, 1});
  ObjectRecord before[5];
  memcpy(before, ObjectTable, sizeof before);
  dialogs.Script({[](DIALOG* items) {
    for (int i = kQuestCheck1; i < kQuestGold1 + 4; i++)
      EXPECT_TRUE(items[i].flags & D_DISABLED) << i;
    return kQuestOk;
  }});
  PlayHook.showBriefing();
  EXPECT_EQ(dialogs.titles, std::vector<std::string>{"Briefing"});
  EXPECT_EQ(memcmp(before, ObjectTable, sizeof before), 0);
  EXPECT_EQ(ObjectMap[10][10], 5);
  EXPECT_EQ(std::vector<int>(QuestHeader.heroes, QuestHeader.heroes + 4),
            (std::vector<int>{1, 0, 1, 1}));
  EXPECT_FALSE(PartyHas(1));
  EXPECT_TRUE(Effects().empty());
}

// The Magic Dungeon sets its level up first, and then one hero alone may go.
TEST_F(QuestScreenTest, TheDungeonStartTakesOneHero) {
  EXPECT_EQ(QuestScreen(kScreenDungeonStart), 1);  // not there yet: said so
  ASSERT_EQ(p.alerts.size(), 1u);
  EXPECT_EQ(dialogs.showings, 0);

  StartMagicDungeon = ReadyDungeon;
  dialogs.Script({Choose({1, 1, 0, 0}, kQuestOk), Choose({0, 1, 0, 0}, kQuestOk)});
  EXPECT_EQ(QuestScreen(kScreenDungeonStart), 0);
  EXPECT_EQ(gDungeonStarts, 1);
  EXPECT_EQ(MaxHeroes, 1);
  EXPECT_STREQ(LoggedLine(0).text, "You must select at least 1 hero, and at most 1 heroes.");
  EXPECT_EQ(std::vector<int>(QuestHeader.heroes, QuestHeader.heroes + 4),
            (std::vector<int>{0, 1, 0, 0}));

  // A quest start afterwards takes four again.
  MakeChapter("saga", 1, 3);
  dialogs.Script({Choose({1, 1, 1, 1}, kQuestOk)});
  EXPECT_EQ(QuestScreen(kScreenBriefing), 0);
  EXPECT_EQ(MaxHeroes, 4);
}

}  // namespace
