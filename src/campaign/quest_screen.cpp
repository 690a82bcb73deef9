#include "campaign/quest_screen.h"

#include <cstdint>
#include <cstdio>

#include "campaign/board_dialog.h"
#include "campaign/hall_of_fame_screen.h"
#include "campaign/party.h"
#include "campaign/shop.h"
#include "core/colors.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/random.h"
#include "dungeon/dungeon_level.h"
#include "render/board_draw.h"
#include "render/screen_layout.h"
#include "render/side_panel.h"
#include "rules/options_dialog.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/story_text.h"
#include "ui/text.h"
#include "ui/text_field.h"

int MaxHeroes = 4;
DungeonStarter StartMagicDungeon = nullptr;
ShopRunner OpenShop = Shop;

namespace {

constexpr int kStoryWidth = 500;
constexpr int kNameFieldLen = 14;
constexpr int kHeroExperienceReward = 20;

constexpr int kRefusedEffect = 10;
constexpr int kVictoryEffect = 15;
constexpr int kDefeatEffect = 19;

// The texts the items point at while the screen is shown.
char goldLabel[kPartySize][24];
char chapterLine[96];
// One-character texts naming hero slots 1..4: the side panel shows the hero whose row
// has the focus.
char heroRef[kPartySize][2] = {{1, 0}, {2, 0}, {3, 0}, {4, 0}};

int32_t AddClamped(int32_t value, long long add) {
  long long sum = static_cast<long long>(value) + add;
  if (sum > INT32_MAX) return INT32_MAX;
  if (sum < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(sum);
}

bool HeroInQuest(int k) { return QuestHeader.heroes[k - 1] > kHeroOffBoard; }

void RemoveFromBoard(int slot) {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] == slot) ObjectMap[x][y] = 0;
}

// Look and walk scripts placed on the object layer (as older quests have them) go to
// the script layer, where the play loop looks for them.
void MoveScriptsToTheirLayer() {
  int moved = 0;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int slot = ObjectMap[x][y];
      if (slot > 0 && ObjectTable[slot].side > kSideStatic) {
        ScriptMap[x][y] = static_cast<uint8_t>(slot);
        ObjectMap[x][y] = 0;
        moved++;
      }
    }
  PrintMessage(TextColor2, "Moved %d look/walk scripts to separate layer.", moved);
}

// "OK" before a quest: the checked heroes set out, the others leave the board. False
// when too few or too many were checked.
bool TakeHeroChoice(const bool selected[4]) {
  int count = 0;
  for (int k = 1; k <= kPartySize; k++) {
    QuestHeader.heroes[k - 1] = selected[k - 1] ? kHeroInPlay : kHeroOffBoard;
    if (selected[k - 1]) count++;
  }
  if (count >= 1 && count <= MaxHeroes) {
    for (int k = 1; k <= kPartySize; k++)
      if (!selected[k - 1]) RemoveFromBoard(k);
    return true;
  }
  PlayEffect(kRefusedEffect);
  Sys().Wait(120);
  PrintMessage(ColorTable[kColorDarkRed],
               "You must select at least 1 hero, and at most %d heroes.", MaxHeroes);
  RefreshMessages();
  DrawScreen(0, 1, 1, 0);
  return false;
}

// A name the player typed must still name a hero: empty (or blank) he would count as
// nobody in the party and the Hall of Fame, and a leading "#" marks a free slot. Such a
// name gives way to the one he had.
void KeepNamesUsable(const char before[][kNameLen + 1]) {
  for (int k = 1; k <= kPartySize; k++) {
    char* name = ObjectTable[k].name;
    bool blank = true;
    for (const char* c = name; *c; c++) blank &= *c == ' ';
    if (!blank && name[0] != '#') continue;
    CopyText(name, before[k - 1], kNameLen);
    PrintMessage(ColorTable[kColorDarkRed], "A hero's name may not be empty or begin with #.");
    RefreshMessages();
  }
}

const char* ScreenTitle(int mode) {
  if (mode == kScreenDefeat) return "Defeat..";
  if (mode == kScreenVictory) return "Victory!";
  return "Briefing";
}

}  // namespace

int NewHeroId() { return 1000 + RandomMod(9000); }

void PayVictoryRewards() {
  int alive = 0;
  for (int k = 1; k <= kPartySize; k++)
    if (HeroInQuest(k)) alive++;
  if (alive == 0) return;  // nobody to pay (and nothing to divide by)
  const int32_t perHero = QuestHeader.qstdata[kQuestRewardPerHero];
  const int32_t share = QuestHeader.qstdata[kQuestRewardGroup] / alive;
  for (int k = 1; k <= kPartySize; k++) {
    if (!HeroInQuest(k)) continue;
    ObjectRecord& h = ObjectTable[k];
    h.inventory[kInvGold] = AddClamped(h.inventory[kInvGold], perHero);
    h.inventory[kInvGold] = AddClamped(h.inventory[kInvGold], share);
    h.exp = AddClamped(h.exp, kHeroExperienceReward);
    if (k == CurrentObject) ShowPanel(k);
  }
}

