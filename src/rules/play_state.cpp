#include "rules/play_state.h"

int QuestOutcome = kQuestPlaying;
int HeroPositionX = 0, HeroPositionY = 0;
int ActionTargetX = 0, ActionTargetY = 0;
int ReloadedFlag = 0;

void ResetPlayState() {
  QuestOutcome = kQuestPlaying;
  HeroPositionX = HeroPositionY = 0;
  ActionTargetX = ActionTargetY = 0;
  ReloadedFlag = 0;
}
