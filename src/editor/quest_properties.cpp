#include "editor/quest_properties.h"

#include <cstring>

#include "core/platform.h"
#include "editor/popup_dialog.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/dialog_lists.h"
#include "ui/list_box.h"
#include "ui/number_field.h"
#include "ui/text_field.h"

namespace {

constexpr int kBoxX = 156, kBoxY = 140, kBoxW = 492, kBoxH = 296;
constexpr int kLabelX = 168, kControlX = 230, kSecondColumnX = 344;
constexpr int kFirstRowY = 168, kRowH = 20;
constexpr int kTextW = 406, kNumberW = 100, kListW = 190, kRowItemH = 16;
constexpr int kHeroBoxStep = 26;
constexpr int kOkX = 536, kOkY = 402, kOkW = 100, kOkH = 22;
constexpr int kMapSizeLimit = 50;
constexpr int kPerHeroLimit = 400, kGroupLimit = 800;  // gold, counted in tens

int RowY(int row) { return kFirstRowY + row * kRowH; }

// The wandering monster's list position when the dialog opened; only a change of it is
// written back, so a monster the list does not name survives a look at the dialog. The
// same for rewards beyond their fields.
int OpenedWanderingPosition = 0;
int OpenedPerHero = 0, OpenedGroup = 0;

}  // namespace

int StoryTextLimit() {
  const int line = kReadLineMax - kKeywordColumn;
  return line < kStoryTextLen ? line : kStoryTextLen;
}

void BuildQuestPropertiesDialog(DIALOG* items) {
  DialogLayoutValues& L = DialogLayout;
  L.DialogX = kBoxX;
  L.DialogY = kBoxY;
  L.DialogW = kBoxW;
  L.DialogH = kBoxH;
  L.ButtonW = kOkW;
  L.ButtonH = kOkH;
  L.Spacing = 6;
  L.TitleBarHeight = 16;
  for (int i = 0; i < kQuestPropsItemCount; i++) items[i] = DIALOG{};
  auto set = [&](int i, DIALOG_PROC proc, int x, int y, int w, int h, int key, int flags,
                 const char* text) { SetDialogItem(items[i], proc, x, y, w, h, key, flags, text); };
  auto label = [&](int i, int row, const char* text) {
    set(i, TextProc, kLabelX, RowY(row), kControlX - kLabelX, kRowItemH, 0, 0, text);
  };
  auto textField = [&](int i, int row, char* text, int limit, int cursor) {
    set(i, TextFieldProc, kControlX, RowY(row), kTextW, kRowItemH, 0, 0, nullptr);
    items[i].dp = text;
    items[i].d1 = limit;
    items[i].d2 = cursor;
  };
  auto number = [&](int i, int row, int limit, int value, int flags) {
    set(i, NumberFieldProc, kControlX, RowY(row), kNumberW, kRowItemH, 0, flags, nullptr);
    items[i].d1 = limit;
    items[i].d2 = HoldToRange(value, 0, NumberFieldLargest(&items[i]));
    return items[i].d2;
  };
  QuestHeaderRecord& h = QuestHeader;
  set(kQuestPropsBox, ShadowBoxProc, kBoxX, kBoxY, kBoxW, kBoxH, 0, 0, "Quest Properties");

  // A story text longer than a file line keeps is cut to it before the field takes it.
  const int story = StoryTextLimit();
  for (char* t : {h.briefing, h.victory, h.defeat})
    if (static_cast<int>(strlen(t)) > story) t[story] = '\0';
  label(kQuestPropsQuestLabel, 0, "quest   ");
  textField(kQuestPropsQuest, 0, h.quest, kHeaderTextLen, 0);
  label(kQuestPropsAuthorLabel, 1, "author  ");
  textField(kQuestPropsAuthor, 1, h.author, kHeaderTextLen, 0);
  label(kQuestPropsBriefingLabel, 2, "briefing");
  textField(kQuestPropsBriefing, 2, h.briefing, story, 1);
  label(kQuestPropsVictoryLabel, 3, "victory ");
  textField(kQuestPropsVictory, 3, h.victory, story, 1);
  label(kQuestPropsDefeatLabel, 4, "defeat  ");
  textField(kQuestPropsDefeat, 4, h.defeat, story, 1);

  label(kQuestPropsHeroesLabel, 5, "hero 1-4");
  for (int k = 0; k < 4; k++) {
    set(kQuestPropsHero1 + k, CheckProc, kControlX + k * kHeroBoxStep, RowY(5), 14, 14,
        0, h.heroes[k] == kHeroInPlay ? D_SELECTED : 0, "");
    items[kQuestPropsHero1 + k].d1 = 1;
  }
  label(kQuestPropsChapterLabel, 6, "chapter ");
  number(kQuestPropsChapter, 6, kLastChapter, h.chapter, 0);
  label(kQuestPropsChaptersLabel, 7, "chapters");
  number(kQuestPropsChapters, 7, kLastChapter, h.chapters, 0);
  label(kQuestPropsMapWLabel, 8, "map w   ");
  number(kQuestPropsMapW, 8, kMapSizeLimit, h.mapw, D_DISABLED);
  label(kQuestPropsMapHLabel, 9, "map h   ");
  number(kQuestPropsMapH, 9, kMapSizeLimit, h.maph, D_DISABLED);
  label(kQuestPropsRewardHeading, 10, "quest reward in gold:");
  label(kQuestPropsPerHeroLabel, 11, "per hero");
  OpenedPerHero =
      number(kQuestPropsPerHero, 11, kPerHeroLimit, h.qstdata[kQuestRewardPerHero] / 10, 0);
  label(kQuestPropsGroupLabel, 12, "group");
  OpenedGroup = number(kQuestPropsGroup, 12, kGroupLimit, h.qstdata[kQuestRewardGroup] / 10, 0);

  set(kQuestPropsObjectiveLabel, TextProc, kSecondColumnX, RowY(5), kListW, kRowItemH, 0, 0,
      "quest objective:");
  set(kQuestPropsObjective, ListProc, kSecondColumnX, RowY(6), kListW, 3 * kRowH - 4, 0, 0,
      nullptr);
  items[kQuestPropsObjective].dp = reinterpret_cast<void*>(ObjectiveListEntry);
  items[kQuestPropsObjective].d1 =
      HoldToRange(h.qstdata[kQuestObjective], 0, kObjectiveCount - 1);
  set(kQuestPropsWanderingLabel, TextProc, kSecondColumnX, RowY(9), kListW, kRowItemH, 0, 0,
      "wandering monster:");
  set(kQuestPropsWandering, ListProc, kSecondColumnX, RowY(10), kListW, 3 * kRowH - 4, 0, 0,
      nullptr);
  items[kQuestPropsWandering].dp = reinterpret_cast<void*>(MonsterPrefabListEntry);
  const int monsters = MonsterPrefabChoices();
  OpenedWanderingPosition =
      monsters > 0 ? HoldToRange(h.qstdata[kQuestWandering] - FirstMonsterPrefab, 0, monsters - 1)
                   : 0;
  items[kQuestPropsWandering].d1 = OpenedWanderingPosition;

  set(kQuestPropsOk, ButtonProc, kOkX, kOkY, kOkW, kOkH, 'B', D_EXIT, " OK ");
  set(kQuestPropsWatcher, ExitWatcherProc, 0, 0, 0, 0, 0, 0, nullptr);
}

