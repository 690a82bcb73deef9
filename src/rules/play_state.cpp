#include "rules/play_state.h"

int QuestOutcome = 0;