void MakeFreshRecruit(ObjectRecord& r) {
  r.side = kSideHero;
  r.exp = 0;
  r.kills = 0;
  r.id = NewHeroId();
  for (int base = kWalkBase; base <= kMindMax; base += 2) r.attribute[base + 1] = r.attribute[base];
  r.inventory[kInvGold] = 0;
  for (int i = 1; i < 10; i++)
    if (r.inventory[i] == 1) r.inventory[i] = 0;
}

void CarryPartyOver() {
  for (int k = 1; k <= kPartySize; k++)
    if (HeroInQuest(k)) QuestHeader.heroes[k - 1] = kHeroInPlay;
  for (int k = 1; k <= kPartySize; k++) {
    ObjectRecord& r = PartyTable[k - 1];
    r = ObjectTable[k];
    r.inventory[kInvRedKeys] = 0;
    r.inventory[kInvBlueKeys] = 0;
    // Killed in the quest: the life a blow took may have gone below 0 as well.
    if (r.attribute[kLife] <= 0) MakeFreshRecruit(r);
  }
}

bool PrepareQuestStart(bool selected[4]) {
  MoveScriptsToTheirLayer();
  for (int k = 1; k <= kPartySize; k++)
    if (ObjectTable[k].side != kSideHero) {
      Alert("  Not enough heroes in this quest,  ", "", "the required amount is 4.", "OK",
            nullptr, 13, 0);
      return false;
    }
  for (int k = 1; k <= kPartySize; k++) {
    ObjectRecord& hero = ObjectTable[k];
    selected[k - 1] = HeroInQuest(k);
    if (hero.id == 0) hero.id = NewHeroId();
    if (QuestHeader.chapter > 1) {
      ObjectRecord& carried = PartyTable[k - 1];
      if (carried.attribute[kLife] < carried.attribute[kLifeMax])
        carried.attribute[kLife] = carried.attribute[kLifeMax];
      if (carried.attribute[kMind] < carried.attribute[kMindMax])
        carried.attribute[kMind] = carried.attribute[kMindMax];
      if (PartyHas(k)) hero = carried;
      selected[k - 1] = hero.exp > 0;
    }
  }
  ClearBoardPicture();
  DrawScreen(0, 1, 1, 1);
  return true;
}

void BuildQuestScreen(DIALOG* items, int mode, BITMAP* text, int lines, const bool selected[4]) {
  const bool start = mode == kScreenBriefing || mode == kScreenDungeonStart;
  const int textH = lines * StoryLinePitch();
  UseBoardDialogLayout(kStoryWidth + 4 * 6, 16 + 3 * 23 + 4 * 6 + textH + 52);
  const DialogLayoutValues& L = DialogLayout;

  for (int i = 0; i < kQuestItemCount; i++) items[i] = DIALOG{};
  auto set = [&](int i, DIALOG_PROC proc, int x, int y, int w, int h, int key, int flags,
                 void* dp) {
    SetDialogItem(items[i], proc, x, y, w, h, key, flags, nullptr);
    items[i].dp = dp;  // a text, or the story picture
  };
  const int right = L.DialogX + L.DialogW;
  set(kQuestBox, ShadowBoxProc, L.DialogX, L.DialogY, L.DialogW, L.DialogH, 0, 0,
      const_cast<char*>(ScreenTitle(mode)));
  set(kQuestOk, ButtonProc, right - 2 * L.Spacing - L.ButtonW,
      L.DialogY + L.DialogH - 2 * L.Spacing - L.ButtonH, L.ButtonW, L.ButtonH, 'O', D_EXIT,
      const_cast<char*>("OK"));

  const int rowX = L.DialogX + 2 * L.Spacing;
  const int nameX = rowX + 12 + 15;
  const int goldW = TextWidth(kFontDialog, "9999 gold") + 2;
  const int goldX = nameX + L.ButtonW + 2 * L.Spacing;
  for (int k = 1; k <= kPartySize; k++) {
    const int i = k - 1;
    const int y = L.DialogY + L.TitleBarHeight + textH + 52 + i * L.ButtonH;
    ObjectRecord& hero = ObjectTable[k];
    const int rowOff = start ? 0 : D_DISABLED;

    set(kQuestCheck1 + i, CheckProc, rowX, y, 12, 12, '1' + i,
        rowOff | (selected[i] ? D_SELECTED : 0), const_cast<char*>(""));
    items[kQuestCheck1 + i].d1 = 1;  // the box first
    items[kQuestCheck1 + i].dp2 = heroRef[i];

    set(kQuestName1 + i, TextFieldProc, nameX, y, L.ButtonW, 13, 0, rowOff, hero.name);
    items[kQuestName1 + i].d1 = kNameFieldLen;
    items[kQuestName1 + i].dp2 = heroRef[i];

    snprintf(goldLabel[i], sizeof goldLabel[i], "%d gold", static_cast<int>(hero.inventory[kInvGold]));
    const int goldOff = (!start || hero.inventory[kInvGold] <= 0) ? D_DISABLED : 0;
    set(kQuestGold1 + i, TextButtonProc, goldX, y, goldW, 13, 0, D_EXIT | goldOff, goldLabel[i]);
  }

  // The author on the title strip, ending 7 pixels inside the frame.
  const char* author = QuestHeader.author;
  const int authorW = TextWidth(kFontDialog, author);
  set(kQuestAuthor, CentredTextProc, right - 7 - authorW, L.DialogY + 6, authorW, 0, 0, 0,
      const_cast<char*>(author));
  items[kQuestAuthor].fg = TitleTextColor(gui_fg_color, HighlightColor);

  snprintf(chapterLine, sizeof chapterLine, "[%d/%d] %.49s", QuestHeader.chapter,
           QuestHeader.chapters, QuestHeader.quest);
  set(kQuestChapterLine, CentredTextProc, L.DialogX + (L.DialogW - kStoryWidth) / 2,
      L.DialogY + L.TitleBarHeight + 20, kStoryWidth, 0, 0, 0, chapterLine);
  items[kQuestChapterLine].fg = HighlightColor;

  set(kQuestText, PictureProc, L.DialogX + 2 * L.Spacing, L.DialogY + L.TitleBarHeight + 40,
      text ? text->w : 0, textH, 0, 0, text);
  items[kQuestText].d1 = 1;  // the magic pink around the letters is left out

  set(kQuestWatcher, ExitWatcherProc, 0, 0, 0, 0, 0, 0, nullptr);
  // The last item stays empty: the end of the dialog.
}

