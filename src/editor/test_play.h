// Test play (F5): the quest being edited is played from its start, briefing and all,
// with the game's own rules; afterwards the editor has its quest back exactly as it
// was (play moves scripts to their layer, reveals the board, writes the turn into the
// save data, changes the heroes...).
#pragma once

// Plays the quest in memory and puts it back; returns the outcome (QuestOutcomeValue;
// kQuestLeft also when the briefing was left or the quest could not be started).
int TestPlayEditedQuest();

// What the test play runs (the quest screen's briefing and the play loop unless a test
// put its own in place).
using TestPlayBriefing = int (*)(int mode);
using TestPlayRunner = int (*)();
extern TestPlayBriefing TestPlayShowBriefing;
extern TestPlayRunner TestPlayRun;
