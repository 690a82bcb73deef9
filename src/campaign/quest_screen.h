// The quest screen, before a quest and after it: the briefing with the choice of
// heroes, their names and the shops; the defeat and victory texts with the rewards;
// the party carried on to the next chapter.
#pragma once
#include <allegro.h>

#include "quest/quest_model.h"

enum ScreenMode {
  kScreenBriefing = 0,        // a quest starts: choose the heroes, rename, shop
  kScreenBriefingInPlay = 1,  // the briefing again during play: shown only
  kScreenDefeat = 2,
  kScreenVictory = 3,
  kScreenDungeonStart = 4,  // the Magic Dungeon sets up level 1, then a briefing
};

// How many heroes may set out: 4, or 1 in the Magic Dungeon.
extern int MaxHeroes;

// The Magic Dungeon's start (set by the Magic Dungeon): sets up the dungeon and builds
// level 1; answers 0 when the level is ready to be played. Unset, the dungeon cannot
// be entered.
using DungeonStarter = int (*)();
extern DungeonStarter StartMagicDungeon;

// The shop a gold label opens for the hero in slot 1..4: Shop, unless a test put its own
// in place (unset, the labels do nothing).
using ShopRunner = int (*)(int hero);
extern ShopRunner OpenShop;

// Item indexes of the screen.
enum QuestScreenItem {
  kQuestBox = 0,
  kQuestOk = 1,
  kQuestCheck1 = 2,  // four check boxes, heroes 1..4
  kQuestName1 = kQuestCheck1 + 4,
  kQuestGold1 = kQuestName1 + 4,
  kQuestAuthor = kQuestGold1 + 4,
  kQuestChapterLine,
  kQuestText,
  kQuestWatcher,
  kQuestItemCount = kQuestWatcher + 2,  // the items above and the closing entry
};

// Runs the screen in a ScreenMode. Answers 0 to go on (play the quest, or carry on
// after a result) and 1 when the player left it or the quest cannot be played.
int QuestScreen(int mode);
// The briefing as the play loop shows it (the B key, the game menu).
void ShowBriefingInPlay();

// The pieces of the screen, each one step of what it does.

// A fresh Hall of Fame identity: 1000..9999.
int NewHeroId();
// Victory: every hero still in the quest (state above 0) gets the reward per hero, his
// share of the group reward and 20 experience.
void PayVictoryRewards();
// After a result: heroes in the quest are back in play, slots 1..4 go to the
// PartyTable, the party's keys are taken and its fallen heroes become fresh recruits.
void CarryPartyOver();
// A fallen hero's record made a fresh recruit of the same kind.
void MakeFreshRecruit(ObjectRecord& r);
// Before a quest: scripts to their layer, the four heroes checked, identities given,
// the party brought in from the last chapter, the board cleared. Fills selected[4]
// with the preselection. False (after saying why) when the quest has not four heroes.
bool PrepareQuestStart(bool selected[4]);
// Fills items (kQuestItemCount entries) for one showing. text is the laid-out story
// picture and lines its number of lines; selected[4] the check boxes' state.
void BuildQuestScreen(DIALOG* items, int mode, BITMAP* text, int lines, const bool selected[4]);
