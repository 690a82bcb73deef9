// Whether the quest being played has ended: the close button's question, the fallen
// party, and the quest's objective.
#pragma once

// Runs after every turn and after every step of a hero turn; sets QuestOutcome (and
// ExitRequest when the player confirms leaving the program).
void CheckQuestEnd();

// True when the board meets the quest objective (objectives 1 and 4 to 8; the others
// are met by the doors and the scripts at the moment they happen).
bool ObjectiveMet(int objective);
