// The editor's history of the quest: every change to the board, the objects and the
// header is one step that can be taken back and done again, and the quest as it was
// last loaded, started or saved tells whether there are unsaved changes.
//
// The history keeps the quest after each step (the quest model's snapshot). The editor
// records a step after each action; a step that changed nothing is not kept. What the
// editor only uses for drawing (the reveal layer, its selection mask) and the object
// count do not make a step.
#pragma once

// Steps that can be taken back, at the most.
constexpr int kUndoSteps = 100;

// Forgets every step: the quest in memory is where the history starts, and it counts
// as saved (a quest was loaded, a new one started).
void ClearEditHistory();
// Keeps the quest in memory as a step when it differs from the last one kept; the
// steps that had been taken back are gone then. True when a step was kept.
bool RecordEditStep();
// Takes the last step back, or does again the last one taken back. False, with the
// quest untouched, when there is none.
bool UndoEditStep();
bool RedoEditStep();
int UndoStepsAvailable();
int RedoStepsAvailable();

// The quest in memory was just written to its file: it counts as saved, and what the
// writer changed (the heroes moved to the front) becomes part of the current step
// without a step of its own.
void MarkQuestSaved();
// True when the quest in memory differs from the one last loaded, started or saved.
bool QuestHasUnsavedChanges();