int QuestScreen(int mode) {
  const bool start = mode == kScreenBriefing || mode == kScreenDungeonStart;
  const bool result = mode == kScreenDefeat || mode == kScreenVictory;

  if (mode == kScreenDungeonStart) {
    if (!StartMagicDungeon) {
      Alert("THE DUNGEON", "This part of the game is not built yet.", " ", "OK", nullptr, 'o', 0);
      return 1;
    }
    if (StartMagicDungeon() != 0) return 1;
    MaxHeroes = 1;
  } else if (mode == kScreenBriefing) {
    // A saved game of the Magic Dungeon goes on with its one hero.
    MaxHeroes = IsMagicDungeonQuest() ? 1 : 4;
  }

  if (mode == kScreenDefeat) PlayEffect(kDefeatEffect);
  if (mode == kScreenVictory) {
    PlayEffect(kVictoryEffect);
    PayVictoryRewards();
  }
  if (result) CarryPartyOver();
  if (mode == kScreenVictory && UpdateHallOfFame()) ShowHallOfFame();

  bool selected[4];
  if (start) {
    if (!PrepareQuestStart(selected)) return 1;
  } else {
    for (int k = 1; k <= kPartySize; k++) selected[k - 1] = HeroInQuest(k);
  }

  const int which = mode == kScreenDefeat    ? kStoryDefeat
                    : mode == kScreenVictory ? kStoryVictory
                                             : kStoryBriefing;
  BITMAP* text = create_bitmap(kStoryWidth + 2, kStoryMaxLines * StoryLinePitch());
  const int lines = LayoutStoryText(text, kStoryWidth, which);

  char names[kPartySize][kNameLen + 1];
  for (int k = 1; k <= kPartySize; k++) CopyText(names[k - 1], ObjectTable[k].name, kNameLen);

  DIALOG items[kQuestItemCount];
  int focus = kQuestOk;
  int answer = 1;
  for (;;) {
    BuildQuestScreen(items, mode, text, lines, selected);
    int choice = RunRulesDialog(items, focus);
    for (int k = 0; k < kPartySize; k++)
      selected[k] = (items[kQuestCheck1 + k].flags & D_SELECTED) != 0;
    KeepNamesUsable(names);
    if (ExitRequest >= 2 || choice < 0) break;
    focus = choice;
    if (choice == kQuestOk) {
      if (!start || TakeHeroChoice(selected)) {
        answer = 0;
        break;
      }
    } else if (choice >= kQuestGold1 && choice < kQuestGold1 + kPartySize) {
      const int hero = choice - kQuestGold1 + 1;
      if (start && OpenShop) OpenShop(hero);
      // Spent to the last coin, his label is off: the focus goes back to "OK".
      if (ObjectTable[hero].inventory[kInvGold] <= 0) focus = kQuestOk;
    } else {
      break;  // nothing else closes the screen
    }
  }

  if (text) destroy_bitmap(text);
  Sys().Wait(100);
  Sys().ClearKeys();
  return answer;
}

void ShowBriefingInPlay() {
  QuestScreen(kScreenBriefingInPlay);
  // The screen stood over the board: put the board back.
  DrawScreen(0, 1, 0, 0);
}
