// The state of the quest being played, beside the three values kept in the quest's
// save data (QuestHeader.savdata: CurrentObject, ActionState, WalkLeft).
#pragma once

// 0 while playing; 1 left to the main menu; 2 lost; 3 won.
extern int QuestOutcome;