void TakeQuestPropertiesDialog(const DIALOG* items) {
  QuestHeaderRecord& h = QuestHeader;
  for (int k = 0; k < 4; k++)
    h.heroes[k] = (items[kQuestPropsHero1 + k].flags & D_SELECTED) ? kHeroInPlay : kHeroOffBoard;
  // A quest file has no chapter 0: the reader would make it 1.
  h.chapter = static_cast<int8_t>(HoldToRange(items[kQuestPropsChapter].d2, 1, kLastChapter));
  h.chapters = static_cast<int8_t>(
      HoldToRange(items[kQuestPropsChapters].d2, h.chapter, kLastChapter));
  int32_t* q = h.qstdata;
  q[kQuestRewardPerHero] =
      StoreCountedInTens(items[kQuestPropsPerHero], OpenedPerHero, q[kQuestRewardPerHero]);
  q[kQuestRewardGroup] =
      StoreCountedInTens(items[kQuestPropsGroup], OpenedGroup, q[kQuestRewardGroup]);
  h.qstdata[kQuestObjective] = HoldToRange(items[kQuestPropsObjective].d1, 0, kObjectiveCount - 1);
  const int monsters = MonsterPrefabChoices();
  const int position = items[kQuestPropsWandering].d1;
  if (monsters > 0 && position != OpenedWanderingPosition)
    h.qstdata[kQuestWandering] = FirstMonsterPrefab + HoldToRange(position, 0, monsters - 1);
}

void EditQuestProperties() {
  DIALOG items[kQuestPropsItemCount];
  BuildQuestPropertiesDialog(items);
  Sys().ClearKeys();
  RunEditorPopup(items, kQuestPropsOk);
  TakeQuestPropertiesDialog(items);
  Sys().Wait(100);
  Sys().ClearKeys();
}
