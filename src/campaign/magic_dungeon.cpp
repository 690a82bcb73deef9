#include "campaign/magic_dungeon.h"

#include "campaign/hall_of_fame_screen.h"
#include "campaign/party.h"
#include "campaign/quest_screen.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "dungeon/dungeon_level.h"
#include "quest/quest_model.h"
#include "quest/script_types.h"
#include "rules/hero_turn.h"
#include "rules/play_hooks.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"

int DeepestDungeonLevel = 0;

namespace {

constexpr int kLevelChangeEffect = 13;

// Before the board is rebuilt: the heroes go into the party; on the way down they are
// recorded in the Hall of Fame under the level they leave.
void LeavingLevel(int level, int previous) {
  for (int k = 1; k <= kPartySize; k++) PartyTable[k - 1] = ObjectTable[k];
  if (level > previous && UpdateHallOfFame()) {
    Sys().Wait(120);
    Sys().ClearKeys();
    PlayEffect(kLevelChangeEffect);
    ShowHallOfFame();
  }
}

// The new level stands: the heroes take their carried records on the tiles the level
// gave them, and the hero who took the stairs goes on with his turn there.
void ArrivedOnLevel(int level, int) {
  PlayEffect(kLevelChangeEffect);
  for (int k = 1; k <= kPartySize; k++) ObjectTable[k] = PartyTable[k - 1];
  if (level > DeepestDungeonLevel) DeepestDungeonLevel = level;
  ContinueTurnOnNewBoard();
}

}  // namespace

int StartTheMagicDungeon() {
  EmptyParty();
  ResetQuest(true);
  SetUpMagicDungeonHeader(NewDungeonSeedBase(), GameOptions.lastlevel);
  DeepestDungeonLevel = 1;
  if (enterDungeonLevel(1, 0) != kLevelBuilt) {
    Alert("  The Magic Dungeon cannot be built:  ", "the prefab file Dunmar.qpf",
          "cannot furnish its levels.", "OK", nullptr, 'O', 0);
    return 1;
  }
  return 0;
}

int TakeDungeonStairs(int scriptType, int) {
  const int level = QuestHeader.chapter;
  if (DeepestDungeonLevel < level) DeepestDungeonLevel = level;
  const int next = scriptType == kScriptStairsUp ? level - 1 : level + 1;
  if (next < 1 || next > QuestHeader.chapters) return 0;
  if (enterDungeonLevel(next, level) != kLevelBuilt) {
    // The board is gone: the descent ends here, the heroes as the party kept them.
    for (int k = 1; k <= kPartySize; k++) ObjectTable[k] = PartyTable[k - 1];
    QuestOutcome = kQuestLeft;
    return 1;
  }
  return 1;
}

void InstallMagicDungeonHooks() {
  StartMagicDungeon = StartTheMagicDungeon;
  PlayHook.stairs = TakeDungeonStairs;
  DungeonLevelHook.leaving = LeavingLevel;
  DungeonLevelHook.arrived = ArrivedOnLevel;
}
