// Choosing quest and saved-game files.
#pragma once

// 1 while the quest editor runs (the editor sets it); the quest dialog then shows all
// files and works on the current chapter's file.
extern int EditorActive;

// mode 1 loads a quest, mode 0 saves the current one; returns 0.
int QuestFileDialog(int mode);
// mode 1 loads a saved game, mode 0 saves the game in progress; returns 0.
int SavedGameDialog(int mode);

// What the dialogs do with a chosen path (path is normalised in place, at most 511
// characters). They return 0 when the file was loaded or written, 1 when the
// extension was refused (after its alert) and otherwise the result of the load or
// save.
int QuestFileChosen(int mode, char* path);
int SavedGameChosen(int mode, char* path);
