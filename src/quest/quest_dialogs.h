// Choosing quest and saved-game files.
#pragma once

// mode 1 loads a quest, mode 0 saves the current one; returns 0.
int QuestFileDialog(int mode);
// mode 1 loads a saved game, mode 0 saves the game in progress; returns 0.
int SavedGameDialog(int mode);
